#include "listening_speed_control.h"

#include <QApplication>
#include <QKeyEvent>

#include "platform/message_box.h"
#include "platform/path_resolver.h"
#include "platform/ui/hints.h"
#include "users/listening_speed.h"

namespace lumora {
namespace {

constexpr int kHintMs = 1500;

// Sees the key before any control of the program, so no screen's own key
// handling can take it.
class KeyWatch final : public QObject {
  public:
    KeyWatch(const QWidget& screen, ListeningSpeedControl& control)
        : screen_(screen), control_(control) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !screen_.isVisible()) {
            return QObject::eventFilter(watched, event);
        }
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (key.key() != kListeningSpeedKey || key.modifiers() != Qt::NoModifier) {
            return QObject::eventFilter(watched, event);
        }
        if (!key.isAutoRepeat()) {
            control_.Cycle();
        }
        return true;
    }

  private:
    const QWidget& screen_;
    ListeningSpeedControl& control_;
};

} // namespace

ListeningSpeedControl::ListeningSpeedControl(QWidget& screen, const Session& session,
                                             SoundService& sound)
    : screen_(screen), session_(session), sound_(sound),
      keyWatch_(std::make_unique<KeyWatch>(screen, *this)) {}

ListeningSpeedControl::~ListeningSpeedControl() {
    qApp->removeEventFilter(keyWatch_.get());
}

std::string ListeningSpeedControl::SpeedFile() const {
    if (session_.CurrentUserFolder.empty()) {
        return {};
    }
    return ResolvePath(session_.CurrentUserFolder, kListeningSpeedFile);
}

void ListeningSpeedControl::ScreenOpened() {
    const std::string file = SpeedFile();
    const ListeningSpeedRead read = file.empty() ? ListeningSpeedRead{} : ReadListeningSpeed(file);
    percent_ = read.percent;
    if (read.fault) {
        ShowMessage(*read.fault);
    }
    sound_.SetTempo(SpeedTempo(percent_));
    qApp->installEventFilter(keyWatch_.get());
}

void ListeningSpeedControl::ScreenClosed() {
    qApp->removeEventFilter(keyWatch_.get());
    sound_.SetTempo(SpeedTempo(kNormalSpeed));
}

void ListeningSpeedControl::Cycle() {
    percent_ = NextListeningSpeed(percent_);
    sound_.SetTempo(SpeedTempo(percent_));
    ShowHintNow(screen_, "Tempo: " + std::to_string(percent_) + " %", kHintMs);
    const std::string file = SpeedFile();
    if (file.empty()) {
        return;
    }
    if (const std::optional<std::string> failure = WriteListeningSpeed(file, percent_)) {
        ShowMessage(*failure);
    }
}

void ListeningSpeedControl::CycleOnRightClick(Control& control) {
    auto earlier = control.OnMouseDown;
    control.OnMouseDown = [this, earlier](Qt::MouseButton button, int x, int y) {
        if (button == Qt::RightButton) {
            Cycle();
        }
        if (earlier) {
            earlier(button, x, y);
        }
    };
}

} // namespace lumora
