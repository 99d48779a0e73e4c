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

StoryCourse::StoryCourse()
    : savedCourse_(Course()), savedPoints_(CurrentPoints()),
      savedSound_(InstallSoundService(&sound)) {
    WriteFiles();
    UseLesson(Lesson{});
}

StoryCourse::~StoryCourse() {
    InstallSoundService(savedSound_);
    CurrentPoints() = savedPoints_;
    Course() = savedCourse_;
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
    Course() = builder.Load();
    Course().CurrentTopic = "kuchnia";
    Course().CurrentRow = 1;
    Course().CurrentContent = "1";
    Course().CurrentCode = lesson.code;
    Course().CurrentUserFolder = builder.UserFolder();
    CurrentPoints().InitPointsFromSteering(Course());
}

std::string StoryCourse::CourseFile(const std::string& relative) const {
    return Course().DataPath(relative);
}

::testing::AssertionResult StoryCourse::RecordedAsDone(int points) const {
    const auto bytes = ReadFileBytes(builder.UserFolder() + kPointsFile);
    const auto saved = bytes ? DecodePointsFile(*bytes, 10) : std::vector<PointsRow>{};
    if (saved.size() != 1) {
        return ::testing::AssertionFailure() << saved.size() << " records";
    }
    const PointsRow& row = saved[0];
    if (row.Name != "1" || row.Number != Course().CurrentCode || row.Points != points ||
        !row.Done) {
        return ::testing::AssertionFailure() << "lesson " << row.Name << ", code " << row.Number
                                             << ", " << row.Points << " points, done " << row.Done;
    }
    return ::testing::AssertionSuccess();
}

} // namespace lumora::test
