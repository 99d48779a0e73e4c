#include "scene.h"

#include "backdrops.h"
#include "emoji.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>
#include <stdexcept>

namespace coursegen {

namespace {

[[noreturn]] void Fail(const QString& line, const QString& why) {
    throw std::runtime_error(("scene \"" + line + "\": " + why).toStdString());
}

bool IsSuffixStart(QChar c) {
    return c == '@' || c == '*' || c == '!' || c == '#' || c == '>';
}

// Reads the suffixes that follow an item (@x,y *s ! #n) into it.
void ParseSuffixes(const QString& line, const QString& suffix, SceneItem& item) {
    static const QRegularExpression part(
        R"(^(?:@(-?\d+(?:\.\d+)?),(-?\d+(?:\.\d+)?)|\*(\d+(?:\.\d+)?)|(!)|#(\d+)|>(-?\d+(?:\.\d+)?),(-?\d+(?:\.\d+)?)))");
    QString rest = suffix;
    while (!rest.isEmpty()) {
        const auto m = part.match(rest);
        if (!m.hasMatch()) {
            Fail(line, "cannot read \"" + rest + "\"");
        }
        if (m.capturedLength(1) > 0) {
            item.placed = true;
            item.x = m.captured(1).toDouble();
            item.y = m.captured(2).toDouble();
        } else if (m.capturedLength(3) > 0) {
            item.size = m.captured(3).toDouble();
        } else if (m.capturedLength(4) > 0) {
            item.mirror = true;
        } else if (m.capturedLength(5) > 0) {
            item.copies = std::max(1, m.captured(5).toInt());
        } else {
            item.moves = true;
            item.toX = m.captured(6).toDouble();
            item.toY = m.captured(7).toDouble();
        }
        rest = rest.mid(m.capturedLength(0));
    }
}

double DefaultSize(const QString& backdrop, int unplaced) {
    if (backdrop == "card") {
        return 58;
    }
    switch (unplaced) {
    case 0:
    case 1:
        return 58;
    case 2:
        return 48;
    case 3:
        return 40;
    default:
        return 32;
    }
}

void DrawText(QPainter& p, const SceneItem& item, const QPointF& centre, double height, bool dark,
              const TopicTheme& topic) {
    // A text too wide for the picture is set smaller until it fits.
    const double room = p.device()->width() * 0.92;
    int pixels = std::max(8, qRound(height));
    while (pixels > 8 &&
           QFontMetricsF(UiFont(pixels, true)).horizontalAdvance(item.content) > room) {
        --pixels;
    }
    p.setFont(UiFont(pixels, true));
    QRectF box(centre.x() - 1000, centre.y() - height, 2000, height * 2);
    // A pale halo keeps the text readable on any ground.
    p.setPen(dark ? QColor(0, 0, 0, 150) : QColor(255, 255, 255, 200));
    for (int dx = -2; dx <= 2; dx += 2) {
        for (int dy = -2; dy <= 2; dy += 2) {
            p.drawText(box.translated(dx, dy), Qt::AlignCenter, item.content);
        }
    }
    p.setPen(dark ? QColor(255, 255, 255) : topic.Dark());
    p.drawText(box, Qt::AlignCenter, item.content);
}

} // namespace

Scene ParseScene(const QString& line) {
    Scene scene;
    QString rest = line.trimmed();
    static const QRegularExpression head(R"(^([a-z]+):\s*)");
    if (const auto m = head.match(rest); m.hasMatch()) {
        scene.backdrop = m.captured(1);
        rest = rest.mid(m.capturedLength(0));
    }
    if (!IsBackdrop(scene.backdrop)) {
        Fail(line, "unknown backdrop " + scene.backdrop);
    }
    int i = 0;
    while (i < rest.size()) {
        if (rest[i].isSpace()) {
            ++i;
            continue;
        }
        SceneItem item;
        if (rest[i] == '"') {
            const int close = rest.indexOf('"', i + 1);
            if (close < 0) {
                Fail(line, "a text without its closing quote");
            }
            item.text = true;
            item.content = rest.mid(i + 1, close - i - 1);
            i = close + 1;
        } else {
            const int start = i;
            while (i < rest.size() && !rest[i].isSpace() && !IsSuffixStart(rest[i])) {
                ++i;
            }
            item.content = rest.mid(start, i - start);
        }
        const int suffixStart = i;
        while (i < rest.size() && !rest[i].isSpace()) {
            ++i;
        }
        ParseSuffixes(line, rest.mid(suffixStart, i - suffixStart), item);
        if (item.content.isEmpty()) {
            Fail(line, "an empty item");
        }
        scene.items.push_back(item);
    }
    return scene;
}

QImage RenderScene(const Scene& scene, QSize size, const TopicTheme& topic, double progress) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(colours::kPaper);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const BackdropInfo info = PaintBackdrop(p, scene.backdrop, img.rect(), topic);

    int unplaced = 0;
    for (const auto& item : scene.items) {
        unplaced += item.placed ? 0 : 1;
    }
    const double defaultSize = DefaultSize(scene.backdrop, unplaced);
    int slot = 0;
    for (const auto& item : scene.items) {
        double x = item.x, y = item.y;
        if (!item.placed) {
            x = (slot + 0.5) * 100.0 / unplaced;
            y = info.ground;
            ++slot;
        }
        if (item.moves) {
            x += (item.toX - x) * progress;
            y += (item.toY - y) * progress;
        }
        const double height = size.height() * (item.size > 0 ? item.size : defaultSize) / 100.0;
        const QPointF centre(size.width() * x / 100.0, size.height() * y / 100.0);
        if (item.text) {
            DrawText(p, item, centre, height, info.dark, topic);
            continue;
        }
        double h = height;
        double w = Emoji::WidthFor(item.content, h);
        const double gap = w * 0.08;
        double total = item.copies * w + (item.copies - 1) * gap;
        // Wide emoji and rows of copies are narrowed to stay inside the picture
        // (inside the card's frame for word cards).
        const double room = size.width() * (scene.backdrop == "card" ? 0.78 : 0.92);
        if (total > room) {
            const double shrink = room / total;
            h *= shrink;
            w *= shrink;
            total *= shrink;
        }
        double left = centre.x() - total / 2;
        for (int k = 0; k < item.copies; ++k) {
            Emoji::Draw(p, item.content, QRectF(left, centre.y() - h / 2, w, h), item.mirror);
            left += w + gap * (h / height);
        }
    }
    p.end();
    return img;
}

} // namespace coursegen
