#include "form.h"

#include "accessibility.h"
#include "control.h"
#include "focus_ring.h"
#include "fonts.h"
#include "keyboard_navigation.h"
#include "stage.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWindow>

#include <algorithm>

namespace lumora {

bool IsEnterKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

Form::Form(int width, int height) : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    setFixedSize(width, height);
    setWindowTitle(QString::fromLatin1(kApplicationTitle));
    setAutoFillBackground(true);
    SetColor(kBlack);
    WatchKeyboardMode();
    InstallAccessibility();
    modeWatch_ = std::make_unique<KeyboardModeWatch>([this](bool) { UpdateFocusMark(); });
    QObject::connect(qApp, &QApplication::focusChanged, this, [this] { FocusMayHaveMoved(); });
}

Form::~Form() {
    if (modalLoop_ != nullptr) {
        modalLoop_->exit();
    }
}

void Form::SetColor(Rgb colour) {
    QPalette p = palette();
    p.setColor(QPalette::Window, ToQColor(colour));
    setPalette(p);
}

void Form::SetAccessibleTitle(const std::string& title) {
    setAccessibleName(QString::fromStdString(title));
}

void Form::SetFocusColour(Rgb colour) {
    ringColour_ = colour;
    if (ring_ != nullptr) {
        ring_->SetColour(colour);
    }
}

void Form::AddArrowGroup(std::vector<QWidget*> members) {
    arrowGroups_.push_back(std::move(members));
    groupFocus_.push_back(nullptr);
}

const std::vector<QWidget*>* Form::GroupOf(const QWidget& widget) const {
    for (const auto& group : arrowGroups_) {
        if (std::find(group.begin(), group.end(), &widget) != group.end()) {
            return &group;
        }
    }
    return nullptr;
}

bool Form::IsTabStopHere(const QWidget& widget) const {
    // A control outside the form (reached by a key of the screen's only) is no stop.
    if (&widget == this || widget.window() != this || !widget.isVisibleTo(this) ||
        !widget.isEnabled() || widget.property("lumora-decoration").toBool() ||
        !rect().intersects(QRect(widget.mapTo(this, QPoint(0, 0)), widget.size()))) {
        return false;
    }
    if (const auto* control = dynamic_cast<const Control*>(&widget)) {
        return control->IsTabStop();
    }
    return (widget.focusPolicy() & Qt::TabFocus) != 0;
}

namespace {

QRect PlaceIn(const QWidget& widget, const QWidget& form) {
    return {widget.mapTo(&form, QPoint(0, 0)), widget.size()};
}

std::vector<QWidget*> InReadingOrder(const std::vector<QWidget*>& widgets, const QWidget& form) {
    std::vector<QRect> places;
    places.reserve(widgets.size());
    for (const QWidget* w : widgets) {
        places.push_back(PlaceIn(*w, form));
    }
    std::vector<QWidget*> ordered;
    for (int i : ReadingOrder(places)) {
        ordered.push_back(widgets[static_cast<std::size_t>(i)]);
    }
    return ordered;
}

} // namespace

std::vector<QWidget*> Form::TabStops() const {
    std::vector<QWidget*> stops;
    for (QWidget* child : findChildren<QWidget*>()) {
        if (IsTabStopHere(*child) && GroupOf(*child) == nullptr) {
            stops.push_back(child);
        }
    }
    // A group is one stop: the member focused last, else its first.
    for (std::size_t g = 0; g < arrowGroups_.size(); ++g) {
        std::vector<QWidget*> members;
        for (QWidget* member : arrowGroups_[g]) {
            if (IsTabStopHere(*member)) {
                members.push_back(member);
            }
        }
        if (members.empty()) {
            continue;
        }
        QWidget* last = groupFocus_[g];
        const bool lastShown = std::find(members.begin(), members.end(), last) != members.end();
        stops.push_back(lastShown ? last : InReadingOrder(members, *this).front());
    }
    return InReadingOrder(stops, *this);
}

QWidget* Form::FocusedWidget() const {
    QWidget* focused = focusWidget();
    return focused != nullptr && focused != this && focused->window() == this ? focused : nullptr;
}

bool Form::MoveFocus(bool forward) {
    const std::vector<QWidget*> stops = TabStops();
    if (stops.empty()) {
        return false;
    }
    const int count = static_cast<int>(stops.size());
    int at = -1;
    if (QWidget* focused = FocusedWidget()) {
        const auto* group = GroupOf(*focused);
        for (int i = 0; i < count; ++i) {
            const QWidget* stop = stops[static_cast<std::size_t>(i)];
            if (stop == focused || (group != nullptr && GroupOf(*stop) == group)) {
                at = i;
            }
        }
    }
    const int next = at < 0 ? (forward ? 0 : count - 1) : (at + (forward ? 1 : count - 1)) % count;
    stops[static_cast<std::size_t>(next)]->setFocus(forward ? Qt::TabFocusReason
                                                            : Qt::BacktabFocusReason);
    FocusMayHaveMoved();
    return true;
}

