#pragma once
// The exclamation picture an exercise puts beside an answer that needs the
// learner's attention (unanswered, or corrected after the check), with a hint
// that says why, for example what the learner had typed.
#include "platform/ui/picture.h"

#include <QImage>

#include <string>

namespace lumora {

inline constexpr int kExclamationSize = 18;

// The picture itself, 18 x 18, transparent around the mark.
QImage ExclamationArt();
// A plain mark, a bar over a dot, for a narrow place such as the margin beside
// a statement.
QImage ExclamationBarArt(int width, int height);

class ExclamationMark : public Picture {
  public:
    explicit ExclamationMark(QWidget* parent);

    // Shows the mark with its top-left corner at (x, y) and the hint (an empty
    // hint shows none), in front of the controls around it.
    void ShowAt(int x, int y, const std::string& hint);
};

} // namespace lumora
