#include "lesson_icons.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <cstring>

namespace lumora {
namespace {

struct IconLook {
    int code;
    const char* label; // two or three characters that name the kind
    QColor colour;     // the colour of its section
};

// Vocabulary in blue, sentences in amber, the story in violet, games in teal.
const IconLook kLooks[] = {
    {30, "Aa", QColor(40, 90, 200)},   {31, "ABC", QColor(40, 90, 200)},
    {32, "A_", QColor(40, 90, 200)},   {1, "1", QColor(215, 120, 20)},
    {2, "2", QColor(215, 120, 20)},    {3, "3", QColor(215, 120, 20)},
    {4, "4", QColor(215, 120, 20)},    {9, "_ _", QColor(215, 120, 20)},
    {35, "?", QColor(130, 60, 170)},   {36, "<>", QColor(130, 60, 170)},
    {37, "ab_", QColor(130, 60, 170)}, {38, "=", QColor(130, 60, 170)},
    {39, "T/F", QColor(130, 60, 170)}, {41, "[#]", QColor(0, 130, 130)},
    {42, "+", QColor(0, 130, 130)},
};

const IconLook* LookOf(int code) {
    for (const auto& look : kLooks) {
        if (look.code == code) {
            return &look;
        }
    }
    return nullptr;
}

// A tick in the lower right corner.
void DrawTick(QPainter& p) {
    QPainterPath tick;
    tick.moveTo(19, 10);
    tick.lineTo(22, 14);
    tick.lineTo(28, 5);
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
}

} // namespace

QImage LessonIcon(int code, bool done) {
    const IconLook* look = LookOf(code);
    if (look == nullptr) {
        return {};
    }
    QImage image(kLessonIconWidth, kLessonIconHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // A done lesson turns green, keeping its kind's colour as a border.
    p.setPen(QPen(look->colour, done ? 2 : 1));
    p.setBrush(done ? QColor(30, 160, 70) : look->colour);
    p.drawRoundedRect(QRectF(1, 1, kLessonIconWidth - 2, kLessonIconHeight - 2), 4, 4);
    QFont font("Arial");
    // A done icon leaves room for its tick.
    font.setPixelSize(done && std::strlen(look->label) > 2 ? 7 : 10);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    const QRect textArea = done ? QRect(2, 0, 17, kLessonIconHeight)
                                : QRect(0, 0, kLessonIconWidth, kLessonIconHeight);
    p.drawText(textArea, Qt::AlignCenter, QString::fromUtf8(look->label));
    if (done) {
        DrawTick(p);
    }
    return image;
}

} // namespace lumora