QRect Form::FocusMark() const {
    return ring_ != nullptr && ring_->isVisible() ? ring_->geometry() : QRect();
}

bool Form::HasTheKeys() const {
    // On the stage a screen's window is a child window, which Qt does not
    // count as active; the screen in front has the keys there.
    if (const Stage* stage = Stage::Current(); stage != nullptr && stage->Front() == this) {
        return true;
    }
    return isActiveWindow();
}

void Form::UpdateFocusMark() {
    QWidget* focused = KeyboardModeOn() && HasTheKeys() ? FocusedWidget() : nullptr;
    if (focused == nullptr) {
        if (ring_ != nullptr) {
            ring_->Mark(nullptr);
        }
        return;
    }
    if (ring_ == nullptr) {
        ring_ = new FocusRing(*this);
        ring_->SetColour(ringColour_);
    }
    const QRect target = FocusTargetRect(*focused, *this);
    ring_->Mark(&target);
}

void Form::FocusMayHaveMoved() {
    QWidget* now = FocusedWidget();
    if (now != lastFocus_) {
        QPointer<QWidget> before = lastFocus_;
        lastFocus_ = now;
        if (auto* control = dynamic_cast<Control*>(before.data())) {
            control->FocusChanged(false);
        }
        for (std::size_t g = 0; g < arrowGroups_.size(); ++g) {
            const auto& group = arrowGroups_[g];
            if (std::find(group.begin(), group.end(), now) != group.end()) {
                groupFocus_[g] = now;
            }
        }
        if (now != nullptr) {
            AnnounceFocus(*now, !isActiveWindow());
        }
        if (auto* control = dynamic_cast<Control*>(now)) {
            control->FocusChanged(true);
        }
    }
    UpdateFocusMark();
}

bool HasKeyboardFocus(const QWidget& widget) {
    const auto* form = dynamic_cast<const Form*>(widget.window());
    return form != nullptr && form->FocusedWidget() == &widget && form->HasTheKeys();
}

void FocusTargetMoved(QWidget& widget) {
    if (auto* form = dynamic_cast<Form*>(widget.window())) {
        form->UpdateFocusMark();
    }
}

void Form::CentreOnScreen() {
    if (const Stage* stage = Stage::Current()) {
        move(stage->CentredPosition(size()));
        return;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect g = screen->geometry();
    move(g.left() + g.width() / 2 - width() / 2, g.top() + g.height() / 2 - height() / 2);
}

void Form::Show() {
    Stage* stage = Stage::Current();
    if (stage != nullptr) {
        stage->Embed(*this);
    }
    show();
    if (stage != nullptr) {
        stage->BringToFront(*this);
    } else {
        raise();
        activateWindow();
    }
}

void Form::ShowModal() {
    if (isVisible()) {
        hide();
    }
    Stage* stage = Stage::Current();
    if (stage != nullptr) {
        stage->PushModal(*this);
    } else {
        setWindowModality(Qt::ApplicationModal);
    }
    QEventLoop loop;
    modalLoop_ = &loop;
    Show();
    if (isVisible()) {
        loop.exec(QEventLoop::DialogExec);
    }
    modalLoop_ = nullptr;
    if (stage != nullptr && Stage::Current() == stage) {
        stage->PopModal(*this);
    } else {
        setWindowModality(Qt::NonModal);
    }
}

void Form::Close() {
    close();
}

void Form::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!windowFiltered_ && windowHandle() != nullptr) {
        windowHandle()->installEventFilter(this);
        windowFiltered_ = true;
    }
    if (!event->spontaneous()) {
        CentreOnScreen();
        FormShow();
        TellControlsWhereThePointerIs();
        if (KeyboardModeOn() && keyboardStart_ != nullptr && FocusedWidget() == nullptr &&
            IsTabStopHere(*keyboardStart_)) {
            keyboardStart_->setFocus(Qt::OtherFocusReason);
        }
        FocusMayHaveMoved();
    }
}

void Form::TellControlsWhereThePointerIs() {
    const QPoint pointer = QCursor::pos();
    // Controls carry no meta-object of their own, so qobject_cast would take
    // any widget for one.
    for (QWidget* child : findChildren<QWidget*>()) {
        auto* control = dynamic_cast<Control*>(child);
        if (control != nullptr && control->isVisibleTo(this)) {
            control->ScreenShown(control->rect().contains(control->mapFromGlobal(pointer)));
        }
    }
}

