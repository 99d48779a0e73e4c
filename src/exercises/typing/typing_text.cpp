#include "typing_text.h"

#include "platform/text_helpers.h"

#include <algorithm>
#include <string_view>

namespace lumora {
namespace {

constexpr std::size_t kWidthSkip = 8;  // "szer_px="
constexpr std::size_t kEmptySkip = 10; // "puste_luk="
constexpr std::size_t kSettingLines = 3;

std::string LineAt(const std::vector<std::string>& lines, std::size_t i) {
    return i < lines.size() ? lines[i] : std::string();
}

// Words end at blanks, so an answer of two words is written joined: each
// "+" and the character after it stand for one blank ("ice+_cream" is
// "ice cream"). A "+" at the end has nothing to join and stays ("C+").
void JoinPlus(std::string& text) {
    for (auto plus = text.find('+'); plus != std::string::npos && plus + 1 < text.size();
         plus = text.find('+', plus + 1)) {
        text.replace(plus, 2, " ");
    }
}

struct Reader {
    TypingText text;
    std::string pendingPrefill;
    bool pending = false;

    // False when the text outgrows its word slots.
    bool Take(const std::string& word) {
        if (word.starts_with('*')) {
            pendingPrefill = word.substr(1);
            pending = true;
            return true;
        }
        if (text.words.size() == kMaxWordSlots) {
            return false;
        }
        TypingWord slot;
        slot.prefill = pending ? pendingPrefill : std::string();
        pending = false;
        if (word.starts_with('&')) {
            slot.gap = true;
            slot.gapNumber = static_cast<int>(text.answers.size());
            std::string answer, alternative;
            SplitAnswer(word.substr(1), answer, alternative);
            text.answers.push_back(answer);
            text.alternatives.push_back(alternative);
            slot.text = text.EmptyGaps ? std::string() : slot.prefill;
        } else {
            slot.text = word;
        }
        text.words.push_back(std::move(slot));
        return true;
    }

    bool TakeLine(const std::string& raw) {
        const std::string line = PrepareMarks(raw);
        std::string_view rest = line;
        while (!Trim(rest).empty()) {
            const auto blank = rest.find(' ');
            const std::string_view word = rest.substr(0, blank);
            rest.remove_prefix(blank == std::string_view::npos ? rest.size() : blank + 1);
            if (!Take(std::string(word))) {
                return false;
            }
        }
        return true;
    }
};

} // namespace

bool IsTypingMark(const std::string& text) {
    return std::any_of(std::begin(kTypingMarks), std::end(kTypingMarks),
                       [&text](const char* mark) { return text == mark; });
}

std::string PrepareMarks(std::string line) {
    for (const char* mark : kTypingMarks) {
        std::size_t at = line.find(mark);
        while (at != std::string::npos) {
            if (at > 0 && line[at - 1] == ' ') {
                break;
            }
            line.insert(at, 1, ' ');
            at = line.find(mark, at + 2);
        }
    }
    return line;
}

void SplitAnswer(const std::string& word, std::string& answer, std::string& alternative) {
    const std::string whole = Trim(word);
    const auto slash = whole.find('\\');
    answer = slash == std::string::npos ? whole : whole.substr(0, slash);
    alternative = slash == std::string::npos ? std::string() : whole.substr(slash + 1);
    JoinPlus(answer);
    JoinPlus(alternative);
}

std::variant<TypingText, TypingFault> ParseTypingText(const std::vector<std::string>& lines) {
    Reader reader;
    try {
        reader.text.GapWidth = StrictInt(DropChars(LineAt(lines, 0), kWidthSkip));
    } catch (const ConversionError& e) {
        return TypingFault{1, std::string("the gap width: ") + e.what()};
    }
    // Line 2, the title, is not used.
    reader.text.EmptyGaps = Trim(DropChars(LineAt(lines, 2), kEmptySkip)) == "1";
    for (std::size_t i = kSettingLines; i < lines.size(); ++i) {
        if (!reader.TakeLine(lines[i])) {
            return TypingFault{static_cast<int>(i + 1), "the text has more than " +
                                                            std::to_string(kMaxWordSlots) +
                                                            " words."};
        }
    }
    return std::move(reader.text);
}

std::string TypingFileName(const std::string& stBody) {
    return "wpisywania\\" + DropChars(stBody, 3) + ".fcs";
}

} // namespace lumora
