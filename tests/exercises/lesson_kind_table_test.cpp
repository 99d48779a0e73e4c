// The lesson-kind table of src/exercises/DESIGN.md says what the code does:
// each row's codes, section, hint, data rows, screen and roster place are
// those of the lesson-kind table and the screen catalogue, and every code
// the catalogue opens has its row.
#include "course/lesson_kinds.h"
#include "exercises/catalogue.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace lumora {
namespace {

struct TableRow {
    std::vector<int> codes;
    std::string section; // the first word of the section column
    std::string hint;
    bool dataRows = false;
    std::string screen;
    int rosterPlace = 0;
    std::string text; // the row as written, for the failure message
};

std::vector<std::string> Cells(const std::string& line) {
    std::vector<std::string> cells;
    std::stringstream in(line.substr(1));
    std::string cell;
    while (std::getline(in, cell, '|')) {
        const auto first = cell.find_first_not_of(' ');
        const auto last = cell.find_last_not_of(' ');
        cells.push_back(first == std::string::npos ? "" : cell.substr(first, last - first + 1));
    }
    return cells;
}

// "30" or "1-4".
std::vector<int> Codes(const std::string& cell) {
    const auto dash = cell.find('-');
    const int from = std::stoi(cell.substr(0, dash));
    const int to = dash == std::string::npos ? from : std::stoi(cell.substr(dash + 1));
    std::vector<int> codes;
    for (int code = from; code <= to; ++code) {
        codes.push_back(code);
    }
    return codes;
}

std::vector<TableRow> DesignTable() {
    std::ifstream file(LUMORA_SOURCE_DIR "/src/exercises/DESIGN.md");
    std::vector<TableRow> rows;
    std::string line;
    const std::regex screen("`(\\w+)`");
    while (std::getline(file, line)) {
        if (line.empty() || line[0] != '|' || !std::isdigit(static_cast<unsigned char>(line[2]))) {
            continue;
        }
        const std::vector<std::string> cells = Cells(line);
        if (cells.size() < 7) {
            continue;
        }
        TableRow row;
        row.text = line;
        row.codes = Codes(cells[0]);
        row.section = cells[2].substr(0, cells[2].find(' '));
        row.hint = cells[3];
        row.dataRows = cells[4] == "yes";
        std::smatch match;
        if (std::regex_search(cells[5], match, screen)) {
            row.screen = match[1];
        }
        row.rosterPlace = std::stoi(cells[6]);
        rows.push_back(row);
    }
    return rows;
}

// "53", "56-59" (a hint per code, in order) or "none".
std::string HintOf(const std::vector<int>& codes) {
    const int first = LessonKindOf(codes.front()).hint;
    const int last = LessonKindOf(codes.back()).hint;
    if (first == 0) {
        return "none";
    }
    return first == last ? std::to_string(first)
                         : std::to_string(first) + "-" + std::to_string(last);
}

TEST(LessonKindTable, EveryRowSaysWhatTheCodeDoes) {
    const std::vector<TableRow> rows = DesignTable();
    ASSERT_GE(rows.size(), 10u) << "the table was not found";
    for (const TableRow& row : rows) {
        for (int code : row.codes) {
            const LessonKind& kind = LessonKindOf(code);
            EXPECT_EQ(kind.code, code) << row.text;
            EXPECT_EQ(SectionName(kind.section), row.section) << row.text;
            EXPECT_EQ(kind.selectsDataRows, row.dataRows) << row.text;
            const ScreenEntry* entry = ScreenFor(code);
            ASSERT_NE(entry, nullptr) << row.text;
            EXPECT_EQ(entry->name, row.screen) << row.text;
            EXPECT_EQ(entry->rosterPlace, row.rosterPlace) << row.text;
        }
        EXPECT_EQ(HintOf(row.codes), row.hint) << row.text;
    }
}

TEST(LessonKindTable, EveryCodeACatalogueScreenOpensHasItsRow) {
    std::set<int> listed;
    for (const TableRow& row : DesignTable()) {
        listed.insert(row.codes.begin(), row.codes.end());
    }
    for (const ScreenEntry& entry : ScreenCatalogue()) {
        for (int code : entry.codes) {
            EXPECT_TRUE(listed.count(code)) << "code " << code << " of " << entry.name;
        }
    }
}

} // namespace
} // namespace lumora
