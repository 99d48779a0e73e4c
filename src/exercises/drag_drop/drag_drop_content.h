#pragma once
// The content of a drag-and-drop exercise: a table of 1 to 8 columns with
// 1 to 19 body rows, a header per column, and up to 40 words, each with the
// column it belongs in. Written as C#R#header#...#word*c#word*c#...
#include <string>
#include <variant>
#include <vector>

namespace lumora {

inline constexpr int kMaxTableColumns = 8;
inline constexpr int kMaxTableRows = 19;
inline constexpr int kMaxTableWords = 40;

struct TableWord {
    std::string text;
    int column = 0; // the right column, 1..columns
    friend bool operator==(const TableWord&, const TableWord&) = default;
};

struct DragDropContent {
    int columns = 0;
    int rows = 0; // body rows, below the header row
    std::vector<std::string> headers;
    std::vector<TableWord> words;
};

// Parses a record's body (its first three characters are not content). The
// error text says what is wrong when the content cannot make a table whose
// every word has a column to go to.
std::variant<DragDropContent, std::string> ParseDragDropContent(const std::string& body);

// 2 x N exchanges of two words (text and column together), drawn from the
// generator's current state. One word is left as it is.
void ShuffleWords(std::vector<TableWord>& words);

} // namespace lumora
