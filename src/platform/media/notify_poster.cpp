#include "notify_poster.h"

#include <QCoreApplication>
#include <QEvent>

namespace lumora {
namespace {

const QEvent::Type kNotifyEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

class NotifyEvent final : public QEvent {
  public:
    explicit NotifyEvent(NotifyValue value) : QEvent(kNotifyEvent), value_(value) {}
    NotifyValue Value() const { return value_; }

  private:
    NotifyValue value_;
};

} // namespace

void NotifyPoster::Post(NotifyValue value) {
    QCoreApplication::postEvent(this, new NotifyEvent(value));
}

bool NotifyPoster::event(QEvent* event) {
    if (event->type() != kNotifyEvent) {
        return QObject::event(event);
    }
    // A copy, because the handler may replace itself.
    const MediaPlayer::NotifyHandler handler = handler_;
    if (handler) {
        handler(static_cast<NotifyEvent*>(event)->Value());
    }
    return true;
}

} // namespace lumora