void Form::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (modalLoop_ != nullptr && !event->spontaneous()) {
        modalLoop_->exit();
    }
}

void Form::closeEvent(QCloseEvent* event) {
    if (swallowAltF4_ && event->spontaneous()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

namespace {

constexpr Qt::KeyboardModifiers kCommandModifiers =
    Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

bool IsArrowKey(int key) {
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

} // namespace

// The order keys are offered in: the control with the focus (in the keyboard
// mode), the screen's shortcut handler, its key handler with key preview,
// then Tab and the arrows of a group; what is left goes to the focused control.
bool Form::PreviewKey(QKeyEvent& event) {
    const int key = event.key();
    const auto modifiers = event.modifiers();
    if (swallowAltF4_ && key == Qt::Key_F4 && (modifiers & Qt::AltModifier)) {
        return true;
    }
    if (Control* control = FocusedKeyControl(key, modifiers)) {
        // A held Enter or Space presses the control once, as a held mouse
        // button clicks once.
        if (event.isAutoRepeat() && (key == Qt::Key_Space || IsEnterKey(key))) {
            return true;
        }
        if (control->KeyPressed(key, modifiers)) {
            return true;
        }
    }
    if (FormShortCut(key, modifiers)) {
        return true;
    }
    if (keyPreview_) {
        int k = key;
        FormKeyDown(k, modifiers);
        if (k == 0) {
            return true;
        }
    }
    return NavigationKey(key, modifiers);
}

Control* Form::FocusedKeyControl(int key, Qt::KeyboardModifiers modifiers) {
    if (!KeyboardModeOn() || (modifiers & kCommandModifiers) || key == Qt::Key_Tab ||
        key == Qt::Key_Backtab || key == Qt::Key_Escape) {
        return nullptr;
    }
    auto* control = dynamic_cast<Control*>(FocusedWidget());
    return control != nullptr && IsTabStopHere(*control) ? control : nullptr;
}

bool Form::NavigationKey(int key, Qt::KeyboardModifiers modifiers) {
    if (modifiers & kCommandModifiers) {
        return false;
    }
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        return MoveFocus(key == Qt::Key_Tab && !(modifiers & Qt::ShiftModifier));
    }
    if (!IsArrowKey(key)) {
        return false;
    }
    if (QWidget* focused = FocusedWidget(); focused != nullptr && IsTabStopHere(*focused)) {
        // Lists and grids take their own arrows.
        return GroupOf(*focused) != nullptr && ArrowInGroup(*focused, key);
    }
    // Nothing has the focus yet: the first arrow goes to where keys start,
    // else into the first group.
    if (keyboardStart_ != nullptr && IsTabStopHere(*keyboardStart_)) {
        keyboardStart_->setFocus(Qt::OtherFocusReason);
        return true;
    }
    for (const auto& group : arrowGroups_) {
        std::vector<QWidget*> members;
        for (QWidget* member : group) {
            if (IsTabStopHere(*member)) {
                members.push_back(member);
            }
        }
        if (!members.empty()) {
            InReadingOrder(members, *this).front()->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return MoveFocus(true);
}

bool Form::ArrowInGroup(QWidget& focused, int key) {
    std::vector<QWidget*> members;
    std::vector<QRect> places;
    int from = -1;
    for (QWidget* member : *GroupOf(focused)) {
        if (IsTabStopHere(*member)) {
            if (member == &focused) {
                from = static_cast<int>(members.size());
            }
            members.push_back(member);
            places.push_back(PlaceIn(*member, *this));
        }
    }
    const int to = NearestInDirection(places, from, key);
    if (to >= 0) {
        members[static_cast<std::size_t>(to)]->setFocus(Qt::OtherFocusReason);
    }
    return true;
}

bool Form::eventFilter(QObject* watched, QEvent* event) {
    // Keys reach the window before the control that has the focus.
    if (watched == windowHandle() && event->type() == QEvent::KeyPress) {
        const bool used = PreviewKey(static_cast<QKeyEvent&>(*event));
        FocusMayHaveMoved();
        return used;
    }
    return QWidget::eventFilter(watched, event);
}

void Form::keyPressEvent(QKeyEvent* event) {
    int k = event->key();
    if (!keyPreview_) {
        FormKeyDown(k, event->modifiers());
    }
    if (k == Qt::Key_Escape && OnEscape && !(event->modifiers() & kCommandModifiers)) {
        OnEscape();
    }
    FocusMayHaveMoved();
}

void Form::mousePressEvent(QMouseEvent* event) {
    clickArmed_ = event->button() == Qt::LeftButton;
}

void Form::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = clickArmed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    clickArmed_ = false;
    if (click) {
        FormClick();
    }
}

} // namespace lumora
