#include "lesson_icons.h"

#include "course/lesson_kinds.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace lumora {
namespace {

// Vocabulary in blue, sentences in amber, the story in violet, games in teal.
QColor SectionColour(TopicSection section) {
    switch (section) {
    case TopicSection::Vocabulary:
        return QColor(40, 90, 200);
    case TopicSection::Sentences:
        return QColor(215, 120, 20);
    case TopicSection::Story:
        return QColor(130, 60, 170);
    case TopicSection::Various:
    case TopicSection::None:
        break;
    }
    return QColor(0, 130, 130);
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
    const LessonKind& kind = LessonKindOf(code);
    if (kind.iconLabel.empty()) {
        return {};
    }
    const QColor colour = SectionColour(kind.section);
    QImage image(kLessonIconWidth, kLessonIconHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // A done lesson turns green, keeping its kind's colour as a border.
    p.setPen(QPen(colour, done ? 2 : 1));
    p.setBrush(done ? QColor(30, 160, 70) : colour);
    p.drawRoundedRect(QRectF(1, 1, kLessonIconWidth - 2, kLessonIconHeight - 2), 4, 4);
    QFont font("Arial");
    // A done icon leaves room for its tick.
    font.setPixelSize(done && kind.iconLabel.size() > 2 ? 7 : 10);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    const QRect textArea = done ? QRect(2, 0, 17, kLessonIconHeight)
                                : QRect(0, 0, kLessonIconWidth, kLessonIconHeight);
    p.drawText(textArea, Qt::AlignCenter,
               QString::fromUtf8(kind.iconLabel.data(), static_cast<int>(kind.iconLabel.size())));
    if (done) {
        DrawTick(p);
    }
    return image;
}

} // namespace lumora
