#pragma once
// Colour emoji from the Noto Color Emoji font, used as the course's
// illustrations. Each emoji is rasterised once at the font's own bitmap size
// and cropped to its visible part, then scaled to wherever it is drawn.
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace coursegen {

class Emoji {
  public:
    // The cropped picture of an emoji (transparent around it). Throws when
    // the font draws nothing for it.
    static const QImage& Glyph(const QString& emoji);

    // Draws the emoji as large as fits into box, keeping its proportions,
    // centred; mirrored left to right when asked.
    static void Draw(QPainter& p, const QString& emoji, const QRectF& box, bool mirror = false);

    // The emoji's width for a given height, from its cropped proportions.
    static double WidthFor(const QString& emoji, double height);
};

} // namespace coursegen
