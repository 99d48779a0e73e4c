#include "widget_surface.h"
#include "platform/ui/smooth_pictures.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPainter>
#include <QWidget>

#include <cstring>

namespace lumora {
namespace {

const QEvent::Type kFrameReady = static_cast<QEvent::Type>(QEvent::registerEventType());

} // namespace

WidgetSurface::WidgetSurface(QWidget* widget)
    : widget_(widget), width_(widget->width()), height_(widget->height()) {
    widget_->installEventFilter(this);
}

WidgetSurface::~WidgetSurface() {
    if (widget_) {
        widget_->removeEventFilter(this);
    }
}

SurfaceSize WidgetSurface::Size() const {
    return {width_.load(), height_.load()};
}

void WidgetSurface::Present(const std::uint8_t* pixels, int width, int height) {
    {
        std::lock_guard lock(mutex_);
        if (frame_.width() != width || frame_.height() != height) {
            frame_ = QImage(width, height, QImage::Format_RGB32);
        }
        for (int y = 0; y < height; ++y) {
            std::memcpy(frame_.scanLine(y), pixels + static_cast<std::size_t>(y) * width * 4,
                        static_cast<std::size_t>(width) * 4);
        }
    }
    ++framesPresented_;
    // Painting happens on the widget's own thread; one request at a time.
    if (!updatePending_.exchange(true)) {
        QCoreApplication::postEvent(this, new QEvent(kFrameReady));
    }
}

QImage WidgetSurface::LastFrame() const {
    std::lock_guard lock(mutex_);
    return frame_.copy();
}

bool WidgetSurface::event(QEvent* event) {
    if (event->type() != kFrameReady) {
        return QObject::event(event);
    }
    updatePending_ = false;
    if (widget_) {
        widget_->update();
    }
    return true;
}

bool WidgetSurface::eventFilter(QObject* watched, QEvent* event) {
    if (watched != widget_) {
        return false;
    }
    if (event->type() == QEvent::Resize) {
        width_ = widget_->width();
        height_ = widget_->height();
    } else if (event->type() == QEvent::Paint) {
        std::lock_guard lock(mutex_);
        if (!frame_.isNull()) {
            QPainter painter(widget_);
            SmoothScaledPictures(painter);
            painter.drawImage(widget_->rect(), frame_);
            return true;
        }
    }
    return false;
}

} // namespace lumora
