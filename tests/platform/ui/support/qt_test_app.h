#pragma once
// The Qt application that widget tests run in, and helpers that drive forms
// with synthetic mouse and keys at pixel positions.
#include <gtest/gtest.h>

#include <QPoint>

#include <functional>

class QApplication;
class QWidget;

namespace lumora::test {

// Created on first use, on the offscreen platform, and kept for the run.
QApplication& TestApplication();

// Registers TestApplication as a global test environment.
class QtAppEnvironment : public ::testing::Environment {
  public:
    void SetUp() override;
};

// Widget tests derive from it: the application exists before the fixture's
// own members (forms and controls) are made.
class WidgetTest : public ::testing::Test {
  protected:
    WidgetTest();
};

// Runs fn once the event loop runs again, e.g. inside a modal form's loop.
void WhenIdle(std::function<void()> fn);

// Shows the window and waits until it is on the (offscreen) display.
void ShowAndWait(QWidget& window);

// Mouse and keys as the window system delivers them, at a position within
// the top-level window of the widget.
void MouseMoveTo(QWidget& window, QPoint at);
void MouseDown(QWidget& window, QPoint at);
void MouseUp(QWidget& window, QPoint at);
void MouseClick(QWidget& window, QPoint at);
void PressKey(QWidget& window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

} // namespace lumora::test
