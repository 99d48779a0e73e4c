#pragma once
// The word search file "Pseudo\<content>.txt": a header line of fields, each
// ended by "=" (a number not used, C letters per row, R rows, W words, then
// the W words), the R grid rows and one line that is skipped. The file is
// read to its end; a later puzzle replaces the one before.
#include "course/course_data.h"
#include "course/load_report.h"

#include <string>
#include <variant>
#include <vector>

namespace lumora {

inline constexpr int kWordSearchMaxSize = 15; // C, R and W

struct WordSearchPuzzle {
    int columns = 0;
    int rows = 0;
    std::vector<std::string> words;
    // grid[r][c] (0-based) is the letter of row r + 1, column c + 1.
    std::vector<std::vector<std::string>> grid;
    int headerLine = 0; // the line of the puzzle's header, 1-based
    // Grid rows shorter than announced, or missing at the file's end: their
    // cells are empty.
    std::vector<LoadFault> shortLines;
};

std::string WordSearchFile(const std::string& content);

// Reads the puzzle of a file's lines. A fault names the line: a C, R or W
// that is not a number or lies outside 1..15 (W: 0..15), as the grid and its
// frames hold 15, or a file without a puzzle. A grid row shorter than C or a
// file that ends inside a grid is no fault: the missing cells stay empty.
std::variant<WordSearchPuzzle, LoadFault> ParseWordSearch(const std::vector<std::string>& lines,
                                                          const std::string& file);

// Reads the lesson's file; a file that cannot be opened comes back as its fault.
std::variant<WordSearchPuzzle, LoadFault> ReadWordSearch(const CourseData& course,
                                                         const std::string& content);

} // namespace lumora
