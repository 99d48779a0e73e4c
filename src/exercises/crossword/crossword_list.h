#pragma once
// The crossword's word list: "krzyzowka\<topic>\slowka.txt", one picture and
// one word per line ("picture=word"), at most 100 lines.
#include "course/course_data.h"
#include "course/load_report.h"

#include <string>
#include <variant>
#include <vector>

namespace lumora {

inline constexpr int kCrosswordMaxLines = 100;
inline constexpr int kCrosswordShortestWord = 4;
inline constexpr int kCrosswordLongestWord = 12;

struct CrosswordLine {
    int line = 0;       // 1-based line of the file
    bool blank = false; // empty after trimming
    bool hasEquals = false;
    std::string picture; // file name in the topic's crossword folder
    std::string word;
    int length = 0; // characters of the word
};

struct CrosswordList {
    std::string folder; // course-relative folder of the list and its pictures, ending in '\'
    std::string file;   // the list's name as faults report it
    std::vector<CrosswordLine> lines; // the first kCrosswordMaxLines lines
    int totalLines = 0;               // lines in the file, those past the limit included
};

// Course-relative folder of a topic's crossword, ending in '\'.
std::string CrosswordFolder(const std::string& topic);

// Splits lines of the list into pictures and words; lines past the limit are
// counted but not kept.
CrosswordList ParseCrosswordList(const std::vector<std::string>& lines);

// Reads the topic's list; a file that cannot be opened comes back as its fault.
std::variant<CrosswordList, LoadFault> ReadCrosswordList(const CourseData& course,
                                                         const std::string& topic);

// Whether the word can be drawn: 4 to 12 characters.
bool Drawable(const CrosswordLine& line);

} // namespace lumora
