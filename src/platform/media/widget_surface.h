#pragma once
// A widget as a film's display surface: the player's frames are painted over
// the widget, scaled to its size.
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <atomic>
#include <mutex>

#include "video_surface.h"

namespace lumora {

class WidgetSurface final : public QObject, public VideoSurface {
  public:
    explicit WidgetSurface(QWidget* widget);
    ~WidgetSurface() override;

    SurfaceSize Size() const override;
    void Present(const std::uint8_t* pixels, int width, int height) override;

    // The last frame shown and how many were shown, for tests and benchmarks.
    QImage LastFrame() const;
    int FramesPresented() const { return framesPresented_.load(); }

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPointer<QWidget> widget_; // the panel may go first
    std::atomic<int> width_;
    std::atomic<int> height_;
    std::atomic<bool> updatePending_{false};
    std::atomic<int> framesPresented_{0};
    mutable std::mutex mutex_;
    QImage frame_;
};

} // namespace lumora
