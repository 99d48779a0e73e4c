#pragma once
// The pictures that belong to the options screen's design: its 208 x 208
// background and the ticked and empty boxes (21 x 21, magenta around the box
// as the transparent colour).
#include <QImage>

namespace lumora {

QImage OptionsBackgroundArt();
QImage TickedBoxArt();
QImage EmptyBoxArt();

} // namespace lumora
