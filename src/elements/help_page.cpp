#include "help_page.h"

#include "platform/message_box.h"
#include "platform/text_helpers.h"

#include <array>
#include <utility>

namespace lumora {
namespace {

// Tried in this order against the text in lower case.
constexpr std::array<std::string_view, 6> kHelpMarks = {"<br>", "@", "<i>", "</i>", "<b>", "</b>"};

// The mark the text starts with, compared without regard to case; empty when
// it starts with none.
std::string_view MarkAt(std::string_view text) {
    for (std::string_view mark : kHelpMarks) {
        if (text.size() < mark.size()) {
            continue;
        }
        bool same = true;
        for (std::size_t k = 0; k < mark.size() && same; ++k) {
            const char c = text[k];
            same = (c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) == mark[k];
        }
        if (same) {
            return mark;
        }
    }
    return {};
}

} // namespace

void HelpPage::AddWord(std::string word) {
    if (HelpWordCount() >= kMaxHelpWords) {
        // One message for the whole text, not one per word left out.
        if (!warned_) {
            warned_ = true;
            ShowMessage(kTooManyHelpWordsMessage);
        }
        return;
    }
    words_.push_back(std::move(word));
}

void HelpPage::SplitHelpText(std::string_view text) {
    words_.clear();
    warned_ = false;
    const std::string trimmed = Trim(text);
    text = trimmed;
    std::string current;
    std::size_t i = 0;
    while (i < text.size()) {
        // A "<", ">" or "@" that starts no mark is an ordinary character.
        const std::string_view mark = MarkAt(text.substr(i));
        if (!mark.empty()) {
            if (!current.empty()) {
                AddWord(std::exchange(current, {}));
            }
            AddWord(std::string(mark));
            i += mark.size();
        } else {
            current += text[i];
            ++i;
        }
        if (i < text.size() && text[i] == ' ') {
            AddWord(std::exchange(current, {}));
            ++i;
        }
    }
    if (!current.empty()) {
        AddWord(std::move(current));
    }
    HelpScrollLine = 0;
    HelpNeedsLayout = true;
}

ScrollArrows HelpPage::ScrollDown() {
    if (HelpScrollLine < HelpMaxScroll) {
        ++HelpScrollLine;
    }
    return {true, HelpScrollLine < HelpMaxScroll};
}

ScrollArrows HelpPage::ScrollUp() {
    if (HelpScrollLine > 0) {
        --HelpScrollLine;
    }
    return {HelpScrollLine > 0, true};
}

std::string HelpPage::ReadAloud() const {
    std::string text;
    for (const std::string& word : words_) {
        if (word.empty() || MarkAt(word) == word) {
            continue;
        }
        text += (text.empty() ? "" : " ") + word;
    }
    return text;
}

} // namespace lumora
