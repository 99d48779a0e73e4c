#pragma once
// The program's one top-level window: the full-screen black backdrop, with
// every screen, message box and dialog inside it as a child window centred on
// it. A window manager or a Wayland compositor then sees one window with one
// task-bar entry: a click on the black around a screen cannot bring the
// backdrop in front of it, and nobody but the program places the screens.
#include "input_barrier.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QSize>
#include <QWindow>

#include <functional>
#include <vector>

class QWidget;

namespace lumora {

class Stage : public QObject {
  public:
    // The host is the top-level backdrop; screens shown after this is made
    // appear inside it.
    explicit Stage(QWidget& host);
    ~Stage() override;
    Stage(const Stage&) = delete;
    Stage& operator=(const Stage&) = delete;

    // The stage of this run, if one is up (tests without one keep every form
    // a window of its own).
    static Stage* Current();

    // Makes a top-level widget a child window of the stage. Call it before
    // the widget is shown; doing it again does nothing.
    void Embed(QWidget& window);
    // Where a window of that size stands, centred on the stage on its grid.
    QPoint CentredPosition(QSize size) const;
    // The screen in front: the last shown or brought to the front of those
    // still visible.
    QWidget* Front() const;
    // The visible screens, in the order they were shown (the front one last).
    std::vector<QWidget*> Screens() const;
    // Puts a visible embedded window in front of the others, with the focus.
    void BringToFront(QWidget& window);

    // While a window is modal, the mouse and keys of the windows beneath it
    // are held back. The stage does this itself: the toolkit's modality would
    // block the backdrop too, which must keep hearing its focus and keys.
    void PushModal(QWidget& window);
    void PopModal(QWidget& window);

    // The top-level window: the one the window system knows, focuses and
    // closes.
    QWidget& Host() const { return host_; }

    // What a close of the backdrop by the window system does.
    std::function<void()> OnCloseRequest;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Hidden(QWidget& window);
    void ActivateFront();
    // The host's native window, made if it is not (again), with this filter.
    QWindow* HostWindow();
    void ReleaseScreens();
    bool HostWindowEvent(QEvent& event);
    bool BeneathModal(const QWidget& window) const;
    bool HoldsBackInputTo(const QObject& receiver) const;

    QWidget& host_;
    QPointer<QWindow> filteredHostWindow_;
    std::vector<QPointer<QWidget>> embedded_;
    std::vector<QPointer<QWidget>> shown_;
    std::vector<QPointer<QWidget>> modal_;
    bool closeAsked_ = false;
    InputBarrier barrier_{[this](const QObject& receiver) { return HoldsBackInputTo(receiver); }};
};

} // namespace lumora
