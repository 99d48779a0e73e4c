#include "choice_layout.h"

#include "elements/word_flow.h"

#include <algorithm>

namespace lumora {
namespace {

constexpr int kMarkRaise = 2;
// An answer's area reaches one pixel past the row below it.
constexpr int kAreaDepth = 25;
constexpr int kScrollDivisor = 25;

// Rows 24 pixels apart, 18 at a break; wrapped and broken lines start
// after the mark pictures. Bold switches are found in any letter case; a
// break only as "<BR>".
const WordFlowRules kChoiceFlow{kChoiceRowStep, kChoiceBreakStep, kAnswerIndent, false, true};

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
            FlowPen pen{0, y, 0};
            const bool answer = i > 0;
            const AnswerArea area{static_cast<int>(q), static_cast<int>(i), 0, y, 0, 0};
            if (answer) {
                out.marks.push_back({0, y - kMarkRaise, MarkOf(state, area.question, area.option)});
                pen.x = kAnswerIndent;
            }
            FlowWords(canvas, options[i], kChoiceFlow, pen, [&out](const FlowWord& word) {
                if (word.y >= 0) { // words above the top edge are scrolled away
                    out.words.push_back({word.x, word.y, word.text, word.bold, word.italic});
                }
            });
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
