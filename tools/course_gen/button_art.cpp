#include "button_art.h"

#include "drawing.h"
#include "picture_files.h"
#include "theme.h"

#include <QPainterPath>
#include <functional>

namespace coursegen {

namespace {

constexpr const char* kRecipe = "buttons";
constexpr int kFrame = 33;

using Icon = std::function<void(QPainter&)>;

QPen Stroke(double width = 3) {
    return QPen(Qt::white, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Fill(QPainter& p, const QPolygonF& shape) {
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(shape);
}

void Label(QPainter& p, const QString& text, int size) {
    p.setFont(UiFont(size, true));
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, kFrame, kFrame), Qt::AlignCenter, text);
}

void Check(QPainter& p) {
    p.setPen(Stroke(3.4));
    p.drawPolyline(QPolygonF({{9.5, 17.5}, {14.5, 22.5}, {23.5, 11}}));
}

void Cross(QPainter& p) {
    p.setPen(Stroke(3.2));
    p.drawLine(QPointF(11, 11), QPointF(22, 22));
    p.drawLine(QPointF(11, 22), QPointF(22, 11));
}

void Again(QPainter& p) {
    p.setPen(Stroke(2.8));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(9.5, 9.5, 14, 14), 100 * 16, 290 * 16);
    Fill(p, QPolygonF({{15, 5.5}, {20.5, 9.5}, {15, 13.5}}));
}

void Leave(QPainter& p) {
    p.setPen(Stroke(2.6));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({{18, 9}, {10, 9}, {10, 24}, {18, 24}}));
    p.drawLine(QPointF(14, 16.5), QPointF(24, 16.5));
    Fill(p, QPolygonF({{21, 12}, {26.5, 16.5}, {21, 21}}));
}

void Person(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(14, 12), 4.2, 4.2);
    p.drawChord(QRectF(6.5, 17, 15, 14), 0, 180 * 16);
    p.setPen(Stroke(2.4));
    p.drawLine(QPointF(25, 9), QPointF(25, 17));
    p.drawLine(QPointF(21, 13), QPointF(29, 13));
}

void Chevron(QPainter& p, bool down) {
    p.setPen(Stroke(3.2));
    const double a = down ? 13 : 20, b = down ? 20 : 13;
    p.drawPolyline(QPolygonF({{10, a}, {16.5, b}, {23, a}}));
}

void Triangle(QPainter& p, bool down) {
    Fill(p, down ? QPolygonF({{9, 12}, {24, 12}, {16.5, 22}})
                 : QPolygonF({{9, 21}, {24, 21}, {16.5, 11}}));
}

void Microphone(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(13, 7, 7, 13), 3.5, 3.5);
    p.setPen(Stroke(2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(10, 10, 13, 13), 180 * 16, 180 * 16);
    p.drawLine(QPointF(16.5, 23), QPointF(16.5, 26.5));
    p.drawLine(QPointF(12.5, 26.5), QPointF(20.5, 26.5));
}

void Speaker(QPainter& p) {
    Fill(p, QPolygonF({{8, 13.5}, {12, 13.5}, {17, 9}, {17, 24}, {12, 19.5}, {8, 19.5}}));
    p.setPen(Stroke(2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(14, 12, 7, 9), -50 * 16, 100 * 16);
    p.drawArc(QRectF(14, 8.5, 12, 16), -50 * 16, 100 * 16);
}

void Next(QPainter& p) {
    p.setPen(Stroke(3));
    p.drawLine(QPointF(9, 16.5), QPointF(21, 16.5));
    Fill(p, QPolygonF({{19, 10.5}, {26, 16.5}, {19, 22.5}}));
}

void Play(QPainter& p) {
    Fill(p, QPolygonF({{13, 9.5}, {24, 16.5}, {13, 23.5}}));
}

void Stop(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(11, 11, 11, 11), 1.5, 1.5);
}

void Pause(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(11, 10, 4, 13));
    p.drawRect(QRectF(18, 10, 4, 13));
}

