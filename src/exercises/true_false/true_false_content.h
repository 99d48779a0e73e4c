#pragma once
// The content of a true/false exercise: the headings of the "true" and the
// "false" column and two to fourteen statements, each true or false; the
// shuffle of the statements.
#include <string>
#include <variant>
#include <vector>

namespace lumora {

struct TrueFalseStatement {
    std::string text;
    bool truth = false;
    friend bool operator==(const TrueFalseStatement&, const TrueFalseStatement&) = default;
};

struct TrueFalseContent {
    std::string trueHeading;
    std::string falseHeading;
    std::vector<TrueFalseStatement> statements;
};

inline constexpr int kMinStatements = 2;
inline constexpr int kMaxStatements = 14;

// Parses a record's body (its first three characters are not content): the
// two headings, then the statements, every field ended by "#". A heading of
// one blank stands for "Prawda" or "Fałsz"; a statement that begins with "T_"
// is true. An error text says what is wrong when the content cannot be used.
std::variant<TrueFalseContent, std::string> ParseTrueFalseContent(const std::string& body);

// Shuffles the statements, each keeping its truth: as many exchanges as there
// are statements. Reseeds the generator once.
void ShuffleStatements(TrueFalseContent& content);

} // namespace lumora
