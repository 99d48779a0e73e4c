#pragma once
// Random but plausible input for whatever window is up: clicks (half of them
// on the centre of a visible, enabled control, so the run gets somewhere),
// double clicks, pointer moves, drags from a control to another control or
// anywhere, and keys: Enter, Escape, Tab, arrows, Space, Backspace, letters
// with the Polish ones, digits, and the window system's Alt+F4.
#include "input_sender.h"

#include <random>
#include <string>

class QWidget;

namespace lumora::soak {

class Monkey {
  public:
    Monkey(InputSender& input, std::uint32_t seed) : input_(input), random_(seed) {}

    // Sends one random action to the window; describes it for the event log.
    void Act(QWidget& top, std::string& described);

    // A uniform integer from 0 to n - 1 of the soak's own sequence.
    int Next(int n);

  private:
    QWidget* SomeControl(QWidget& top);
    QPoint SomePoint(const QWidget& top);
    QPoint Target(QWidget& top, std::string& described);
    void Click(QWidget& top, std::string& described);
    void Drag(QWidget& top, std::string& described);
    void Key(QWidget& top, std::string& described);

    InputSender& input_;
    std::mt19937 random_;
};

} // namespace lumora::soak
