#include "word_search_check.h"

#include "platform/path_resolver.h"
#include "platform/text_helpers.h"

#include <set>

namespace lumora {
namespace {

// The letters from (r, c) on, step (dr, dc), as long as the word, or less at
// the grid's edge.
std::string ReadRun(const WordSearchPuzzle& p, int r, int c, int dr, int dc, std::size_t count) {
    std::string text;
    for (std::size_t k = 0; k < count && r < p.rows && c < p.columns; ++k, r += dr, c += dc) {
        text += p.grid[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
    }
    return LowerAZ(text);
}

} // namespace

bool GridHides(const WordSearchPuzzle& puzzle, const std::string& word) {
    const std::string wanted = LowerAZ(word);
    if (wanted.empty()) {
        return false;
    }
    for (int r = 0; r < puzzle.rows; ++r) {
        for (int c = 0; c < puzzle.columns; ++c) {
            // A run of as many cells as the word has bytes holds at least its
            // characters; compare the leading ones.
            for (const auto& [dr, dc] : {std::pair{0, 1}, std::pair{1, 0}}) {
                const std::string run = ReadRun(puzzle, r, c, dr, dc, wanted.size());
                if (run.starts_with(wanted)) {
                    return true;
                }
            }
        }
    }
    return false;
}

std::vector<LoadFault> CheckWordSearches(const CourseData& course) {
    std::vector<LoadFault> faults;
    std::set<std::string> contents;
    for (const auto& row : course.SteeringTable) {
        if (row.Code != kWordSearchCode || !contents.insert(row.Content).second) {
            continue;
        }
        const auto read = ReadWordSearch(course, row.Content);
        if (const auto* fault = std::get_if<LoadFault>(&read)) {
            faults.push_back(*fault);
            continue;
        }
        const auto& puzzle = std::get<WordSearchPuzzle>(read);
        for (const LoadFault& gap : puzzle.shortLines) {
            faults.push_back({gap.file, gap.line, gap.message + " The missing letters stay empty.",
                              FaultKind::Warning});
        }
        for (const auto& word : puzzle.words) {
            if (!GridHides(puzzle, word)) {
                faults.push_back({ToSlashes(WordSearchFile(row.Content)), puzzle.headerLine,
                                  "The grid does not hide the word \"" + word + "\"."});
            }
        }
    }
    return faults;
}

} // namespace lumora
