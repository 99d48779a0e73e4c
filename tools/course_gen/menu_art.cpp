#include "menu_art.h"

#include "drawing.h"
#include "emoji.h"
#include "palette.h"
#include "picture_files.h"
#include "theme.h"

#include <QPainterPath>
#include <array>

namespace coursegen {

namespace {

// Where the main menu places its twelve 83 x 83 topic pictures, in topic order.
constexpr std::array<QPoint, 12> kTilePlaces{{{379, 40},
                                              {297, 122},
                                              {133, 122},
                                              {379, 204},
                                              {215, 204},
                                              {51, 204},
                                              {133, 286},
                                              {297, 286},
                                              {461, 286},
                                              {379, 368},
                                              {215, 368},
                                              {133, 450}}};
constexpr int kTile = 83;
constexpr const char* kRecipe = "menu";

QString TileLabel(const TopicTheme& t) {
    return t.polish.section(" i ", 0, 0);
}

// One topic picture; phase 0 is at rest, 1 fully lit under the mouse.
void DrawTile(QPainter& p, const QRect& cell, const TopicTheme& t, double phase) {
    p.save();
    Smooth(p);
    const QRectF body = QRectF(cell).adjusted(4, 4, -4, -4);
    if (phase > 0) {
        QColor glow = colours::kGold;
        for (int i = 0; i < 4; ++i) {
            glow.setAlpha(int(70 * phase / (i + 1)));
            p.setPen(QPen(glow, 2));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(body.adjusted(-1 - i, -1 - i, 1 + i, 1 + i), 16 + i, 16 + i);
        }
    }
    const QColor top = t.Accent().lighter(118 + int(22 * phase));
    const QColor bottom = t.Accent().darker(112 - int(10 * phase));
    QPainterPath shape;
    shape.addRoundedRect(body, 15, 15);
    QLinearGradient g(body.topLeft(), body.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillPath(shape, g);
    p.setPen(QPen(phase > 0 ? colours::kGold : QColor(255, 255, 255, 200), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);

    const double size = 40 + 12 * phase;
    const QPointF centre(body.center().x(), body.top() + 29 - 3 * phase);
    // A pale disc behind the emblem keeps dark emoji visible on dark tiles.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70 + int(40 * phase)));
    p.drawEllipse(centre, size * 0.62, size * 0.62);
    Emoji::Draw(p, t.emblem, QRectF(centre.x() - size / 2, centre.y() - size / 2, size, size));

    p.setFont(UiFont(11, true));
    OutlinedText(p, QRectF(body.left(), body.bottom() - 19, body.width(), 16), Qt::AlignCenter,
                 TileLabel(t), Qt::white, t.Dark());
    p.restore();
}

// The menu's background before the topic pictures are put on it.
QImage Ground() {
    QImage img = Blank(800, 600, colours::kPaper);
    QPainter p(&img);
    Smooth(p);
    VerticalGradient(p, img.rect(), QColor(228, 240, 250), QColor(252, 246, 232));
    // Large pale circles give depth without drawing the eye.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawEllipse(QPointF(300, 300), 290, 290);
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawEllipse(QPointF(690, 540), 200, 200);

    // Dotted paths join each topic to its diagonal neighbours.
    p.setPen(QPen(QColor(120, 140, 170, 140), 3, Qt::DotLine, Qt::RoundCap));
    for (std::size_t a = 0; a < kTilePlaces.size(); ++a) {
        for (std::size_t b = a + 1; b < kTilePlaces.size(); ++b) {
            const QPoint d = kTilePlaces[b] - kTilePlaces[a];
            if (std::abs(d.x()) == 82 && std::abs(d.y()) == 82) {
                const QPointF half(kTile / 2.0, kTile / 2.0);
                p.drawLine(kTilePlaces[a] + half, kTilePlaces[b] + half);
            }
        }
    }
    for (const QPoint& at : kTilePlaces) {
        SoftShadow(p, QRectF(at, QSizeF(kTile, kTile)).adjusted(4, 4, -4, -4), 15, 70);
    }
    return img;
}

void Logo(QPainter& p) {
    // Over the "about" click area (76, 16, 233 x 73).
    RoundedPanel(p, QRectF(78, 18, 229, 69), 18, QColor(255, 255, 255, 210), QColor(200, 210, 225),
                 1.5);
    Emoji::Draw(p, "📘", QRectF(88, 28, 48, 48));
    p.setFont(UiFont(38, true));
    p.setPen(colours::kNight);
    p.drawText(QRectF(142, 20, 165, 46), Qt::AlignLeft | Qt::AlignVCenter, "Lumora");
    p.setFont(UiFont(12, false));
    p.setPen(QColor(90, 100, 120));
    p.drawText(QRectF(144, 62, 165, 18), Qt::AlignLeft | Qt::AlignVCenter,
               "kurs angielskiego · o kursie");
}

void WelcomeCard(QPainter& p) {
    const QRectF card(566, 70, 218, 390);
    SoftShadow(p, card, 18, 50);
    RoundedPanel(p, card, 18, QColor(255, 255, 255), QColor(210, 218, 232), 1.5);
    p.setPen(colours::kNight);
    p.setFont(UiFont(26, true));
    p.drawText(QRectF(card.left(), card.top() + 18, card.width(), 34), Qt::AlignCenter, "Witaj!");
    p.setFont(UiFont(14, false));
    p.setPen(colours::kInk);
    p.drawText(QRectF(card.left() + 16, card.top() + 60, card.width() - 32, 120),
               Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
               "Kliknij obrazek tematu, a potem wybierz lekcję. Słuchaj, patrz, powtarzaj "
               "i zbieraj punkty!");
    const char* pictures[] = {"🎧", "📚", "🗣️", "⭐"};
    for (int i = 0; i < 4; ++i) {
        const double x = card.left() + 22 + (i % 2) * 92;
        const double y = card.top() + 190 + (i / 2) * 86;
        Emoji::Draw(p, pictures[i], QRectF(x, y, 80, 74));
    }
    p.setFont(UiFont(12, true));
    p.setPen(QColor(90, 100, 120));
    p.drawText(QRectF(card.left(), card.bottom() - 30, card.width(), 20), Qt::AlignCenter,
               "Hello! Let's learn English.");
}

void BottomControls(QPainter& p) {
    // Best scores: lbl_najlepsi (8, 516, 69 x 81).
    RoundedPanel(p, QRectF(10, 518, 65, 77), 12, QColor(255, 255, 255, 200), QColor(210, 200, 160),
                 1.5);
    Emoji::Draw(p, "🏆", QRectF(18, 522, 49, 48));
    p.setFont(UiFont(11, true));
    p.setPen(colours::kNight);
    p.drawText(QRectF(8, 572, 69, 18), Qt::AlignCenter, "Najlepsi");
    // Options: lbl_opcje (88, 560, 37 x 33).
    RoundedPanel(p, QRectF(90, 561, 33, 31), 10, QColor(255, 255, 255, 220), QColor(180, 190, 210),
                 1.5);
    Emoji::Draw(p, "⚙️", QRectF(94, 564, 25, 25));
    // The publisher's pages: btn_www (346, 526, 103 x 45), btn_www2 (350, 574, 95 x 23).
    RoundedPanel(p, QRectF(348, 528, 99, 41), 12, colours::kNight);
    Emoji::Draw(p, "🌐", QRectF(354, 535, 26, 26));
    p.setPen(Qt::white);
    p.setFont(UiFont(12, true));
    p.drawText(QRectF(382, 530, 62, 37), Qt::AlignCenter, "Strona\nkursu");
    QFont link = UiFont(12, false);
    link.setUnderline(true);
    p.setFont(link);
    p.setPen(QColor(30, 80, 170));
    p.drawText(QRectF(350, 574, 95, 23), Qt::AlignCenter, "Pomoc");
    // The end of the program: k_koniec (768, 4, 29 x 41).
    CloseMark(p, QRectF(768, 4, 29, 41));
}

} // namespace

void MakeMainMenu(Output& out) {
    const bool allKept = [&] {
        bool kept = out.UpToDate("gfx/main.bmp", kRecipe);
        for (int k = 1; k <= 60; ++k) {
            kept =
                out.UpToDate("menu_but/m_on_mouse_" + QString::number(k) + ".bmp", kRecipe) && kept;
        }
        return kept;
    }();
    if (allKept) {
        return;
    }
    QImage ground = Ground();
    {
        QPainter p(&ground);
        Smooth(p);
        Logo(p);
        WelcomeCard(p);
        BottomControls(p);
    }
    {
        QPainter p(&ground);
        for (std::size_t t = 0; t < kTilePlaces.size(); ++t) {
            DrawTile(p, QRect(kTilePlaces[t], QSize(kTile, kTile)), Topics()[t], 0);
        }
    }
    // The frames are cut from the menu as it is stored (256 colours), so that
    // a topic picture meets the background around it without a seam.
    const QImage stored = ToIndexed(ground);
    out.WriteBytes("gfx/main.bmp", EncodePicture(stored, PictureForm::Bmp8), kRecipe);
    const QImage menu = stored.convertToFormat(QImage::Format_RGB32);
    for (std::size_t t = 0; t < kTilePlaces.size(); ++t) {
        for (int phase = 0; phase < 5; ++phase) {
            QImage frame = menu.copy(QRect(kTilePlaces[t], QSize(kTile, kTile)));
            if (phase > 0) {
                QPainter p(&frame);
                DrawTile(p, frame.rect(), Topics()[t], phase / 4.0);
            }
            const int k = int(t) * 5 + phase + 1;
            out.WriteBytes("menu_but/m_on_mouse_" + QString::number(k) + ".bmp",
                           EncodePicture(frame, PictureForm::Bmp24), kRecipe);
        }
    }
}

} // namespace coursegen
