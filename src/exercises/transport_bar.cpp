#include "transport_bar.h"

#include "exercise_art.h"
#include "frame_layout.h"
#include "platform/media/media_path.h"
#include "transport_knob.h"

namespace lumora {
namespace {

TTransparentButton* MakeButton(QWidget& screen, int left, int picture, const char* hint) {
    auto* button = new TTransparentButton(&screen);
    button->move(left, 12);
    button->SetBitmapNormal(picture);
    SetCursor(*button, Cursor::HandPoint);
    SetHint(*button, hint);
    return button;
}

void SetPlace(QWidget& widget, const Rect& place) {
    widget.setGeometry(place.left, place.top, place.width, place.height);
}

} // namespace

TransportBar::TransportBar(QWidget& screen, SoundService& sound) : sound_(sound) {
    CreateButtons(screen);
    CreateTrack(screen);
    Timer1.SetInterval(kKnobInterval);
    Timer1.SetEnabled(false);
    Timer1.OnTimer = [this] { Timer1Timer(); };
}

TransportBar::~TransportBar() {
    // The sound service must not keep a pointer into a screen that is gone.
    if (sound_.MediaTimer() == &timerLink_) {
        sound_.SetMediaTimer(nullptr);
    }
}

void TransportBar::CreateButtons(QWidget& screen) {
    btn_play = MakeButton(screen, 106, 17, "Play");
    btn_play->OnClick = [this] { btn_playClick(); };
    btn_stop = MakeButton(screen, 175, 18, "Stop");
    btn_stop->OnClick = [this] { btn_stopClick(); };
    btn_pause = MakeButton(screen, 247, 19, "Pause");
    btn_pause->OnClick = [this] { btn_pauseClick(); };
}

void TransportBar::CreateTrack(QWidget& screen) {
    const TransportPlaces places = PlaceTransport(106, 45);
    shape1 = new Picture(&screen);
    SetPlace(*shape1, places.track);
    shape1->SetImage(TrackArt());
    shape1->OnMouseDown = [this](Qt::MouseButton button, int x, int) {
        if (button == Qt::LeftButton) {
            Shape1MouseDown(x);
        }
    };
    shape2 = new Picture(&screen);
    SetPlace(*shape2, places.knob);
    shape2->SetImage(KnobArt());
    SetCursor(*shape2, Cursor::HandPoint);
    shape2->OnMouseDown = [this](Qt::MouseButton button, int, int) {
        if (button == Qt::LeftButton) {
            Shape2MouseDown();
        }
    };
    shape2->OnMouseMove = [this](int x, int) { Shape2MouseMove(x); };
    shape2->OnMouseUp = [this](Qt::MouseButton, int, int) { Shape2MouseUp(); };
}

void TransportBar::Place(int x, int y, bool visible) {
    const TransportPlaces places = PlaceTransport(x, y);
    btn_play->move(places.play.left, places.play.top);
    btn_stop->move(places.stop.left, places.stop.top);
    btn_pause->move(places.pause.left, places.pause.top);
    SetPlace(*shape1, places.track);
    SetPlace(*shape2, places.knob);
    SetVisible(visible);
}

void TransportBar::SetVisible(bool visible) {
    for (QWidget* part : {static_cast<QWidget*>(btn_play), static_cast<QWidget*>(btn_stop),
                          static_cast<QWidget*>(btn_pause), static_cast<QWidget*>(shape1),
                          static_cast<QWidget*>(shape2)}) {
        part->setVisible(visible);
    }
}

void TransportBar::Reset() {
    PutKnob(0);
    dragging_ = false;
    sound_.SetMediaTimer(&timerLink_);
    Timer1.SetEnabled(false);
}

void TransportBar::Release() {
    Timer1.SetEnabled(false);
    sound_.SetMediaTimer(nullptr);
}

void TransportBar::FollowPlayer() {
    if (HoldsMedia()) {
        const MediaPlayer& player = sound_.MainPlayer();
        PutKnob(lumora::KnobOffset(player.Position(), player.Length()));
    }
}

bool TransportBar::Rewound() const {
    const MediaPlayer& player = sound_.MainPlayer();
    return HoldsMedia() && player.Mode() != PlayerMode::Playing && player.Position() == 0;
}

void TransportBar::btn_playClick() {
    shape1->setEnabled(true);
    shape2->setEnabled(true);
    Timer1.SetEnabled(false);
    sound_.PlayMedia(media_, false);
    if (OnPlay) {
        OnPlay();
    }
}

void TransportBar::btn_stopClick() {
    sound_.StopMedia();
    PutKnob(0);
    if (OnStop) {
        OnStop();
    }
}

void TransportBar::btn_pauseClick() {
    sound_.PauseMedia();
}

void TransportBar::Timer1Timer() {
    const MediaPlayer& player = sound_.MainPlayer();
    if (dragging_ || player.Mode() != PlayerMode::Playing) {
        return;
    }
    PutKnob(lumora::KnobOffset(player.Position(), player.Length()));
}

void TransportBar::Shape1MouseDown(int x) {
    dragging_ = false;
    Timer1.SetEnabled(false);
    PutKnob(x);
    SeekAndPlay(x);
}

void TransportBar::Shape2MouseDown() {
    dragging_ = true;
}

void TransportBar::Shape2MouseMove(int x) {
    if (dragging_) {
        shape2->move(ClampKnob(shape2->x() + x, shape1->x(), shape1->width()), shape2->y());
    }
}

void TransportBar::Shape2MouseUp() {
    dragging_ = false;
    Timer1.SetEnabled(false);
    SeekAndPlay(KnobOffset());
}

void TransportBar::PutKnob(int offset) {
    shape2->move(shape1->x() + offset, shape2->y());
}

bool TransportBar::HoldsMedia() const {
    const MediaPlayer& player = sound_.MainPlayer();
    return !media_.empty() && player.Mode() != PlayerMode::NotReady &&
           player.FileName() == MediaFileOnDisk(media_);
}

void TransportBar::SeekAndPlay(int step) {
    // A seek acts on whatever the main player holds. While that is still the
    // help sound, the lesson's media is opened first, or the seek would move
    // the help and the recording would start from its beginning.
    if (!HoldsMedia()) {
        sound_.PlayMedia(media_, false);
    }
    if (HoldsMedia()) {
        sound_.SeekMedia(step);
    }
    btn_playClick();
    Timer1.SetEnabled(true);
}

} // namespace lumora
