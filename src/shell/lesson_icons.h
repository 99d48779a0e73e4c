#pragma once
// The icons of the topic screen's lesson list: one per lesson kind, 30 x 19
// pixels, in a plain and a done version. They are drawn by the program, so
// every course gets the same set.
#include <QImage>

namespace lumora {

inline constexpr int kLessonIconWidth = 30;
inline constexpr int kLessonIconHeight = 19;

// The icon of a lesson kind that has an icon label; a null image for the
// others.
QImage LessonIcon(int code, bool done);

} // namespace lumora
