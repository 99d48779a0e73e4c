#include "true_false_content.h"

#include "exercises/common/swap_shuffle.h"
#include "platform/random.h"
#include "platform/text_helpers.h"

#include <utility>

namespace lumora {
namespace {

// Takes the text before the next "#" and removes it with the "#"; false when
// no "#" is left.
bool TakeField(std::string& rest, std::string& field) {
    const auto hash = rest.find('#');
    if (hash == std::string::npos) {
        return false;
    }
    field = rest.substr(0, hash);
    rest.erase(0, hash + 1);
    return true;
}

std::string Heading(const std::string& field, const char* standard) {
    return field == " " ? std::string(standard) : field;
}

} // namespace

std::variant<TrueFalseContent, std::string> ParseTrueFalseContent(const std::string& body) {
    TrueFalseContent content;
    std::string rest = DropChars(body, 3);
    std::string first, second;
    if (!TakeField(rest, first) || !TakeField(rest, second)) {
        return std::string("The two headings must each end with \"#\".");
    }
    content.trueHeading = Heading(first, "Prawda");
    content.falseHeading = Heading(second, "Fałsz");
    while (!Trim(rest).empty()) {
        const std::size_t n = content.statements.size() + 1;
        if (n > kMaxStatements) {
            return "More than " + std::to_string(kMaxStatements) + " statements.";
        }
        std::string field;
        if (!TakeField(rest, field)) {
            return "Statement " + std::to_string(n) + " does not end with \"#\".";
        }
        TrueFalseStatement statement;
        statement.truth = field.starts_with("T_");
        statement.text = Trim(statement.truth ? field.substr(2) : field);
        content.statements.push_back(std::move(statement));
    }
    if (content.statements.size() < kMinStatements) {
        return "At least " + std::to_string(kMinStatements) + " statements are needed.";
    }
    return content;
}

void ShuffleStatements(TrueFalseContent& content) {
    Randomize();
    auto& s = content.statements;
    const int count = static_cast<int>(s.size());
    SwapShuffle(count, count, [&s](int a, int b) {
        std::swap(s[static_cast<std::size_t>(a)], s[static_cast<std::size_t>(b)]);
    });
}

} // namespace lumora
