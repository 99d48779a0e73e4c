#include "choice_layout.h"

#include "elements/markup_painter.h"
#include "platform/text_helpers.h"

#include <algorithm>

namespace lumora {
namespace {

constexpr int kMarkRaise = 2;
// An answer's area reaches one pixel past the row below it.
constexpr int kAreaDepth = 25;
constexpr int kScrollDivisor = 25;

struct Pen {
    int x = 0;
    int y = 0;
    int widest = 0;
};

bool IsMark(std::string_view word) {
    return word.starts_with('<') && word.find('>') != std::string_view::npos;
}

// Bold switches are found in any letter case; the other marks only as the
// instruction painter knows them, and "<br>" in lower case is not a break.
void LayOutWord(Canvas& canvas, std::string_view word, Pen& pen, ChoiceLayout& out) {
    const std::string folded = Trim(LowerAZ(word));
    if (folded == "<b>" || folded == "</b>") {
        canvas.Font.bold = folded == "<b>";
        return;
    }
    pen.widest = std::max(pen.widest, pen.x);
    if (IsMark(word)) {
        if (word == "<BR>") {
            pen.y += kChoiceBreakStep;
            pen.x = kAnswerIndent;
        } else {
            ApplyStyleMark(canvas, word);
        }
        return;
    }
    std::string spaced(word);
    spaced += ' ';
    const int width = canvas.TextWidth(spaced);
    if (pen.x + width > canvas.Width()) {
        pen.y += kChoiceRowStep;
        pen.x = kAnswerIndent;
    }
    if (pen.y >= 0) {
        out.words.push_back({pen.x, pen.y, spaced, canvas.Font.bold, canvas.Font.italic});
    }
    pen.x += width;
}

void LayOutText(Canvas& canvas, std::string_view text, Pen& pen, ChoiceLayout& out) {
    while (!text.empty()) {
        const std::string_view word = NextWord(text);
        text.remove_prefix(std::min(word.size() + 1, text.size()));
        LayOutWord(canvas, word, pen, out);
    }
}

AnswerMark MarkOf(const ChoiceState& state, int q, int option) {
    if (state.Wrong(q, option)) {
        return AnswerMark::Bad;
    }
    return state.Selected(q, option) ? AnswerMark::Checked : AnswerMark::Normal;
}

} // namespace

ChoiceLayout LayOutChoices(Canvas& canvas, const ChoiceContent& content, const ChoiceState& state,
                           int scroll) {
    ChoiceLayout out;
    int y = kChoiceRowStep - kChoiceRowStep * scroll;
    for (std::size_t q = 0; q < content.questions.size(); ++q) {
        const auto& options = content.questions[q].options;
        for (std::size_t i = 0; i < options.size(); ++i) {
            canvas.Font.colour = kBlack;
            Pen pen{0, y, 0};
            const bool answer = i > 0;
            const AnswerArea area{static_cast<int>(q), static_cast<int>(i), 0, y, 0, 0};
            if (answer) {
                out.marks.push_back({0, y - kMarkRaise, MarkOf(state, area.question, area.option)});
                pen.x = kAnswerIndent;
            }
            LayOutText(canvas, options[i], pen, out);
            y = pen.y;
            if (answer) {
                AnswerArea placed = area;
                placed.right = std::max(pen.widest, pen.x);
                placed.bottom = y + kAreaDepth;
                out.areas.push_back(placed);
            }
            y += kChoiceRowStep;
        }
        y += kChoiceRowStep;
    }
    out.end = y;
    return out;
}

int ChoiceScrollLimit(int end, int boxHeight) {
    if (boxHeight < end - kChoiceRowStep) {
        return (end - boxHeight) / kScrollDivisor + 1;
    }
    return 0;
}

const AnswerArea* HitAnswer(const std::vector<AnswerArea>& areas, int x, int y) {
    const auto hit = std::find_if(areas.begin(), areas.end(),
                                  [x, y](const AnswerArea& a) { return a.Contains(x, y); });
    return hit != areas.end() ? &*hit : nullptr;
}

} // namespace lumora
