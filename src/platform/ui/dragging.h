#pragma once
// Dragging a control over its form with the mouse, as the sorting
// exercises do: the left button pressed on a drag source starts the drag at
// once; while the button is held the control, brought to the front, follows
// the pointer over every drop target that accepts it; releasing the button
// drops it. All points are in the form's coordinates.
//
// The control is moved as an ordinary child widget, so the form's backing
// store repaints only the two places it left and entered: no flicker, and no
// window of its own that could lag behind the pointer. The same drag can be
// driven without the mouse (Begin, MoveTo, End), for keys and tests.
#include "control.h"

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <functional>
#include <map>

namespace lumora {

class Dragging : public QObject {
  public:
    // Lives as long as the form, which owns it.
    explicit Dragging(QWidget& form);
    ~Dragging() override;

    // A control the left button drags.
    void AddSource(QWidget& source);
    // A drop target: the pointer over it, or over a child of it that is not a
    // target itself, may drop there when accepts says so (always without one).
    // The dragged control is under the pointer, so it is normally a target.
    void AddTarget(QWidget& target, std::function<bool(QWidget& source)> accepts = {});

    // The cursor during a drag, over a target that accepts; elsewhere the
    // cursor shows that the drop is refused.
    Cursor DragCursor = Cursor::HandPoint;
    // Where the dragged control stands: centred on the pointer, then moved by
    // this offset.
    QPoint FollowOffset;

    // A drag may start: false keeps the control where it is (and no other
    // event follows).
    std::function<bool(QWidget& source)> OnStartDrag;
    // The pointer moved during a drag; target is the accepting target under
    // it, or nullptr.
    std::function<void(QWidget& source, QWidget* target, QPoint at)> OnDragOver;
    // The drag ended at the point: dropped on the accepting target, or
    // refused (nullptr) when no target accepts there or the drag was broken
    // off.
    std::function<void(QWidget& source, QWidget* target, QPoint at)> OnEndDrag;

    // Starts a drag of the source with the pointer at the point; false when
    // one is going on already or OnStartDrag refuses.
    bool Begin(QWidget& source, QPoint at);
    void MoveTo(QPoint at);
    void End(QPoint at);
    // Ends the drag as refused where the control stands.
    void Cancel();
    QWidget* Dragged() const { return dragged_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The accepting target at the point, or nullptr.
    QWidget* TargetAt(QPoint at) const;
    QPoint FormPoint(const QMouseEvent& event) const;
    void ShowCursor(bool accepted);
    void Finish(QWidget* target, QPoint at);

    QWidget& form_;
    std::map<const QWidget*, std::function<bool(QWidget&)>> targets_;
    QPointer<QWidget> dragged_;
    QPoint last_;
    bool cursorSet_ = false;
};

} // namespace lumora
