#include "backdrops.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <functional>
#include <map>

namespace coursegen {

namespace {

struct Canvas {
    QPainter& p;
    QRect r;
    double X(double percent) const { return r.left() + r.width() * percent / 100.0; }
    double Y(double percent) const { return r.top() + r.height() * percent / 100.0; }
    QRectF Band(double top, double bottom) const {
        return QRectF(r.left(), Y(top), r.width(), Y(bottom) - Y(top));
    }
    QRectF Box(double l, double t, double rr, double b) const {
        return QRectF(X(l), Y(t), X(rr) - X(l), Y(b) - Y(t));
    }
    void Fill(const QRectF& area, const QColor& c) const { p.fillRect(area, c); }
    void Gradient(const QRectF& area, const QColor& top, const QColor& bottom) const {
        QLinearGradient g(area.topLeft(), area.bottomLeft());
        g.setColorAt(0, top);
        g.setColorAt(1, bottom);
        p.fillRect(area, g);
    }
    void Ellipse(const QRectF& area, const QColor& c) const {
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawEllipse(area);
    }
};

const QColor kSkyTop(142, 197, 235), kSkyLow(214, 236, 248);
const QColor kGrass(120, 186, 96), kGrassDark(92, 158, 74);
const QColor kWall(246, 236, 218), kWallLow(236, 222, 198);
const QColor kWood(190, 140, 92), kWoodDark(150, 104, 64);

void Sky(const Canvas& c, double bottom) {
    c.Gradient(c.Band(0, bottom), kSkyTop, kSkyLow);
}

void Cloud(const Canvas& c, double x, double y, double w) {
    const QColor white(255, 255, 255, 235);
    const double h = w * 0.45;
    c.Ellipse(c.Box(x, y, x + w * 0.6, y + h), white);
    c.Ellipse(c.Box(x + w * 0.3, y - h * 0.4, x + w * 0.85, y + h * 0.8), white);
    c.Ellipse(c.Box(x + w * 0.55, y, x + w, y + h), white);
}

void Floor(const Canvas& c, double top) {
    c.Gradient(c.Band(top, 100), kWood, kWoodDark);
    c.p.setPen(QPen(QColor(130, 90, 55, 120), 1));
    for (double x = 8; x < 100; x += 16) {
        c.p.drawLine(QPointF(c.X(x), c.Y(top)), QPointF(c.X(x - 6), c.Y(100)));
    }
}

void Wall(const Canvas& c, double bottom) {
    c.Gradient(c.Band(0, bottom), kWall, kWallLow);
}

void Table(const Canvas& c, double top) {
    c.Fill(c.Box(8, top, 92, top + 5), kWood);
    c.Fill(c.Box(8, top + 5, 92, top + 7), kWoodDark);
    c.Fill(c.Box(14, top + 7, 18, 100), kWoodDark);
    c.Fill(c.Box(82, top + 7, 86, 100), kWoodDark);
}

void Hills(const Canvas& c, double top, const QColor& near, const QColor& far) {
    QPainterPath back;
    back.moveTo(c.X(0), c.Y(top + 4));
    back.cubicTo(c.X(25), c.Y(top - 8), c.X(55), c.Y(top + 6), c.X(100), c.Y(top - 4));
    back.lineTo(c.X(100), c.Y(100));
    back.lineTo(c.X(0), c.Y(100));
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(far);
    c.p.drawPath(back);
    QPainterPath front;
    front.moveTo(c.X(0), c.Y(top + 10));
    front.cubicTo(c.X(35), c.Y(top + 2), c.X(70), c.Y(top + 14), c.X(100), c.Y(top + 8));
    front.lineTo(c.X(100), c.Y(100));
    front.lineTo(c.X(0), c.Y(100));
    c.p.setBrush(near);
    c.p.drawPath(front);
}

void Buildings(const Canvas& c, double base) {
    const double heights[] = {22, 34, 18, 28, 40, 24, 30, 20};
    const QColor tones[] = {QColor(196, 178, 160), QColor(170, 160, 176), QColor(214, 190, 150),
                            QColor(160, 176, 170)};
    double x = 0;
    for (int i = 0; x < 100; ++i) {
        const double w = 10 + (i % 3) * 3;
        const QRectF b = c.Box(x, base - heights[i % 8], x + w, base);
        c.Fill(b, tones[i % 4]);
        c.p.setPen(Qt::NoPen);
        for (double wy = base - heights[i % 8] + 4; wy < base - 4; wy += 7) {
            for (double wx = x + 2; wx < x + w - 2; wx += 4) {
                c.Fill(c.Box(wx, wy, wx + 2, wy + 3), QColor(255, 246, 210));
            }
        }
        x += w + 1;
    }
}

void Stars(const Canvas& c, int count) {
    c.p.setPen(Qt::NoPen);
    // A fixed scatter: the same picture every time.
    unsigned seed = 12345;
    for (int i = 0; i < count; ++i) {
        seed = seed * 1103515245u + 12345u;
        const double x = (seed >> 8) % 1000 / 10.0;
        seed = seed * 1103515245u + 12345u;
        const double y = (seed >> 8) % 600 / 10.0;
        const double s = 0.4 + (i % 3) * 0.3;
        c.Ellipse(c.Box(x, y, x + s, y + s * c.r.width() / c.r.height()), QColor(255, 250, 220));
    }
}

using Painter = std::function<BackdropInfo(const Canvas&, const TopicTheme&)>;

const std::map<QString, Painter>& Painters() {
    static const std::map<QString, Painter> painters{
        {"plain",
         [](const Canvas& c, const TopicTheme&) {
             c.Gradient(c.Band(0, 100), colours::kPaper, QColor(243, 236, 220));
             return BackdropInfo{52, false};
         }},
        {"card",
         [](const Canvas& c, const TopicTheme& t) {
             c.Fill(c.r, t.Light());
             QPainterPath inner;
             inner.addRoundedRect(QRectF(c.r).adjusted(6, 6, -6, -6), 12, 12);
             c.p.fillPath(inner, QColor(255, 255, 255));
             c.p.setPen(QPen(t.Accent(), 3));
             c.p.setBrush(Qt::NoBrush);
             c.p.drawPath(inner);
             return BackdropInfo{50, false};
         }},
        {"room",
         [](const Canvas& c, const TopicTheme&) {
             Wall(c, 72);
             Floor(c, 72);
             return BackdropInfo{62, false};
         }},
        {"table",
         [](const Canvas& c, const TopicTheme&) {
             Wall(c, 78);
             Floor(c, 78);
             Table(c, 64);
             return BackdropInfo{48, false};
         }},
        {"kitchen",
         [](const Canvas& c, const TopicTheme&) {
             c.Fill(c.Band(0, 62), QColor(236, 244, 246));
             c.p.setPen(QPen(QColor(200, 218, 224), 1));
             for (double y = 6; y < 62; y += 8) {
                 c.p.drawLine(QPointF(c.X(0), c.Y(y)), QPointF(c.X(100), c.Y(y)));
             }
             for (double x = 5; x < 100; x += 7) {
                 c.p.drawLine(QPointF(c.X(x), c.Y(0)), QPointF(c.X(x), c.Y(62)));
             }
             c.Fill(c.Band(62, 68), QColor(150, 156, 164));
             c.Fill(c.Band(68, 100), QColor(214, 170, 120));
             c.p.setPen(QPen(QColor(170, 128, 84), 2));
             for (double x = 0; x <= 100; x += 25) {
                 c.p.drawLine(QPointF(c.X(x), c.Y(70)), QPointF(c.X(x), c.Y(100)));
             }
             return BackdropInfo{48, false};
         }},
        {"street",
         [](const Canvas& c, const TopicTheme&) {
             Sky(c, 66);
             Buildings(c, 66);
             c.Fill(c.Band(66, 76), QColor(190, 190, 186));
             c.Fill(c.Band(76, 100), QColor(86, 90, 98));
             c.p.setPen(QPen(QColor(250, 250, 250), 3, Qt::DashLine));
             c.p.drawLine(QPointF(c.X(0), c.Y(88)), QPointF(c.X(100), c.Y(88)));
             return BackdropInfo{66, false};
         }},
        {"park",
         [](const Canvas& c, const TopicTheme&) {
             Sky(c, 60);
             Cloud(c, 10, 10, 18);
             Cloud(c, 66, 16, 14);
             Hills(c, 56, kGrass, kGrassDark);
             return BackdropInfo{68, false};
         }},
        {"field",
         [](const Canvas& c, const TopicTheme&) {
             Sky(c, 60);
             Cloud(c, 60, 12, 20);
             Hills(c, 52, QColor(150, 196, 90), QColor(116, 170, 84));
             return BackdropInfo{68, false};
         }},
        {"beach",
         [](const Canvas& c, const TopicTheme&) {
             Sky(c, 46);
             Cloud(c, 70, 10, 16);
             c.Gradient(c.Band(46, 64), QColor(72, 160, 206), QColor(120, 196, 220));
             c.Fill(c.Band(64, 100), QColor(240, 214, 160));
             return BackdropInfo{72, false};
         }},
        {"sea",
         [](const Canvas& c, const TopicTheme&) {
             Sky(c, 50);
             Cloud(c, 14, 12, 18);
             c.Gradient(c.Band(50, 100), QColor(60, 146, 196), QColor(30, 96, 150));
             c.p.setPen(QPen(QColor(255, 255, 255, 120), 2));
             for (double y = 60; y < 100; y += 10) {
                 for (double x = 4; x < 100; x += 18) {
                     c.p.drawArc(c.Box(x, y, x + 8, y + 4), 0, 180 * 16);
                 }
             }
             return BackdropInfo{58, false};
         }},
        {"sky",
         [](const Canvas& c, const TopicTheme&) {
             Sky(c, 100);
             Cloud(c, 8, 60, 22);
             Cloud(c, 70, 14, 18);
             return BackdropInfo{50, false};
         }},
        {"night",
         [](const Canvas& c, const TopicTheme&) {
             c.Gradient(c.Band(0, 100), colours::kNightDeep, colours::kNight);
             Stars(c, 40);
             c.Fill(c.Band(82, 100), QColor(24, 46, 40));
             return BackdropInfo{62, true};
         }},
        {"dusk",
         [](const Canvas& c, const TopicTheme&) {
             c.Gradient(c.Band(0, 70), QColor(250, 170, 110), QColor(252, 226, 170));
             Hills(c, 66, QColor(110, 130, 90), QColor(140, 150, 110));
             return BackdropInfo{70, false};
         }},
        {"snow",
         [](const Canvas& c, const TopicTheme&) {
             c.Gradient(c.Band(0, 62), QColor(196, 216, 234), QColor(232, 240, 248));
             Hills(c, 58, QColor(252, 252, 255), QColor(226, 234, 244));
             return BackdropInfo{70, false};
         }},
        {"mountains",
         [](const Canvas& c, const TopicTheme&) {
             Sky(c, 70);
             QPainterPath peaks;
             peaks.moveTo(c.X(0), c.Y(70));
             peaks.lineTo(c.X(22), c.Y(22));
             peaks.lineTo(c.X(40), c.Y(52));
             peaks.lineTo(c.X(62), c.Y(16));
             peaks.lineTo(c.X(86), c.Y(50));
             peaks.lineTo(c.X(100), c.Y(36));
             peaks.lineTo(c.X(100), c.Y(100));
             peaks.lineTo(c.X(0), c.Y(100));
             c.p.setPen(Qt::NoPen);
             c.p.setBrush(QColor(120, 132, 150));
             c.p.drawPath(peaks);
             Hills(c, 70, kGrass, kGrassDark);
             return BackdropInfo{76, false};
         }},
        {"classroom",
         [](const Canvas& c, const TopicTheme&) {
             Wall(c, 76);
             Floor(c, 76);
             c.Fill(c.Box(14, 8, 86, 46), QColor(150, 110, 70));
             c.Fill(c.Box(16, 11, 84, 43), QColor(46, 94, 72));
             return BackdropInfo{64, false};
         }},
        {"office",
         [](const Canvas& c, const TopicTheme&) {
             c.Gradient(c.Band(0, 74), QColor(228, 234, 240), QColor(210, 220, 230));
             c.Fill(c.Box(6, 10, 30, 44), QColor(186, 220, 240));
             c.Fill(c.Band(74, 100), QColor(150, 156, 170));
             c.Fill(c.Box(40, 62, 96, 68), QColor(110, 116, 130));
             return BackdropInfo{52, false};
         }},
        {"shop",
         [](const Canvas& c, const TopicTheme& t) {
             Wall(c, 80);
             Floor(c, 80);
             for (double y : {22.0, 46.0}) {
                 c.Fill(c.Box(4, y, 96, y + 3), kWoodDark);
             }
             c.Fill(c.Band(0, 8), t.Accent());
             return BackdropInfo{66, false};
         }},
        {"station",
         [](const Canvas& c, const TopicTheme&) {
             Sky(c, 58);
             c.Fill(c.Band(36, 58), QColor(200, 186, 170));
             c.Fill(c.Band(58, 70), QColor(168, 168, 164));
             c.Fill(c.Band(70, 72), QColor(250, 210, 60));
             c.Fill(c.Band(72, 100), QColor(120, 110, 100));
             c.p.setPen(QPen(QColor(70, 70, 74), 3));
             c.p.drawLine(QPointF(c.X(0), c.Y(82)), QPointF(c.X(100), c.Y(82)));
             c.p.drawLine(QPointF(c.X(0), c.Y(94)), QPointF(c.X(100), c.Y(94)));
             return BackdropInfo{64, false};
         }},
        {"pool",
         [](const Canvas& c, const TopicTheme&) {
             c.Gradient(c.Band(0, 100), QColor(90, 190, 226), QColor(40, 140, 200));
             c.p.setPen(QPen(QColor(250, 80, 80), 3, Qt::DotLine));
             for (double y : {30.0, 62.0}) {
                 c.p.drawLine(QPointF(c.X(0), c.Y(y)), QPointF(c.X(100), c.Y(y)));
             }
             return BackdropInfo{50, false};
         }},
        {"stadium",
         [](const Canvas& c, const TopicTheme&) {
             Sky(c, 30);
             c.Fill(c.Band(22, 40), QColor(150, 150, 170));
             c.Fill(c.Band(40, 100), QColor(96, 170, 80));
             c.p.setPen(QPen(QColor(250, 250, 250), 2));
             c.p.drawLine(QPointF(c.X(50), c.Y(40)), QPointF(c.X(50), c.Y(100)));
             c.p.drawEllipse(c.Box(40, 58, 60, 86));
             return BackdropInfo{66, false};
         }},
        {"bathroom",
         [](const Canvas& c, const TopicTheme&) {
             c.Fill(c.Band(0, 100), QColor(226, 240, 244));
             c.p.setPen(QPen(QColor(190, 214, 222), 1));
             for (double y = 0; y < 100; y += 10) {
                 c.p.drawLine(QPointF(c.X(0), c.Y(y)), QPointF(c.X(100), c.Y(y)));
             }
             for (double x = 0; x < 100; x += 8) {
                 c.p.drawLine(QPointF(c.X(x), c.Y(0)), QPointF(c.X(x), c.Y(100)));
             }
             return BackdropInfo{58, false};
         }},
        {"garden",
         [](const Canvas& c, const TopicTheme&) {
             Sky(c, 62);
             Cloud(c, 60, 10, 18);
             c.Fill(c.Band(62, 100), kGrass);
             c.p.setPen(Qt::NoPen);
             for (double x = 2; x < 100; x += 7) {
                 c.Fill(c.Box(x, 44, x + 4, 64), QColor(246, 240, 228));
             }
             c.Fill(c.Band(50, 53), QColor(236, 228, 214));
             return BackdropInfo{70, false};
         }},
    };
    return painters;
}

} // namespace

bool IsBackdrop(const QString& name) {
    return Painters().count(name) > 0;
}

BackdropInfo PaintBackdrop(QPainter& p, const QString& name, const QRect& rect,
                           const TopicTheme& topic) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const BackdropInfo info = Painters().at(name)(Canvas{p, rect}, topic);
    p.restore();
    return info;
}

} // namespace coursegen
