#include "crossword_check.h"

#include "crossword_list.h"
#include "platform/path_resolver.h"
#include "platform/text_file.h"

#include <algorithm>
#include <set>

namespace lumora {
namespace {

bool PlainLetters(const std::string& word) {
    return std::all_of(word.begin(), word.end(), [](char ch) {
        return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
    });
}

void CheckLine(const CourseData& course, const CrosswordList& list, const CrosswordLine& line,
               std::vector<LoadFault>& faults) {
    if (!line.hasEquals) {
        faults.push_back({list.file, line.line, "The line is not a picture, \"=\" and a word."});
        return;
    }
    if (!Drawable(line)) {
        return; // never drawn
    }
    if (!PlainLetters(line.word)) {
        faults.push_back({list.file, line.line,
                          "The word \"" + line.word +
                              "\" holds characters other than the letters A to Z, "
                              "which cannot be typed."});
    }
    if (!FileExists(course.DataPath(list.folder + line.picture))) {
        faults.push_back(
            {list.file, line.line,
             "The picture \"" + ToSlashes(list.folder + line.picture) + "\" does not exist."});
    }
}

void CheckList(const CourseData& course, const std::string& topic, std::vector<LoadFault>& faults) {
    const auto read = ReadCrosswordList(course, topic);
    if (const auto* fault = std::get_if<LoadFault>(&read)) {
        faults.push_back(*fault);
        return;
    }
    const CrosswordList& list = std::get<CrosswordList>(read);
    for (const auto& line : list.lines) {
        if (!line.blank) {
            CheckLine(course, list, line, faults);
        }
    }
    if (list.totalLines > kCrosswordMaxLines) {
        faults.push_back({list.file, kCrosswordMaxLines + 1,
                          "More than 100 lines; the crossword reads only the first 100."});
    }
    if (std::none_of(list.lines.begin(), list.lines.end(), Drawable)) {
        faults.push_back({list.file, 0, "The list holds no word of 4 to 12 letters."});
    }
}

} // namespace

std::vector<LoadFault> CheckCrosswords(const CourseData& course) {
    std::vector<LoadFault> faults;
    std::set<std::string> topics;
    for (const auto& row : course.SteeringTable) {
        if (row.Code == kCrosswordCode && topics.insert(row.TopicFolder).second) {
            CheckList(course, row.TopicFolder, faults);
        }
    }
    return faults;
}

} // namespace lumora
