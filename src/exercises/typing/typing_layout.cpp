#include "typing_layout.h"

#include "platform/text_helpers.h"

#include <algorithm>

namespace lumora {
namespace {

constexpr int kRaise = 4;
constexpr int kWrapMargin = 15;
constexpr int kExclamationLeft = 4; // the picture stands this far left of the gap
constexpr std::size_t kMaxUnderscores = 400;

struct Flow {
    Flow(const MeasureText& m, const TypingState& s, int width, int top)
        : measure(m), state(s), boxWidth(width), y(top) {}

    const MeasureText& measure;
    const TypingState& state;
    int boxWidth;
    std::string underscores;
    int x = 0;
    int y = 0;
    bool raised = false;
    TextStyle style;
    TypingLayout out;

    int Width(const std::string& text) const { return measure(text, style); }

    bool NextIsMark(int w) const {
        return w + 1 < state.Words() && IsTypingMark(Trim(state.Word(w + 1).text));
    }

    // Bold, italic and line-break marks; false for any other word.
    bool StyleMark(const std::string& t) {
        const std::string mark = Trim(t);
        std::string upper = mark;
        std::transform(upper.begin(), upper.end(), upper.begin(),
                       [](char c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; });
        if (upper == "<BR>") {
            x = 0;
            y += kTypingLineStep;
        } else if (upper == "<B>" || upper == "</B>") {
            style.bold = upper == "<B>";
        } else if (upper == "<I>" || upper == "</I>") {
            style.italic = upper == "<I>";
        } else {
            return false;
        }
        return true;
    }

    void Place(int w, std::string t, const std::string& separator, int width) {
        const TypingWord& word = state.Word(w);
        if (x + width + kWrapMargin >= boxWidth && !IsTypingMark(t)) {
            x = 0;
            y += kTypingLineStep;
        }
        if (word.gap) {
            GapArea area{w, x, y, width, kTypingLineStep};
            if (state.Marked() && state.Right(w)) {
                area.left = area.top = -50;
            }
            out.gaps.push_back(area);
            if (state.Marked() && !state.Right(w)) {
                out.exclamations.push_back(
                    {w, x - kExclamationLeft, y, kExclamationHeight, kExclamationHeight});
                x += kExclamationWidth;
            }
        }
        out.pieces.push_back({x, y, t + separator, word.gap, style});
        x += width;
        if (t == "." && w + 1 < state.Words()) {
            const std::string& next = state.Word(w + 1).text;
            if (next.starts_with('.') && next.size() > 1) {
                x -= Width(" ");
            }
        }
        if (raised) {
            raised = false;
            y += kRaise;
        }
    }

    void Word(int w) {
        const TypingWord& word = state.Word(w);
        std::string t = word.text;
        // What a learner typed into a gap is shown as typed, never taken
        // for glue, a raise or a style mark.
        if (!word.gap && Trim(t) == "$%^") {
            x -= Width(" ");
            return;
        }
        const std::string separator = NextIsMark(w) ? "" : " ";
        int width = Width(separator) + Width(t);
        if (word.gap && Trim(t).empty()) {
            width = Width(separator) + state.Text().GapWidth;
            t = state.Text().EmptyGaps ? underscores : word.prefill;
        }
        if (!word.gap && t == ">>") {
            y -= kRaise;
            x -= Width(" ");
            raised = true;
        } else if (word.gap || !StyleMark(t)) {
            Place(w, t, separator, width);
        }
    }
};

} // namespace

std::string GapUnderscores(const MeasureText& measure, int gapWidth) {
    std::string underscores = "_";
    // A row no gap could need ends the loop whatever the font measures.
    while (measure(underscores, {}) < gapWidth - 5 && underscores.size() < kMaxUnderscores) {
        underscores += '_';
    }
    return underscores;
}

TypingLayout LayOutTyping(const MeasureText& measure, const TypingState& state, int boxWidth,
                          int scroll) {
    Flow flow(measure, state, boxWidth, kTypingLineStep - kTypingLineStep * scroll);
    if (state.Text().EmptyGaps) {
        flow.underscores = GapUnderscores(measure, state.Text().GapWidth);
    }
    for (int w = 0; w < state.Words(); ++w) {
        flow.Word(w);
    }
    flow.out.end = flow.y;
    return std::move(flow.out);
}

int TypingScrollLimit(int end, int boxHeight) {
    return boxHeight < end ? (end - boxHeight) / kTypingLineStep + 1 : 0;
}

const GapArea* HitGap(const std::vector<GapArea>& gaps, int x, int y) {
    const auto hit = std::find_if(gaps.begin(), gaps.end(),
                                  [x, y](const GapArea& g) { return g.Contains(x, y); });
    return hit != gaps.end() ? &*hit : nullptr;
}

const GapArea* HitExclamation(const TypingState& state, const std::vector<GapArea>& gaps, int x,
                              int y) {
    const auto hit = std::find_if(gaps.begin(), gaps.end(), [&](const GapArea& g) {
        return !state.Right(g.word) && !state.WrongText(g.word).empty() && x >= g.left &&
               x <= g.left + kExclamationWidth && y >= g.top && y <= g.top + kExclamationHeight;
    });
    return hit != gaps.end() ? &*hit : nullptr;
}

} // namespace lumora
