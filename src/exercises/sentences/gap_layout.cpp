#include "gap_layout.h"

#include "platform/text_helpers.h"
#include "sentence_text.h"

namespace lumora {
namespace {

const std::string kNone;

const std::string& TokenAt(const std::vector<std::string>& tokens, std::size_t i) {
    return i < tokens.size() ? tokens[i] : kNone;
}

// A blank follows a token unless the next one attaches to it.
std::string SeparatorBefore(const std::string& follower) {
    if (!follower.empty() && std::string_view("',;.").find(follower[0]) != std::string_view::npos) {
        return "";
    }
    return " ";
}

bool EndsSentence(const std::string& token) {
    return token == "." || token == "?";
}

class Layouter {
  public:
    Layouter(int frameWidth, int lineHeight, const TextWidth& width)
        : frameWidth_(frameWidth), lineHeight_(lineHeight), width_(width) {}

    void Place(const std::string& t, const std::string& f1, const std::string& f2) {
        const std::string sep = SeparatorBefore(f1);
        const bool opensGap = t == "<" && gap_ < kMaxGaps;
        int w = inGap_ ? 0 : width_(t + sep);
        // A "." or "?" never starts a line by itself, so the word before
        // it stays where it is. A field is as wide as it is wide.
        const int needed = opensGap && !inGap_ ? kGapFieldWidth : w;
        if (!inGap_ && x_ > 0 && x_ + needed > frameWidth_ - kFrameMargin && t != "." &&
            !EndsSentence(f1) && !EndsSentence(f2)) {
            NewLine();
        }
        if (inGap_) {
            if (t == ">") {
                layout_.fields[static_cast<std::size_t>(gap_ - 1)].answer = Trim(gapText_);
                inGap_ = false;
                x_ += kAfterGap;
            } else {
                gapText_ += t + sep;
            }
            return;
        }
        if (t == "@") {
            if (x_ > 0) {
                NewLine();
            }
            return;
        }
        if (opensGap) {
            GapField& field = layout_.fields[static_cast<std::size_t>(gap_++)];
            field = GapField{true, x_, y_ - kFieldRaise, {}};
            gapText_.clear();
            inGap_ = true;
            x_ += kGapFieldWidth;
            return;
        }
        if (t == "<" || t == ">") {
            return;
        }
        layout_.words.push_back({x_, y_, t});
        x_ += w;
    }

    GapLayout Take() { return std::move(layout_); }

  private:
    void NewLine() {
        y_ += lineHeight_;
        x_ = 0;
    }

    int frameWidth_;
    int lineHeight_;
    const TextWidth& width_;
    GapLayout layout_;
    int x_ = 0;
    int y_ = 0;
    int gap_ = 0;
    bool inGap_ = false;
    std::string gapText_;
};

} // namespace

GapLayout LayOutGaps(const std::vector<std::string>& tokens, int frameWidth, int lineHeight,
                     const TextWidth& width) {
    Layouter layouter(frameWidth, lineHeight, width);
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        layouter.Place(tokens[i], TokenAt(tokens, i + 1), TokenAt(tokens, i + 2));
    }
    return layouter.Take();
}

std::array<std::string, 3> GapAnswers(const std::vector<std::string>& tokens) {
    const TextWidth none = [](const std::string&) { return 0; };
    const GapLayout layout = LayOutGaps(tokens, 0, 0, none);
    std::array<std::string, 3> answers;
    for (std::size_t g = 0; g < answers.size(); ++g) {
        answers[g] = layout.fields[g].answer;
    }
    return answers;
}

bool GapsRight(const std::array<std::string, 3>& answers,
               const std::array<std::string, 3>& entries) {
    for (std::size_t g = 0; g < answers.size(); ++g) {
        if (!answers[g].empty() && Trim(answers[g]) != Trim(entries[g])) {
            return false;
        }
    }
    return true;
}

} // namespace lumora
