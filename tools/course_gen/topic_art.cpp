#include "topic_art.h"

#include "drawing.h"
#include "emoji.h"
#include "picture_files.h"
#include "scene.h"
#include "theme.h"

#include <QFontMetrics>
#include <QPainterPath>
#include <map>
#include <stdexcept>

namespace coursegen {

namespace {

constexpr const char* kRecipe = "topic screen";
constexpr int kBoxWidth = 445; // the list's paint box
constexpr int kLine = 20;
constexpr int kIconStep = 40;
constexpr int kIconWidth = 30;
// Every topic's illustration has this size, so one scene line suits all.
const QSize kIllustration(280, 310);

// The list's font is Arial 10 pt, 13.3 pixels; measuring a little larger
// leaves room for the metric differences between systems.
QFont ListFont(bool bold) {
    return UiFont(14, bold);
}

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

ListExtent MeasureLessonList(const lumora::CourseData& course, const lumora::TopicRow& row) {
    const QFontMetrics bold(ListFont(true)), normal(ListFont(false));
    ListExtent e;
    int y = -4, x = 0;
    bool vocabulary = false, sentences = false, story = false, various = false;
    bool storyStart = false, definitionsSeen = false;
    // The titles drawn so far, by the line they stand on.
    std::map<int, std::pair<int, int>> titles;
    std::map<int, QString> titleText;
    const auto titleAt = [&](const std::string& title) {
        const int w = normal.horizontalAdvance(Q(title));
        x = row.ListAlign == 2 ? kBoxWidth - w : 1;
        e.right = std::max(e.right, x + w);
        titles[y] = {x, x + w};
        titleText[y] = Q(title);
        x = row.IconOffset;
    };
    for (const auto& s : course.SteeringTable) {
        if (s.TopicFolder != row.FolderName) {
            continue;
        }
        const int c = s.Code;
        bool* heading = c == 30                        ? &vocabulary
                        : (c >= 1 && c <= 4) || c == 9 ? &sentences
                        : c >= 35 && c <= 39           ? &story
                        : c >= 40 && c <= 42           ? &various
                                                       : nullptr;
        if (heading != nullptr && !*heading) {
            *heading = true;
            storyStart = heading == &story;
            y += 7 + bold.height();
        }
        bool icon = true;
        if (c == 9 || c == 31 || c == 32) {
            y -= kLine;
        } else if (c >= 35 && c <= 39 && c != 38) {
            if (storyStart) {
                titleAt(s.Title);
                storyStart = false;
            } else {
                y -= kLine;
            }
        } else if (c == 38) {
            if (!definitionsSeen) {
                titleAt(s.Title);
                definitionsSeen = true;
            } else {
                y -= kLine;
            }
        } else if (c == 1 || c == 2 || c == 3 || c == 4 || c == 30 || c == 41 || c == 42) {
            titleAt(s.Title);
        } else {
            titleAt(s.Title);
            icon = false;
        }
        if (icon) {
            x += kIconStep;
            e.right = std::max(e.right, x + kIconWidth);
            const auto t = titles.find(y);
            if (t != titles.end() && x < t->second.second + 6 &&
                x + kIconWidth > t->second.first - 6) {
                e.clash = titleText[y];
            }
        }
        y += kLine;
        e.bottom = std::max(e.bottom, y);
    }
    return e;
}

namespace {

QImage TopicScreen(const lumora::CourseData& course, const TopicTheme& t,
                   const lumora::TopicRow& row, const QString& illustration) {
    QImage img = Blank(800, 600, colours::kPaper);
    QPainter p(&img);
    Smooth(p);
    VerticalGradient(p, img.rect(), t.Light(), colours::kPaper);

    const ListExtent list = MeasureLessonList(course, row);
    const QRectF card(row.ListLeft - 16, row.ListTop - 14,
                      std::min(784.0 - (row.ListLeft - 16), list.right + 32.0), list.bottom + 28.0);
    // The illustration takes the side the list leaves free, centred there.
    const bool listOnRight = row.ListLeft > 300;
    const double freeLeft = listOnRight ? 20 : card.right() + 20;
    const double freeRight = listOnRight ? card.left() - 20 : 780;
    const QSizeF pictureSize(std::min(kIllustration.width(), int(freeRight - freeLeft)),
                             kIllustration.height());
    const QRectF picture(QPointF(freeLeft + (freeRight - freeLeft - pictureSize.width()) / 2, 132),
                         pictureSize);
    SoftShadow(p, picture, 22, 60);
    const QImage scene = RenderScene(ParseScene(illustration), picture.size().toSize(), t);
    QPainterPath clip;
    clip.addRoundedRect(picture, 22, 22);
    p.save();
    p.setClipPath(clip);
    p.drawImage(picture.topLeft(), scene);
    p.restore();
    p.setPen(QPen(Qt::white, 4));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(picture, 22, 22);

    // The title, above the illustration.
    const QRectF title(28, 26, 420, 90);
    Emoji::Draw(p, t.emblem, QRectF(title.left(), title.top() + 8, 62, 62));
    p.setFont(UiFont(t.polish.size() > 12 ? 30 : 40, true));
    p.setPen(t.Dark());
    p.drawText(QRectF(title.left() + 74, title.top(), 400, 56), Qt::AlignLeft | Qt::AlignBottom,
               t.polish);
    p.setFont(UiFont(18, false));
    p.setPen(QColor(80, 90, 105));
    p.drawText(QRectF(title.left() + 76, title.top() + 58, 400, 26), Qt::AlignLeft | Qt::AlignTop,
               t.english);

    SoftShadow(p, card, 16, 45);
    RoundedPanel(p, card, 16, QColor(255, 255, 255, 238), t.Accent(), 2);

    // Under the description label: a band in the contrary colour of its text.
    const bool whiteText = row.DescColour == lumora::Colour::White;
    const QRectF band(row.DescLeft - 12, row.DescTop - 6, 300, 26);
    RoundedPanel(p, band, 13, whiteText ? t.Dark() : QColor(255, 255, 255, 230),
                 whiteText ? Qt::transparent : t.Accent(), whiteText ? 0 : 1.5);

    // A band along the bottom, where the help button sits.
    VerticalGradient(p, QRectF(0, 536, 800, 64), t.Light(), t.Accent().lighter(150));
    p.fillRect(QRectF(0, 536, 800, 2), t.Accent());
    p.setFont(UiFont(12, false));
    p.setPen(t.Dark());
    p.drawText(QRectF(56, 540, 700, 56), Qt::AlignLeft | Qt::AlignVCenter,
               "Wskaż ikonkę ćwiczenia, aby zobaczyć jego opis, i kliknij ją, aby zacząć.");

    CloseMark(p, QRectF(770, 4, 25, 41));
    return img;
}

} // namespace

void MakeTopicScreens(Output& out, const lumora::CourseData& course,
                      const QMap<QString, ManifestEntry>& art) {
    for (const TopicTheme& t : Topics()) {
        const lumora::TopicRow* row = course.FindTopic(t.folder.toStdString());
        if (row == nullptr) {
            throw std::runtime_error("ini.t has no row for " + t.folder.toStdString());
        }
        const QString path = "tla/menu/" + t.folder + ".bmp";
        const auto scene = art.constFind(path);
        if (scene == art.constEnd()) {
            throw std::runtime_error(path.toStdString() + " has no illustration");
        }
        const ListExtent e = MeasureLessonList(course, *row);
        if (!e.clash.isEmpty()) {
            throw std::runtime_error("on the topic screen of " + t.folder.toStdString() +
                                     " the title \"" + e.clash.toStdString() +
                                     "\" runs into its icons; move IconOffset in ini.t");
        }
        if (row->ListLeft + e.right > 790 || row->ListTop + e.bottom > 520) {
            throw std::runtime_error("the lesson list of " + t.folder.toStdString() +
                                     " does not fit on its topic screen");
        }
        QByteArray recipe = QByteArray(kRecipe) + "\n" + scene->value.toUtf8();
        for (int v : {row->ListLeft, row->ListTop, row->ListAlign, row->IconOffset, row->DescLeft,
                      row->DescTop, int(row->DescColour), e.right, e.bottom}) {
            recipe += " " + QByteArray::number(v);
        }
        MakePicture(out, path, PictureForm::Bmp8, recipe,
                    [&] { return TopicScreen(course, t, *row, scene->value); });
    }
}

} // namespace coursegen
