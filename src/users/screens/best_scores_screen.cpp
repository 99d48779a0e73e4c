#include "best_scores_screen.h"

#include "course/course_data.h"
#include "sound/sound_service.h"
#include "users/run_context.h"
#include "users/user_registry.h"

namespace lumora {
namespace {

// A long name is cut short of the totals' column rather than drawn over it.
constexpr int kNameLeft = 25;
constexpr int kTotalLeft = 200;
constexpr int kNameWidth = kTotalLeft - kNameLeft - 8;
constexpr int kRowStep = 24;

} // namespace

TTopFiveForm::TTopFiveForm(RunContext& run, const UserList& users)
    : Form(800, 600), run_(run), users_(users) {
    SetAccessibleTitle("Najlepsze wyniki");
    img_tlo = new Picture(this);
    img_tlo->SetBounds(0, 0, 800, 600);
    img_tlo->SetStretch(true);

    Label3 = new Label(this);
    FontSpec font;
    font.face = "MS Sans Serif";
    font.size = 10;
    font.bold = true;
    Label3->SetFont(font);
    Label3->SetAlignment(Alignment::Center);
    Label3->SetBounds(480, 160, 249, 16);
    Label3->SetCaption(run_.course.GetText(5));

    PaintBox1 = new PaintBox(this);
    PaintBox1->SetBounds(475, 184, 262, 249);
    PaintBox1->OnPaint = [this](Canvas& canvas) { PaintBox1Paint(canvas); };
    // By keys the arrows read the rows out; Escape goes back as the exit does.
    SetAccessibleName(*PaintBox1, Label3->Caption());
    rowKeys_ = std::make_unique<KeyboardGrid>(*PaintBox1);
    rowKeys_->ItemRect = [this](int i) {
        return QRect(0, kRowStep * i, PaintBox1->width(), kRowStep);
    };
    rowKeys_->ItemName = [this](int i) { return BestRowName(i); };
    SetKeyboardStart(PaintBox1);

    btn_exit = new Label(this);
    btn_exit->SetBounds(764, 4, 33, 45);
    SetCursor(*btn_exit, Cursor::HandPoint);
    btn_exit->OnClick = [this] { btn_exitClick(); };
    SetAccessibleName(*btn_exit, "Powrót do menu");
    OnEscape = [this] { btn_exitClick(); };
}

std::string TTopFiveForm::BestRowName(int i) const {
    const BestEntry& entry = bestList_[static_cast<std::size_t>(i)];
    return std::to_string(i + 1) + ". " + entry.name + ", " + std::to_string(entry.total) + " pkt";
}

void TTopFiveForm::FormShow() {
    const CourseData& course = run_.course;
    img_tlo->LoadFromFile(course.DataPath("gfx\\topten_tlo.bmp"));
    bestList_ = BuildBestList(users_, course.LearnersFolder());
    SortBestList(bestList_);
    rank_ = BestListRank(bestList_, run_.session.CurrentUserName);
    rowKeys_->SetCurrent(-1);
    rowKeys_->SetCount(std::min<int>(kBestListPaintedRows, static_cast<int>(bestList_.size())));
    run_.sound.PlaySound(course.DataPath(RankSoundName(rank_)), SoundMode::Interrupt);
    PaintBox1->update();
}

void TTopFiveForm::FormClose() {
    img_tlo->Clear();
}

void TTopFiveForm::PaintBox1Paint(Canvas& canvas) {
    canvas.Font.face = "Arial";
    canvas.Font.bold = false;
    canvas.Font.italic = false;
    canvas.Brush.style = BrushStyle::Clear;
    const int rows = std::min<int>(kBestListPaintedRows, static_cast<int>(bestList_.size()));
    for (int i = 1; i <= rows; ++i) {
        const BestEntry& entry = bestList_[static_cast<std::size_t>(i - 1)];
        canvas.Font.size = i == 1 ? 14 : (i <= 3 ? 12 : 10);
        const int y = kRowStep * (i - 1);
        canvas.TextOut(0, y, std::to_string(i) + ".");
        canvas.TextOut(kNameLeft, y, canvas.ElidedText(entry.name, kNameWidth));
        canvas.TextOut(kTotalLeft, y, std::to_string(entry.total));
    }
}

void TTopFiveForm::btn_exitClick() {
    Close();
}

} // namespace lumora
