#pragma once
// Where the multiple-choice screen paints its questions and answers: each
// option on its own row, answers indented after their mark picture, words
// wrapped at the box's width, the rows moved up by the scroll position, and
// the area of each answer that a click chooses. The canvas only measures;
// its font's bold and italic carry the style in and out, because an unclosed
// bold mark stays in force into the next option and the next paint.
#include "choice_content.h"
#include "exercises/common/lesson_step.h"
#include "platform/ui/canvas.h"

#include <string>
#include <vector>

namespace lumora {

inline constexpr int kChoiceRowStep = 24;   // between rows, and one scroll step
inline constexpr int kChoiceBreakStep = 18; // at "<BR>"
inline constexpr int kAnswerIndent = 25;    // answers start after their mark

struct ChoiceWord {
    int x = 0;
    int y = 0;
    std::string text; // the word and the blank after it
    bool bold = false;
    bool italic = false;
};

struct ChoiceMarkPlace {
    int x = 0;
    int y = 0;
    AnswerMark mark = AnswerMark::Normal;
};

// The click area of an answer, in box pixels, edges included.
struct AnswerArea {
    int question = 0; // 0-based
    int option = 0;   // index into the question's options (1 or more)
    int left = 0, top = 0, right = 0, bottom = 0;

    bool Contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

struct ChoiceLayout {
    std::vector<ChoiceWord> words; // only those at or below the top edge
    std::vector<ChoiceMarkPlace> marks;
    std::vector<AnswerArea> areas;
    int end = 0; // the row below the last question's empty line
};

ChoiceLayout LayOutChoices(Canvas& canvas, const ChoiceContent& content, const ChoiceState& state,
                           int scroll);

// How many steps the text can scroll in a box of that height: 0 when it fits.
int ChoiceScrollLimit(int end, int boxHeight);

// The first answer whose area holds the point, or nullptr.
const AnswerArea* HitAnswer(const std::vector<AnswerArea>& areas, int x, int y);

} // namespace lumora
