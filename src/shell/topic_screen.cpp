#include "topic_screen.h"

#include "lesson_icons.h"

#include "course/lesson_kinds.h"
#include "course/main_menu_topics.h"
#include "elements/dialogs.h"
#include "exercises/catalogue.h"
#include "platform/message_box.h"
#include "platform/text_file.h"
#include "users/run_context.h"
#include <QEvent>

namespace lumora {
namespace {

constexpr int kListWidth = 445;
constexpr int kListHeight = 533;

} // namespace

std::string LessonNotReadyMessage(const CourseData& course, int row, int code) {
    const int hint = LessonKindOf(code).hint;
    std::string name = hint == 0 ? std::string() : course.GetHint(hint);
    if (const SteeringRow* lesson = course.Steering(row); name.empty() && lesson != nullptr) {
        name = lesson->Title;
    }
    const std::string which = name.empty() ? "To ćwiczenie" : "Ćwiczenie „" + name + "”";
    return which + " nie jest jeszcze dostępne w tej wersji kursu. Wybierz inne ćwiczenie.";
}

TSecondForm::TSecondForm(RunContext& run, const LessonScreens& lessons)
    : Form(800, 600), run_(run), lessonScreens_(lessons) {
    SetKeyPreview(true);
    SwallowAltF4();
    Img_tlo = new Picture(this);
    Img_tlo->SetBounds(0, 0, 800, 600);
    Img_tlo->SetStretch(true);
    Img_tlo->OnMouseMove = [this](int, int) { Img_tloMouseMove(); };

    PaintBox1 = new PaintBox(this);
    PaintBox1->SetBounds(344, 56, kListWidth, kListHeight);
    PaintBox1->setMouseTracking(true);
    PaintBox1->OnPaint = [this](Canvas& canvas) { PaintBox1Paint(canvas); };
    PaintBox1->OnMouseMove = [this](int x, int y) { PaintBox1MouseMove(x, y); };
    PaintBox1->OnMouseDown = [this](Qt::MouseButton, int x, int y) { PaintBox1MouseDown(x, y); };
    SetAccessibleName(*PaintBox1, "Ćwiczenia");
    lessonKeys_ = std::make_unique<KeyboardGrid>(*PaintBox1);
    // A line may hold several lessons' icons: the ring marks the icon.
    lessonKeys_->ItemRect = [this](int i) {
        const TopicHitArea& area = hitAreas_[static_cast<std::size_t>(i)];
        return QRect(area.left, area.top, area.right - area.left, area.bottom - area.top);
    };
    lessonKeys_->ItemName = [this](int i) {
        return LessonName(hitAreas_[static_cast<std::size_t>(i)]);
    };
    lessonKeys_->OnMove = [this](int i) {
        DescribeLesson(&hitAreas_[static_cast<std::size_t>(i)]);
    };
    lessonKeys_->OnActivate = [this](int i) { OpenLesson(hitAreas_[static_cast<std::size_t>(i)]); };
    SetKeyboardStart(PaintBox1);

    lbl_opis = new Label(this);
    FontSpec font;
    font.face = "MS Sans Serif";
    font.size = 8;
    font.bold = true;
    lbl_opis->SetFont(font);
    lbl_opis->SetAutoSize(true);
    lbl_opis->move(184, 564);

    btn_exit = new Label(this);
    btn_exit->SetBounds(770, 4, 25, 41);
    btn_exit->OnClick = [this] { btn_exitClick(); };
    SetCursor(*btn_exit, Cursor::HandPoint);
    SetAccessibleName(*btn_exit, "Powrót do menu");

    btn_polecenie = new TTransparentButton(this);
    btn_polecenie->SetBounds(12, 556, 33, 33);
    btn_polecenie->SetBitmapNormal(20);
    btn_polecenie->OnClick = [this] { btn_polecenieClick(); };
    SetCursor(*btn_polecenie, Cursor::HandPoint);
    SetHint(*btn_polecenie, run_.course.GetHint(50));
}

void TSecondForm::LessonClosed() {
    PaintBox1->update();
}

void TSecondForm::FormShow() {
    const CourseData& course = run_.course;
    const std::string& topic = run_.session.lesson.CurrentTopic;
    // The click areas are the painted list's; until this topic's list is
    // painted, a click starts nothing (not a lesson of the topic before).
    hitAreas_.clear();
    lessonKeys_->SetCurrent(-1);
    lessonKeys_->SetCount(0);
    recordHits_ = true;
    lbl_opis->SetCaption("");
    lbl_opis->hide();
    const std::string background = course.DataPath("tla\\menu\\" + topic + ".bmp");
    if (FileExists(background)) {
        Img_tlo->LoadFromFile(background);
    }
    style_.width = PaintBox1->width();
    style_ = TopicStyle(course, topic, style_);
    if (const TopicRow* row = course.FindTopic(topic)) {
        PaintBox1->move(row->ListLeft, row->ListTop);
        lbl_opis->move(row->DescLeft, row->DescTop);
        FontSpec font = lbl_opis->Font();
        font.colour = ToRgb(row->DescColour);
        lbl_opis->SetFont(font);
        lbl_opis->show();
    }
    lessons_ = lumora::TopicLessons(course, topic);
    SetAccessibleTitle(TopicName());
    SetFocusColour(style_.listColour);
    PaintBox1->update();
}

std::string TSecondForm::TopicName() const {
    const std::string& topic = run_.session.lesson.CurrentTopic;
    for (const MenuTopic& entry : MenuTopics()) {
        if (topic == entry.folder && !run_.course.GetHint(entry.hint).empty()) {
            return "Temat: " + run_.course.GetHint(entry.hint);
        }
    }
    return "Temat: " + topic;
}

std::string TSecondForm::LessonName(const TopicHitArea& area) const {
    const SteeringRow* lesson = run_.course.Steering(area.row);
    std::string name = lesson != nullptr ? lesson->Title : std::string();
    const int hint = LessonKindOf(area.code).hint;
    if (const std::string kind = hint == 0 ? std::string() : run_.course.GetHint(hint);
        !kind.empty()) {
        name += (name.empty() ? "" : ", ") + kind;
    }
    if (run_.session.points.IsDone(area.row)) {
        name += ", zrobione";
    }
    return name;
}

void TSecondForm::FormClose() {
    Img_tlo->Clear();
}

void TSecondForm::PaintBox1Paint(Canvas& canvas) {
    canvas.Font.face = "Arial";
    canvas.Font.size = 10;
    canvas.Font.bold = true;
    canvas.Font.colour = style_.listColour;
    canvas.Brush.style = BrushStyle::Clear;
    const auto measure = [&canvas](bool height) {
        return [&canvas, height](const std::string& text, bool bold) {
            canvas.Font.bold = bold;
            return height ? canvas.TextHeight(text) : canvas.TextWidth(text);
        };
    };
    const PointsTable& points = run_.session.points;
    const TopicListLayout layout =
        LayOutTopicList(run_.course, lessons_, style_, measure(false), measure(true),
                        [&points](int row) { return points.IsDone(row); });
    for (const auto& item : layout.items) {
        if (item.kind == TopicListItem::Kind::Icon) {
            canvas.DrawPicture(item.x, item.y, LessonIcon(item.code, item.done));
            continue;
        }
        canvas.Font.bold = item.bold;
        canvas.Font.colour = item.colour;
        canvas.TextOut(item.x, item.y, item.text);
    }
    if (recordHits_) {
        hitAreas_ = layout.hitAreas;
        lessonKeys_->SetCount(static_cast<int>(hitAreas_.size()));
        recordHits_ = false;
    }
}

void TSecondForm::PaintBox1MouseMove(int x, int y) {
    const TopicHitArea* area = HitTest(hitAreas_, x, y);
    if (area == nullptr) {
        SetHint(*PaintBox1, "");
    }
    SetCursor(*PaintBox1, area == nullptr ? Cursor::Arrow : Cursor::HandPoint);
    DescribeLesson(area);
}

void TSecondForm::DescribeLesson(const TopicHitArea* area) {
    if (area == nullptr) {
        lbl_opis->hide();
        return;
    }
    const int hint = LessonKindOf(area->code).hint;
    lbl_opis->SetCaption(hint == 0 ? std::string() : run_.course.GetHint(hint));
    lbl_opis->show();
}

void TSecondForm::PaintBox1MouseDown(int x, int y) {
    const TopicHitArea* area = HitTest(hitAreas_, x, y);
    if (area != nullptr) {
        OpenLesson(*area);
    }
}

void TSecondForm::OpenLesson(const TopicHitArea& area) {
    // A click that opened nothing would leave the learner guessing.
    if (lessonScreens_.OpenerOf(area.code) == nullptr) {
        ShowMessage(LessonNotReadyMessage(run_.course, area.row, area.code));
        return;
    }
    lessonScreens_.Start(run_.course, run_.session.lesson, area.row);
}

void TSecondForm::Img_tloMouseMove() {
    lbl_opis->hide();
}

void TSecondForm::btn_exitClick() {
    Close();
    if (OnExitToMenu) {
        OnExitToMenu();
    }
}

void TSecondForm::btn_polecenieClick() {
    run_.dialogs.ShowInformationText(run_.course.GetText(13));
}

// The list is painted again whenever the screen comes back to the front (an
// exercise above it has closed), so a lesson just done shows its done icon.
bool TSecondForm::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) {
        PaintBox1->update();
    }
    return Form::event(e);
}

bool TSecondForm::FormShortCut(int key, Qt::KeyboardModifiers) {
    if (key == Qt::Key_Escape) {
        Close();
        return true;
    }
    return false;
}

} // namespace lumora
