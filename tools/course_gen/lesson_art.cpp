#include "lesson_art.h"

#include "drawing.h"
#include "emoji.h"
#include "picture_files.h"
#include "theme.h"

#include <QFontMetricsF>
#include <QSet>
#include <stdexcept>

namespace coursegen {

namespace {

constexpr const char* kRecipe = "lesson page";

// The page of a topic's lessons: a coloured title band, plain paper for the
// content and a pale band for the buttons along the bottom.
QImage LessonPage(const TopicTheme& t) {
    QImage img = Blank(800, 600, colours::kPaper);
    QPainter p(&img);
    Smooth(p);
    VerticalGradient(p, QRectF(0, 0, 800, 46), t.Accent().lighter(112), t.Accent().darker(108));
    p.fillRect(QRectF(0, 46, 800, 3), t.Dark());
    p.setFont(UiFont(21, true));
    const QString title = t.polish + "  ·  " + t.english;
    const double half = QFontMetricsF(p.font()).horizontalAdvance(title) / 2;
    Emoji::Draw(p, t.emblem, QRectF(400 - half - 40, 8, 30, 30));
    // White on the dark bands; on the light ones (greens, yellow) dark ink
    // with a pale edge.
    const QColor text = TextColourOn(t.Accent());
    OutlinedText(p, QRectF(60, 0, 680, 46), Qt::AlignCenter, title, text,
                 text == Qt::white ? t.Dark() : t.Light());
    // Faint ruled lines, like an exercise book, under the content.
    p.setPen(QPen(QColor(225, 232, 240), 1));
    for (int y = 74; y < 530; y += 28) {
        p.drawLine(14, y, 786, y);
    }
    p.setPen(QPen(QColor(240, 200, 200), 1));
    p.drawLine(12, 49, 12, 536);
    p.fillRect(QRectF(0, 536, 800, 64), t.Light());
    p.fillRect(QRectF(0, 536, 800, 2), t.Accent());
    return img;
}

// The reveal game's page: dark, so that its white labels read well, with a
// frame around the hidden picture (600 x 400 at 92, 44).
QImage RevealPage() {
    QImage img = Blank(800, 600, colours::kNight);
    QPainter p(&img);
    Smooth(p);
    VerticalGradient(p, img.rect(), colours::kNightDeep, colours::kNight);
    p.setPen(Qt::NoPen);
    unsigned seed = 7;
    for (int i = 0; i < 90; ++i) {
        seed = seed * 1103515245u + 12345u;
        const int x = int((seed >> 8) % 800);
        seed = seed * 1103515245u + 12345u;
        const int y = int((seed >> 8) % 600);
        if (QRect(80, 32, 624, 424).contains(x, y)) {
            continue;
        }
        p.setBrush(QColor(255, 246, 210, 90 + int(seed % 120)));
        p.drawEllipse(QPointF(x, y), 1.2 + (i % 3) * 0.5, 1.2 + (i % 3) * 0.5);
    }
    p.setPen(QPen(colours::kGold, 5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(86, 38, 612, 412), 8, 8);
    p.setPen(QPen(QColor(255, 255, 255, 60), 1));
    p.drawRoundedRect(QRectF(80, 32, 624, 424), 12, 12);
    return img;
}

// The default page, also the word search's: a white panel for the letter
// grid (407 x 369 at 44, 52) and a card for the two counters at 518, 84.
QImage BlankPage() {
    QImage img = Blank(800, 600, colours::kPaper);
    QPainter p(&img);
    Smooth(p);
    VerticalGradient(p, img.rect(), QColor(236, 243, 250), colours::kPaper);
    VerticalGradient(p, QRectF(0, 0, 800, 40), colours::kNight, colours::kNightDeep);
    p.setFont(UiFont(18, true));
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, 800, 40), Qt::AlignCenter, "Lumora");
    SoftShadow(p, QRectF(34, 46, 428, 384), 14, 40);
    RoundedPanel(p, QRectF(34, 46, 428, 384), 14, Qt::white, QColor(200, 210, 225), 1.5);
    SoftShadow(p, QRectF(506, 66, 270, 72), 12, 35);
    RoundedPanel(p, QRectF(506, 66, 270, 72), 12, Qt::white, QColor(200, 210, 225), 1.5);
    Emoji::Draw(p, "🔍", QRectF(560, 200, 160, 160));
    return img;
}

} // namespace

void MakeLessonBackgrounds(Output& out, const lumora::CourseData& course) {
    QSet<QString> made;
    for (const auto& row : course.SteeringTable) {
        const QString name = QString::fromStdString(row.Background);
        if (name.isEmpty() || made.contains(name)) {
            continue;
        }
        made.insert(name);
        const QString path = "tla/" + name;
        if (name == "odkrywanie.png") {
            MakePicture(out, path, PictureForm::Png8, kRecipe, RevealPage);
            continue;
        }
        const TopicTheme& t = TopicByFolder(name.section('.', 0, 0));
        if (name != t.folder + ".png") {
            throw std::runtime_error("no drawing for the background " + name.toStdString());
        }
        MakePicture(out, path, PictureForm::Png8, QByteArray(kRecipe) + " " + t.folder.toUtf8(),
                    [&] { return LessonPage(t); });
    }
    MakePicture(out, CourseName(lumora::kBlankBackground), PictureForm::Bmp8, kRecipe, BlankPage);
}

} // namespace coursegen
