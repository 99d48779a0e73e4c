#pragma once
// The content of a definitions exercise: up to 12 items, each a word and
// the definition it belongs to, written word*definition#word*definition#...
// The definition may switch bold and italic with <B> </B> <I> </I> written as
// words of their own.
#include <string>
#include <variant>
#include <vector>

namespace lumora {

inline constexpr int kMaxDefinitions = 12;

struct DefinitionItem {
    std::string word;       // as written, not trimmed
    std::string definition; // as written, not trimmed
    friend bool operator==(const DefinitionItem&, const DefinitionItem&) = default;
};

// Parses a record's body (its first three characters are not content); the
// error text says what is wrong.
std::variant<std::vector<DefinitionItem>, std::string>
ParseDefinitionsContent(const std::string& body);

} // namespace lumora
