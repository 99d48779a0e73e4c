#include "form.h"

#include "control.h"
#include "fonts.h"
#include "stage.h"

#include <QCloseEvent>
#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWindow>

namespace lumora {

bool IsEnterKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

Form::Form(int width, int height) : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    setFixedSize(width, height);
    setWindowTitle(QString::fromLatin1(kApplicationTitle));
    setAutoFillBackground(true);
    SetColor(kBlack);
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

bool Form::PreviewKey(QKeyEvent& event) {
    const int key = event.key();
    const auto modifiers = event.modifiers();
    if (swallowAltF4_ && key == Qt::Key_F4 && (modifiers & Qt::AltModifier)) {
        return true;
    }
    if (FormShortCut(key, modifiers)) {
        return true;
    }
    if (!keyPreview_) {
        return false;
    }
    int k = key;
    FormKeyDown(k, modifiers);
    return k == 0;
}

bool Form::eventFilter(QObject* watched, QEvent* event) {
    // Keys reach the window before the control that has the focus.
    if (watched == windowHandle() && event->type() == QEvent::KeyPress) {
        return PreviewKey(static_cast<QKeyEvent&>(*event));
    }
    return QWidget::eventFilter(watched, event);
}

void Form::keyPressEvent(QKeyEvent* event) {
    if (keyPreview_) {
        return;
    }
    int k = event->key();
    FormKeyDown(k, event->modifiers());
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
