#include "exercise_art.h"

#include "elements/button_strips.h"
#include "elements/help_art.h"
#include "transport_knob.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace lumora {
namespace {

const QColor kFrameEdge(24, 44, 88);
const QColor kTrackFace(200, 208, 224);
const QColor kKnobFace(58, 94, 160);
const QColor kBoxFace(255, 255, 255);
const QColor kTick(20, 130, 40);
const QColor kCross(200, 30, 30);

QImage Blank(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

// An empty answer box on a transparent ground; the mark is drawn on it.
QImage AnswerBox(QPainter& painter) {
    QImage image = Blank(kAnswerMarkSize, kAnswerMarkSize);
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kFrameEdge, 1.5));
    painter.setBrush(kBoxFace);
    painter.drawRoundedRect(QRectF(2.5, 2.5, 16, 16), 3, 3);
    return image;
}

constexpr int kArrowUpStrip = 12;
constexpr int kArrowDownStrip = 13;

} // namespace

QImage TrackArt() {
    QImage image = Blank(kTrackWidth, kTrackHeight);
    QPainter painter(&image);
    painter.setPen(QPen(kFrameEdge, 1));
    painter.setBrush(kTrackFace);
    painter.drawRect(QRect(0, 2, kTrackWidth - 1, kTrackHeight - 5));
    return image;
}

QImage KnobArt() {
    QImage image = Blank(kKnobWidth, kKnobHeight);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kFrameEdge, 1));
    painter.setBrush(kKnobFace);
    QPainterPath knob;
    knob.moveTo(0.5, 0.5);
    knob.lineTo(kKnobWidth - 0.5, 0.5);
    knob.lineTo(kKnobWidth - 0.5, kKnobHeight - 5);
    knob.lineTo(kKnobWidth / 2.0, kKnobHeight - 0.5);
    knob.lineTo(0.5, kKnobHeight - 5);
    knob.closeSubpath();
    painter.drawPath(knob);
    return image;
}

QImage UncheckedMarkArt() {
    QPainter painter;
    QImage image = AnswerBox(painter);
    painter.end();
    return image;
}

QImage CheckedMarkArt() {
    QPainter painter;
    QImage image = AnswerBox(painter);
    painter.setPen(QPen(kTick, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF({{6, 11}, {9.5, 14.5}, {15.5, 6.5}}));
    painter.end();
    return image;
}

QImage CrossedMarkArt() {
    QPainter painter;
    QImage image = AnswerBox(painter);
    painter.setPen(QPen(kCross, 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(6.5, 6.5), QPointF(14.5, 14.5));
    painter.drawLine(QPointF(14.5, 6.5), QPointF(6.5, 14.5));
    painter.end();
    return image;
}

QImage ScrollArrowPicture(bool up) {
    const TMyBitmap* strip = MyImageList1().Entry(up ? kArrowUpStrip : kArrowDownStrip);
    if (strip == nullptr || strip->Bitmap.isNull()) {
        return ScrollArrowArt(up);
    }
    return strip->Bitmap.copy(0, 0, strip->FrameWidth, strip->Bitmap.height());
}

} // namespace lumora
