#include "drag_drop_content.h"

#include "exercises/common/swap_shuffle.h"
#include "platform/text_helpers.h"

#include <optional>

namespace lumora {
namespace {

// Takes the text up to the next "#" and the "#" itself from the front of
// rest; nothing when there is no "#".
std::optional<std::string> TakeItem(std::string& rest) {
    const auto hash = rest.find('#');
    if (hash == std::string::npos) {
        return std::nullopt;
    }
    std::string item = rest.substr(0, hash);
    rest.erase(0, hash + 1);
    return item;
}

// A count item (columns or rows) within 1..limit; throws ConversionError
// when it is not a number.
std::variant<int, std::string> TakeCount(std::string& rest, const char* what, int limit) {
    const auto item = TakeItem(rest);
    if (!item) {
        return std::string("The number of ") + what + " does not end with \"#\".";
    }
    const int n = StrictInt(*item);
    if (n < 1 || n > limit) {
        return std::string("The number of ") + what + " is " + std::to_string(n) +
               "; it must be 1 to " + std::to_string(limit) + ".";
    }
    return n;
}

std::string WordFault(std::size_t w, const std::string& what) {
    return "Word " + std::to_string(w) + ": " + what;
}

// One word written as text*c#, with c a single digit naming a column: the
// word is the text before the "*", trimmed (a "#" in it included), and the
// digit and the character after it, normally the "#", are taken; the last
// word may lack that "#".
std::variant<TableWord, std::string> TakeWord(std::string& rest, std::size_t w, int columns) {
    const auto star = rest.find('*');
    if (star == std::string::npos) {
        return WordFault(w, "it has no \"*\" before its column.");
    }
    if (rest.size() < star + 2) {
        return WordFault(w, "it has no column after its \"*\".");
    }
    TableWord word{Trim(rest.substr(0, star)), StrictInt(rest.substr(star + 1, 1))};
    if (word.column < 1 || word.column > columns) {
        return WordFault(w, "its column " + std::to_string(word.column) + " is not one of the " +
                                std::to_string(columns) + " columns.");
    }
    rest.erase(0, star + 3);
    return word;
}

std::variant<DragDropContent, std::string> Parse(std::string rest) {
    DragDropContent content;
    auto columns = TakeCount(rest, "columns", kMaxTableColumns);
    if (auto* error = std::get_if<std::string>(&columns)) {
        return *error;
    }
    auto rows = TakeCount(rest, "rows", kMaxTableRows);
    if (auto* error = std::get_if<std::string>(&rows)) {
        return *error;
    }
    content.columns = std::get<int>(columns);
    content.rows = std::get<int>(rows);
    for (int c = 1; c <= content.columns; ++c) {
        auto header = TakeItem(rest);
        if (!header) {
            return "The header of column " + std::to_string(c) + " does not end with \"#\".";
        }
        content.headers.push_back(std::move(*header));
    }
    while (!Trim(rest).empty()) {
        if (content.words.size() == kMaxTableWords) {
            return "More than " + std::to_string(kMaxTableWords) + " words.";
        }
        auto word = TakeWord(rest, content.words.size() + 1, content.columns);
        if (auto* error = std::get_if<std::string>(&word)) {
            return *error;
        }
        content.words.push_back(std::move(std::get<TableWord>(word)));
    }
    if (content.words.empty()) {
        return std::string("The exercise has no words.");
    }
    return content;
}

} // namespace

std::variant<DragDropContent, std::string> ParseDragDropContent(const std::string& body) {
    try {
        return Parse(DropChars(body, 3));
    } catch (const ConversionError& e) {
        return std::string(e.what());
    }
}

void ShuffleWords(std::vector<TableWord>& words) {
    const int n = static_cast<int>(words.size());
    SwapShuffle(n, 2 * n, [&](int a, int b) {
        std::swap(words[static_cast<std::size_t>(a)], words[static_cast<std::size_t>(b)]);
    });
}

} // namespace lumora
