#pragma once
// Drawing steps shared by the screens' artwork: panels, soft shadows, texts
// that stay readable, and the close mark that sits under a screen's invisible
// close area.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace coursegen {

// A painter with antialiasing for shapes, text and scaled pictures.
void Smooth(QPainter& p);

void RoundedPanel(QPainter& p, const QRectF& r, double radius, const QColor& fill,
                  const QColor& border = Qt::transparent, double borderWidth = 0);

// A blurred shadow of a rounded rectangle, offset down and right.
void SoftShadow(QPainter& p, const QRectF& r, double radius, int strength = 60);

void VerticalGradient(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom);

// Text with a thin outline of another colour around it.
void OutlinedText(QPainter& p, const QRectF& box, int flags, const QString& text,
                  const QColor& fill, const QColor& outline);

// The mark that tells where a screen closes: a white cross on a red round
// button, centred in the click area.
void CloseMark(QPainter& p, const QRectF& clickArea);

// A new image filled with one colour.
QImage Blank(int width, int height, const QColor& fill);

} // namespace coursegen
