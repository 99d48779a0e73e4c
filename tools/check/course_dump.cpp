#include "course_dump.h"

#include "json_writer.h"
#include "users/points_table.h"

#include <limits>

namespace lumora {
namespace {

const char* ColourName(Colour c) {
    return c == Colour::White ? "white" : "black";
}

void DumpTopics(JsonWriter& w, const CourseData& c) {
    w.Key("TopicTable").BeginArray();
    for (const auto& t : c.TopicTable) {
        w.BeginObject();
        w.Key("FolderName").String(t.FolderName);
        w.Key("ListLeft").Int(t.ListLeft);
        w.Key("ListTop").Int(t.ListTop);
        w.Key("ListAlign").Int(t.ListAlign);
        w.Key("IconOffset").Int(t.IconOffset);
        w.Key("ListColour").String(ColourName(t.ListColour));
        w.Key("DescLeft").Int(t.DescLeft);
        w.Key("DescTop").Int(t.DescTop);
        w.Key("DescColour").String(ColourName(t.DescColour));
        w.EndObject();
    }
    w.EndArray();
}

template <std::size_t N>
void DumpNumbered(JsonWriter& w, const char* key, const std::array<std::string, N>& table) {
    w.Key(key).BeginObject();
    for (std::size_t n = 1; n < N; ++n) {
        if (!table[n].empty()) {
            w.Key(std::to_string(n)).String(table[n]);
        }
    }
    w.EndObject();
}

void DumpIntList(JsonWriter& w, const char* key, const std::array<int, kLayoutPairs>& values) {
    w.Key(key).BeginArray();
    for (int v : values) {
        w.Int(v);
    }
    w.EndArray();
}

void DumpSteering(JsonWriter& w, const CourseData& c) {
    w.Key("SteeringTable").BeginArray();
    for (const auto& r : c.SteeringTable) {
        w.BeginObject();
        w.Key("TopicFolder").String(r.TopicFolder);
        w.Key("Content").String(r.Content);
        w.Key("Code").Int(r.Code);
        w.Key("Background").String(r.Background);
        w.Key("Title").String(r.Title);
        w.Key("Spare").String(r.Spare);
        w.Key("LayoutCount").Int(r.LayoutCount);
        DumpIntList(w, "LayoutX", r.LayoutX);
        DumpIntList(w, "LayoutY", r.LayoutY);
        w.Key("Variants").String(r.Variants);
        w.EndObject();
    }
    w.EndArray();
}

void DumpData(JsonWriter& w, const CourseData& c) {
    w.Key("DataTable").BeginArray();
    for (const auto& d : c.DataTable) {
        w.BeginObject();
        w.Key("TopicKey").String(d.TopicKey);
        w.Key("GroupKey").String(d.GroupKey);
        w.Key("EnglishText").String(d.EnglishText);
        w.Key("Field4").String(d.Field4);
        w.Key("PolishText").String(d.PolishText);
        w.Key("PictureFile").String(d.PictureFile);
        w.Key("Field7").Bool(d.Field7);
        w.Key("SoundFile").String(d.SoundFile);
        w.Key("Field9").String(d.Field9);
        w.Key("KindCode").Int(d.KindCode);
        w.Key("Field11").Int(d.Field11);
        w.Key("Field12").String(d.Field12);
        w.Key("Field13").Int(d.Field13);
        w.Key("Field14").String(d.Field14);
        w.Key("Field15").String(d.Field15);
        w.EndObject();
    }
    w.EndArray();
}

void DumpSt(JsonWriter& w, const CourseData& c) {
    w.Key("StTable").BeginObject();
    for (int n = 1; n <= CourseData::kMaxStRecords; ++n) {
        if (const StRecord* r = c.St(n)) {
            w.Key(std::to_string(n)).BeginObject();
            w.Key("StHead").String(r->StHead);
            w.Key("StBody").String(r->StBody);
            w.Key("StTail").String(r->StTail);
            w.EndObject();
        }
    }
    w.EndObject();
}

void DumpFaults(JsonWriter& w, const std::vector<LoadFault>& faults) {
    w.Key("Faults").BeginArray();
    for (const auto& f : faults) {
        w.BeginObject();
        w.Key("file").String(f.file);
        w.Key("line").Int(f.line);
        w.Key("message").String(f.message);
        w.EndObject();
    }
    w.EndArray();
}

} // namespace

std::string CourseDumpJson(const CourseData& c, const std::vector<LoadFault>& faults) {
    JsonWriter w;
    w.BeginObject();
    w.Key("FontCharset").Int(c.FontCharset);
    DumpTopics(w, c);
    DumpNumbered(w, "TextTable", c.TextTable);
    DumpNumbered(w, "HintTable", c.HintTable);
    w.Key("InstructionTable").BeginArray();
    for (const auto& i : c.InstructionTable) {
        w.BeginObject().Key("number").Int(i.number).Key("text").String(i.text).EndObject();
    }
    w.EndArray();
    DumpSteering(w, c);
    DumpData(w, c);
    DumpSt(w, c);
    w.Key("RevealIndex").BeginArray();
    for (const auto& r : c.RevealIndex) {
        w.BeginObject().Key("name").String(r.name).Key("value").String(r.value).EndObject();
    }
    w.EndArray();
    DumpFaults(w, faults);
    w.EndObject();
    return w.Text() + "\n";
}

std::string PointsDumpJson(std::string_view bytes) {
    JsonWriter w;
    w.BeginArray();
    for (const auto& row : DecodePointsFile(bytes, std::numeric_limits<std::size_t>::max())) {
        w.BeginObject();
        w.Key("Name").String(row.Name);
        w.Key("Number").Int(row.Number);
        w.Key("Points").Int(row.Points);
        w.Key("Done").Int(row.Done ? 1 : 0);
        w.EndObject();
    }
    w.EndArray();
    return w.Text() + "\n";
}

} // namespace lumora
