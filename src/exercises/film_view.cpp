#include "film_view.h"

#include "platform/media/widget_surface.h"

namespace lumora {
namespace {

constexpr int kFilmWidth = 352;
constexpr int kFilmHeight = 288;
// A recording has no picture: its panel is put aside, off the screen's edge.
constexpr int kPanelAsideLeft = 780;

} // namespace

FilmView::FilmView(QWidget& screen, SoundService& sound, bool shows)
    : sound_(sound), shows_(shows) {
    Panel2 = new Panel(&screen);
    Panel2->SetBounds(0, 0, kFilmWidth, kFilmHeight);
    Panel2->SetColor(kBlack);
    Panel2->hide();
    img_video = new Picture(&screen);
    img_video->SetBounds(0, 0, kFilmWidth, kFilmHeight);
    img_video->SetStretch(true);
    img_video->hide();
    panelLink_ = std::make_unique<ScreenElementLink>(*Panel2);
    stillLink_ = std::make_unique<ScreenElementLink>(*img_video);
    surface_ = std::make_unique<WidgetSurface>(Panel2);
}

FilmView::~FilmView() {
    // The sound service must not keep pointers into a screen that is gone.
    if (sound_.FilmPanel() == panelLink_.get()) {
        sound_.SetFilmPanel(nullptr);
    }
    if (sound_.FilmStill() == stillLink_.get()) {
        sound_.SetFilmStill(nullptr);
    }
    if (displaySet_) {
        sound_.MainPlayer().SetDisplay(nullptr);
    }
}

void FilmView::MoveTo(int x, int y) {
    Panel2->move(x, y);
    img_video->move(x, y);
}

void FilmView::Register() {
    sound_.SetFilmPanel(shows_ ? panelLink_.get() : nullptr);
    sound_.SetFilmStill(shows_ ? stillLink_.get() : nullptr);
}

void FilmView::Open(const ExerciseMediaFiles& media) {
    sound_.MainPlayer().SetDisplay(nullptr);
    displaySet_ = false;
    img_video->hide();
    Panel2->hide();
    film_ = media.FilmMode;
    if (media.ExerciseMedia.empty()) {
        return;
    }
    if (!media.FilmMode) {
        Panel2->move(kPanelAsideLeft, 0);
    } else if (shows_) {
        sound_.MainPlayer().SetDisplay(surface_.get());
        displaySet_ = true;
        img_video->LoadFromFile(media.StillPicture);
        img_video->show();
    }
}

void FilmView::Started() {
    if (film_ && shows_ && Panel2->isHidden()) {
        Panel2->show();
        img_video->hide();
    }
}

void FilmView::ShowStill() {
    if (film_ && shows_ && img_video->HasImage()) {
        Panel2->hide();
        img_video->show();
    }
}

void FilmView::Close() {
    film_ = false;
    Panel2->hide();
}

} // namespace lumora