void Printer(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(12, 8, 9, 6));
    p.drawRoundedRect(QRectF(8, 13, 17, 9), 2, 2);
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(QRectF(12, 19, 9, 7));
    p.setPen(QPen(QColor(60, 90, 140), 1));
    p.drawLine(QPointF(13.5, 22), QPointF(19.5, 22));
    p.drawLine(QPointF(13.5, 24), QPointF(19.5, 24));
}

void PlayAll(QPainter& p) {
    p.setPen(Stroke(2.2));
    for (double y : {10.5, 16.5, 22.5}) {
        p.drawLine(QPointF(15, y), QPointF(25, y));
    }
    Fill(p, QPolygonF({{7.5, 11}, {13, 16.5}, {7.5, 22}}));
}

void Book(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({{7, 11}, {16, 13}, {16, 25}, {7, 23}}));
    p.drawPolygon(QPolygonF({{17, 13}, {26, 11}, {26, 23}, {17, 25}}));
}

struct Strip {
    const char* name;
    QColor colour;
    Icon icon;
};

QImage DrawStrip(const Strip& s) {
    QImage img(2 * kFrame, kFrame, QImage::Format_RGB32);
    img.fill(colours::kKey);
    QPainter p(&img);
    for (int frame = 0; frame < 2; ++frame) {
        p.save();
        p.translate(frame * kFrame, 0);
        // The round edge is drawn without smoothing: a blended edge pixel
        // would keep a trace of the magenta ground.
        p.setRenderHint(QPainter::Antialiasing, false);
        const QColor body = frame == 0 ? s.colour : s.colour.lighter(130);
        p.setPen(QPen(frame == 0 ? s.colour.darker(150) : colours::kGold, 2));
        p.setBrush(body);
        p.drawEllipse(QRect(1, 1, 30, 30));
        Smooth(p);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, frame == 0 ? 40 : 70));
        p.drawChord(QRectF(5, 4, 23, 14), 0, 180 * 16);
        s.icon(p);
        p.restore();
    }
    return img;
}

} // namespace

void MakeButtonStrips(Output& out) {
    const QColor blue(44, 92, 160), green(40, 146, 84), red(196, 60, 56), orange(224, 132, 24),
        teal(20, 140, 150), violet(120, 80, 170);
    const Strip strips[] = {
        {"cw_sprawdz", green, Check},
        {"cw_jeszcze_raz", blue, Again},
        {"cw_koniec", red, Leave},
        {"cw_pomoc", orange, [](QPainter& p) { Label(p, "?", 20); }},
        {"ok", green, Check},
        {"anuluj", red, Cross},
        {"nowy_user", blue, Person},
        {"op_dol", blue, [](QPainter& p) { Chevron(p, true); }},
        {"op_gora", blue, [](QPainter& p) { Chevron(p, false); }},
        {"mikrofonik", red, Microphone},
        {"glosniczek", teal, Speaker},
        {"cw_glosnik", teal, Speaker},
        {"strz_up", blue, [](QPainter& p) { Triangle(p, false); }},
        {"strz_dn", blue, [](QPainter& p) { Triangle(p, true); }},
        {"nast", blue, Next},
        {"cw_yes", green, [](QPainter& p) { Label(p, "TAK", 10); }},
        {"cw_no", red, [](QPainter& p) { Label(p, "NIE", 10); }},
        {"play", blue, Play},
        {"stop", blue, Stop},
        {"pause", blue, Pause},
        {"cw_polecenie", teal, [](QPainter& p) { Label(p, "i", 21); }},
        {"cw_drukuj", violet, Printer},
        {"cw_czytaj_all", teal, PlayAll},
        {"cw_slownik", violet, Book},
    };
    for (const Strip& s : strips) {
        MakePicture(out, QString("btn/") + s.name + ".bmp", PictureForm::Bmp24,
                    QByteArray(kRecipe) + " " + s.name, [&] { return DrawStrip(s); });
    }
}

} // namespace coursegen
