#include "screen_course.h"

#include <QImage>

#include <map>

namespace lumora::test {

namespace {

// Entries are numbered by their order in the file: entry n is line n.
std::vector<std::string> Numbered(int count, const std::map<int, std::string>& given,
                                  const char* marker) {
    std::vector<std::string> lines;
    for (int n = 1; n <= count; ++n) {
        const auto it = given.find(n);
        lines.push_back(std::to_string(n) +
                        "==" + (it != given.end() ? it->second : "entry " + std::to_string(n)));
    }
    lines.push_back(marker);
    return lines;
}

} // namespace

ScreenCourse::ScreenCourse() {
    builder.Write("ini.t", IniText(Numbered(21,
                                            {{15, "Punkty:"},
                                             {16, "Razem:"},
                                             {17, "Zestaw dźwięków:"},
                                             {18, "1"},
                                             {19, "2"},
                                             {20, "3"},
                                             {21, "Losowo"}},
                                            "*** hinty"),
                                   Numbered(35, {{34, "Tak"}, {35, "Nie"}}, "*** end")));
    WritePicture("gfx/question1.bmp", 246, 138);
    WritePicture("gfx/informacja.bmp", 455, 101);
    course = builder.Load();
    session.settings = builder.Settings();
}

void ScreenCourse::WritePicture(const std::string& relative, int width, int height) const {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(30, 60, 120));
    builder.Folder().MakeFolder("course/gfx");
    image.save(QString::fromStdString(builder.DataRoot() + relative), "BMP");
}

std::string ScreenCourse::SettingsFile() const {
    return builder.Folder().ReadBytes("user/ini_hdd.t");
}

} // namespace lumora::test
