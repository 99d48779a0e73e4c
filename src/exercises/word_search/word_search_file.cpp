#include "word_search_file.h"

#include "course/course_loaders.h"
#include "platform/cp1250.h"
#include "platform/path_resolver.h"
#include "platform/text_helpers.h"

#include <algorithm>
#include <optional>

namespace lumora {
namespace {

std::vector<std::string> Characters(std::string_view text) {
    std::vector<std::string> out;
    std::size_t at = 0;
    while (at < text.size()) {
        std::string one = Utf8Prefix(text.substr(at), 1);
        if (one.empty()) {
            break;
        }
        at += one.size();
        out.push_back(std::move(one));
    }
    return out;
}

struct Header {
    int columns = 0, rows = 0, words = 0;
};

// The sizes of a header line; a fault when one is not a number or out of range.
std::variant<Header, LoadFault> ReadHeader(const std::string& line, const std::string& file,
                                           int lineNo) {
    const auto fields = SplitFields(line, 4);
    Header h;
    const char* names[] = {"C", "R", "W"};
    int* values[] = {&h.columns, &h.rows, &h.words};
    for (int k = 0; k < 3; ++k) {
        try {
            *values[k] = StrictInt(fields[static_cast<std::size_t>(k + 1)]);
        } catch (const ConversionError& e) {
            return LoadFault{file, lineNo, e.what()};
        }
        const int least = k == 2 ? 0 : 1;
        if (*values[k] < least || *values[k] > kWordSearchMaxSize) {
            return LoadFault{file, lineNo,
                             std::string(names[k]) + " is " + std::to_string(*values[k]) +
                                 "; it must lie between " + std::to_string(least) + " and " +
                                 std::to_string(kWordSearchMaxSize) + "."};
        }
    }
    return h;
}

bool OnlyBlankFrom(const std::vector<std::string>& lines, std::size_t from) {
    return std::all_of(lines.begin() + static_cast<std::ptrdiff_t>(from), lines.end(),
                       [](const std::string& l) { return Trim(l).empty(); });
}

} // namespace

std::string WordSearchFile(const std::string& content) {
    return "Pseudo\\" + content + ".txt";
}

std::variant<WordSearchPuzzle, LoadFault> ParseWordSearch(const std::vector<std::string>& lines,
                                                          const std::string& file) {
    std::optional<WordSearchPuzzle> last;
    std::size_t at = 0;
    // Blank lines after the last puzzle end the file.
    while (at < lines.size() && !OnlyBlankFrom(lines, at)) {
        const int headerLine = static_cast<int>(at + 1);
        auto header = ReadHeader(lines[at], file, headerLine);
        if (auto* fault = std::get_if<LoadFault>(&header)) {
            return *fault;
        }
        const Header& h = std::get<Header>(header);
        WordSearchPuzzle p;
        p.columns = h.columns;
        p.rows = h.rows;
        p.headerLine = headerLine;
        const auto fields = SplitFields(lines[at], 4 + h.words);
        p.words.assign(fields.begin() + 4, fields.end());
        // A short row or a file that ends inside the grid leaves the missing
        // cells empty: the puzzle still opens, and the checker warns.
        for (int r = 1; r <= h.rows; ++r) {
            const std::size_t index = at + static_cast<std::size_t>(r);
            if (index >= lines.size()) {
                p.shortLines.push_back({file, headerLine,
                                        "The puzzle announces " + std::to_string(h.rows) +
                                            " grid rows; the file ends after " +
                                            std::to_string(r - 1) + "."});
                p.grid.resize(static_cast<std::size_t>(h.rows),
                              std::vector<std::string>(static_cast<std::size_t>(h.columns)));
                break;
            }
            auto letters = Characters(lines[index]);
            if (static_cast<int>(letters.size()) < h.columns) {
                p.shortLines.push_back({file, static_cast<int>(index + 1),
                                        "The grid row has " + std::to_string(letters.size()) +
                                            " letters; the puzzle announces " +
                                            std::to_string(h.columns) + "."});
            }
            letters.resize(static_cast<std::size_t>(h.columns));
            p.grid.push_back(std::move(letters));
        }
        last = std::move(p);
        at += static_cast<std::size_t>(h.rows) + 2; // the grid and the line after it
    }
    if (!last) {
        return LoadFault{file, 0, "The file holds no puzzle."};
    }
    return *std::move(last);
}

std::variant<WordSearchPuzzle, LoadFault> ReadWordSearch(const CourseData& course,
                                                         const std::string& content) {
    const std::string relative = WordSearchFile(content);
    std::variant<WordSearchPuzzle, LoadFault> result = LoadFault{};
    LoadReport report([&](const LoadFault& fault) { result = fault; }, false);
    if (auto lines = ReadCourseLines(course, relative.c_str(), report, FileRule::Required)) {
        result = ParseWordSearch(*lines, ToSlashes(relative));
    }
    return result;
}

} // namespace lumora
