#include "crossword_list.h"

#include "course/course_loaders.h"
#include "platform/cp1250.h"
#include "platform/path_resolver.h"
#include "platform/text_helpers.h"

namespace lumora {

std::string CrosswordFolder(const std::string& topic) {
    return "krzyzowka\\" + topic + "\\";
}

CrosswordList ParseCrosswordList(const std::vector<std::string>& lines) {
    CrosswordList list;
    list.totalLines = static_cast<int>(lines.size());
    for (std::size_t i = 0; i < lines.size() && i < kCrosswordMaxLines; ++i) {
        CrosswordLine entry;
        entry.line = static_cast<int>(i + 1);
        entry.blank = Trim(lines[i]).empty();
        const auto eq = lines[i].find('=');
        // A line without "=" names neither a picture nor a word.
        if (eq != std::string::npos) {
            entry.hasEquals = true;
            entry.picture = Trim(lines[i].substr(0, eq));
            entry.word = Trim(lines[i].substr(eq + 1));
            entry.length = static_cast<int>(Utf8Length(entry.word));
        }
        list.lines.push_back(std::move(entry));
    }
    return list;
}

std::variant<CrosswordList, LoadFault> ReadCrosswordList(const CourseData& course,
                                                         const std::string& topic) {
    const std::string relative = CrosswordFolder(topic) + "slowka.txt";
    std::variant<CrosswordList, LoadFault> result = LoadFault{};
    LoadReport report([&](const LoadFault& fault) { result = fault; }, false);
    if (auto lines = ReadCourseLines(course, relative.c_str(), report, FileRule::Required)) {
        CrosswordList list = ParseCrosswordList(*lines);
        list.folder = CrosswordFolder(topic);
        list.file = ToSlashes(relative);
        result = std::move(list);
    }
    return result;
}

bool Drawable(const CrosswordLine& line) {
    return line.length >= kCrosswordShortestWord && line.length <= kCrosswordLongestWord;
}

} // namespace lumora
