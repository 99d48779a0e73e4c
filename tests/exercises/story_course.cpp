#include "story_course.h"

#include "platform/text_file.h"

#include <QImage>

namespace lumora::test {
namespace {

// ini.t entries are numbered by their line; the screens read texts 15 and 16
// and hints 36 to 40.
std::vector<std::string> Entries(int count, const char* marker) {
    std::vector<std::string> lines;
    for (int n = 1; n <= count; ++n) {
        lines.push_back(std::to_string(n) + "==text " + std::to_string(n));
    }
    lines.push_back(marker);
    return lines;
}

} // namespace

StoryCourse::StoryCourse() {
    WriteFiles();
    UseLesson(Lesson{});
}

void StoryCourse::WriteFiles() const {
    builder.Write("ini.t", IniText(Entries(20, "*** hinty"), Entries(40, "*** end")));
    // Each story kind has its instruction text and its spoken instruction.
    std::string instructions;
    for (int code = 35; code <= 39; ++code) {
        instructions += std::to_string(code) + "==Instruction " + std::to_string(code) + ".\n";
        builder.Folder().WriteBytes("course/Polecenia/" + std::to_string(code) + ".wav", "RIFF");
    }
    builder.Write("Polecenia/polecenia.txt", instructions);
    WritePicture("gfx/blank_tlo.bmp", 800, 600);
    WritePicture("gfx/statystyka.bmp", 277, 134);
    WritePicture("gfx/polecenie.bmp", 448, 225);
    WritePicture("tla/kuchnia.bmp", 800, 600);
    WritePicture("Teksty_wav/kot.bmp", 352, 288);
    for (const char* sound :
         {"Teksty_wav/roz_kuchnia.wav", "Teksty_wav/kot.mpg", "Teksty_wav/pies.wav",
          "Polecenia/rozumienie/help1.wav", "wav/Ok_1.wav", "wav/No_1.wav"}) {
        builder.Folder().WriteBytes(std::string("course/") + sound, "RIFF");
    }
}

void StoryCourse::WritePicture(const std::string& relative, int width, int height) const {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(200, 210, 230));
    builder.Folder().MakeFolder("course/" + relative.substr(0, relative.rfind('/')));
    image.save(QString::fromStdString(builder.DataRoot() + relative), "BMP");
}

void StoryCourse::UseLesson(const Lesson& lesson) {
    builder.Write("Steruj.t", "kuchnia=1=" + std::to_string(lesson.code) + "=" + lesson.background +
                                  "=Story=x=" + lesson.layout + "==\n");
    builder.Write("St.t", lesson.head + "\n" + lesson.body + "\nthe record's note\n");
    course = builder.Load();
    session = Session{};
    session.settings = builder.Settings();
    session.lesson.CurrentTopic = "kuchnia";
    session.lesson.CurrentRow = 1;
    session.lesson.CurrentContent = "1";
    session.lesson.CurrentCode = lesson.code;
    session.CurrentUserFolder = builder.UserFolder();
    session.points.InitPointsFromSteering(course);
}

std::string StoryCourse::CourseFile(const std::string& relative) const {
    return course.DataPath(relative);
}

::testing::AssertionResult StoryCourse::RecordedAsDone(int points) const {
    const auto bytes = ReadFileBytes(builder.UserFolder() + kPointsFile);
    const auto saved = bytes ? DecodePointsFile(*bytes, 10) : std::vector<PointsRow>{};
    if (saved.size() != 1) {
        return ::testing::AssertionFailure() << saved.size() << " records";
    }
    const PointsRow& row = saved[0];
    if (row.Name != "1" || row.Number != session.lesson.CurrentCode || row.Points != points ||
        !row.Done) {
        return ::testing::AssertionFailure() << "lesson " << row.Name << ", code " << row.Number
                                             << ", " << row.Points << " points, done " << row.Done;
    }
    return ::testing::AssertionSuccess();
}

} // namespace lumora::test
