#include "dialog_art.h"

#include "drawing.h"
#include "emoji.h"
#include "picture_files.h"
#include "theme.h"

#include <utility>

namespace coursegen {

namespace {

constexpr const char* kRecipe = "dialogs";

// A dark box with a gold line along its top: the ground of white texts.
QImage DarkBox(int w, int h) {
    QImage img = Blank(w, h, colours::kNight);
    QPainter p(&img);
    Smooth(p);
    VerticalGradient(p, img.rect(), QColor(40, 60, 92), colours::kNightDeep);
    p.fillRect(QRectF(0, 0, w, 4), colours::kGold);
    p.setPen(QPen(QColor(255, 255, 255, 50), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
    return img;
}

// Question dialog, 246 x 138: the white question at 16, 16 and two buttons
// at the bottom right.
QImage Question() {
    QImage img = DarkBox(246, 138);
    QPainter p(&img);
    Smooth(p);
    Emoji::Draw(p, "❓", QRectF(18, 96, 30, 34));
    return img;
}

// Message box, 455 x 101, stretched: a title strip, black text at 16, 43 on
// paper, the close area at 428, 4.
QImage Message() {
    QImage img = Blank(455, 101, colours::kPaper);
    QPainter p(&img);
    Smooth(p);
    VerticalGradient(p, QRectF(0, 0, 455, 36), colours::kNight, colours::kNightDeep);
    p.fillRect(QRectF(0, 36, 455, 2), colours::kGold);
    p.setFont(UiFont(14, true));
    p.setPen(Qt::white);
    p.drawText(QRectF(16, 0, 380, 36), Qt::AlignLeft | Qt::AlignVCenter, "Komunikat");
    p.setPen(QPen(QColor(200, 200, 200), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 454, 100));
    CloseMark(p, QRectF(428, 4, 25, 29));
    return img;
}

// Result box, 277 x 134: white bold result at 20, 28; the close area at 248,
// 8; to the right of the result a picture of how well it went.
QImage Result(const char* picture) {
    QImage img = DarkBox(277, 134);
    QPainter p(&img);
    Smooth(p);
    Emoji::Draw(p, picture, QRectF(212, 50, 54, 60));
    CloseMark(p, QRectF(248, 8, 21, 29));
    return img;
}

// Information screen, 448 x 225: a title strip that is also the drag handle
// (4, 4, 157 x 39), the close area at 416, 8, the text box at 8, 52 and a
// column on the right for the two scroll arrows.
QImage Information() {
    QImage img = Blank(448, 225, colours::kPaper);
    QPainter p(&img);
    Smooth(p);
    VerticalGradient(p, QRectF(0, 0, 448, 46), colours::kNight, colours::kNightDeep);
    p.fillRect(QRectF(0, 46, 448, 2), colours::kGold);
    Emoji::Draw(p, "💡", QRectF(10, 9, 28, 28));
    p.setFont(UiFont(16, true));
    p.setPen(Qt::white);
    p.drawText(QRectF(44, 4, 200, 39), Qt::AlignLeft | Qt::AlignVCenter, "Informacja");
    p.fillRect(QRectF(405, 48, 43, 177), QColor(236, 230, 216));
    p.setPen(QPen(QColor(190, 190, 190), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 447, 224));
    CloseMark(p, QRectF(416, 8, 25, 29));
    return img;
}

// Login, 246 x 187: the list of learners at 25, 25 and three buttons below.
QImage Login() {
    QImage img = DarkBox(246, 187);
    QPainter p(&img);
    Smooth(p);
    p.setFont(UiFont(12, true));
    p.setPen(Qt::white);
    p.drawText(QRectF(25, 5, 196, 18), Qt::AlignLeft | Qt::AlignVCenter, "Kto dziś się uczy?");
    Emoji::Draw(p, "👋", QRectF(22, 148, 34, 33));
    return img;
}

// New user, 280 x 106: the white caption ends at x 78, the name field at
// 80, 32, buttons at the bottom right.
QImage NewUser() {
    QImage img = DarkBox(280, 106);
    QPainter p(&img);
    Smooth(p);
    p.setFont(UiFont(12, true));
    p.setPen(Qt::white);
    p.drawText(QRectF(12, 6, 250, 20), Qt::AlignLeft | Qt::AlignVCenter, "Nowy użytkownik");
    Emoji::Draw(p, "🙂", QRectF(14, 68, 32, 32));
    return img;
}

// Best scores, 800 x 600: the caption at 480, 160, the list at 475, 184
// (262 x 249) on a white card, the close area at 764, 4.
QImage BestScores() {
    QImage img = Blank(800, 600, colours::kPaper);
    QPainter p(&img);
    Smooth(p);
    VerticalGradient(p, img.rect(), QColor(255, 240, 200), QColor(250, 222, 160));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 80));
    p.drawEllipse(QPointF(230, 330), 250, 250);
    Emoji::Draw(p, "🏆", QRectF(140, 190, 180, 180));
    p.setFont(UiFont(44, true));
    p.setPen(QColor(120, 80, 10));
    p.drawText(QRectF(40, 40, 420, 60), Qt::AlignCenter, "Najlepsi");
    p.setFont(UiFont(18, false));
    p.drawText(QRectF(40, 100, 420, 30), Qt::AlignCenter, "The best learners");
    const double stepWidth = 110;
    const int heights[] = {70, 110, 50};
    const char* places[] = {"2", "1", "3"};
    for (int i = 0; i < 3; ++i) {
        const QRectF step(75 + i * stepWidth, 520 - heights[i], stepWidth - 6, heights[i]);
        RoundedPanel(p, step, 6, QColor(200, 140, 30), QColor(150, 100, 20), 2);
        p.setPen(Qt::white);
        p.setFont(UiFont(28, true));
        p.drawText(step, Qt::AlignCenter, places[i]);
    }
    const QRectF card(462, 148, 288, 300);
    SoftShadow(p, card, 18, 60);
    RoundedPanel(p, card, 18, Qt::white, QColor(220, 180, 90), 2);
    CloseMark(p, QRectF(764, 4, 33, 45));
    return img;
}

} // namespace

void MakeDialogBackgrounds(Output& out) {
    MakePicture(out, CourseName(lumora::kQuestionPicture), PictureForm::Bmp24, kRecipe, Question);
    MakePicture(out, CourseName(lumora::kMessagePicture), PictureForm::Bmp24, kRecipe, Message);
    // The program picks the result picture by the score: gold, silver, bronze,
    // and below half a sign to keep going.
    const std::pair<const char*, const char*> results[] = {{lumora::kResultBoxPicture, "💪"},
                                                           {"gfx\\statystyka1.bmp", "🥇"},
                                                           {"gfx\\statystyka2.bmp", "🥈"},
                                                           {"gfx\\statystyka3.bmp", "🥉"}};
    for (const auto& [file, picture] : results) {
        MakePicture(out, CourseName(file), PictureForm::Bmp24, QByteArray(kRecipe) + " " + picture,
                    [picture] { return Result(picture); });
    }
    MakePicture(out, CourseName(lumora::kInformationPicture), PictureForm::Bmp24, kRecipe,
                Information);
    MakePicture(out, CourseName(lumora::kLoginPicture), PictureForm::Bmp24, kRecipe, Login);
    MakePicture(out, CourseName(lumora::kNewUserPicture), PictureForm::Bmp24, kRecipe, NewUser);
    MakePicture(out, CourseName(lumora::kBestScoresPicture), PictureForm::Bmp8, kRecipe,
                BestScores);
}

} // namespace coursegen
