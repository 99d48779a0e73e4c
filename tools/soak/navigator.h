#pragma once
// The soak's purposeful moves: logging in, answering a dialog, leaving a
// screen by its own way out, and walking from whatever screen is up to a
// given lesson (out to the main menu, into the lesson's topic, a click on
// its icon). Each call sends one action to the window given and describes
// it for the event log.
#include "course/lesson_state.h"
#include "input_sender.h"

#include <QPoint>

#include <string>

class QWidget;

namespace lumora::soak {

class Navigator {
  public:
    explicit Navigator(InputSender& input) : input_(input) {}

    // A login or new-user screen is up: one step towards a logged-in learner
    // (a new one when the list is empty). False when top is neither.
    bool StepLogin(QWidget& top, std::string& described);
    // Leaves the screen by its way out (a dialog is confirmed); Escape when
    // it has none the navigator knows.
    void Leave(QWidget& top, std::string& described);
    // One step towards the lesson in steering row `row` of topic `topic`.
    void StepTowards(QWidget& top, const std::string& topic, int row, std::string& described);
    // Whether top is the lesson screen of that row.
    // The lesson state the program keeps, to tell which lesson is open.
    void Follow(const LessonState& lesson) { lesson_ = &lesson; }
    bool IsOpen(const QWidget& top, int row) const;

    // Whether a window is a lesson screen.
    static bool IsLesson(const QWidget& top);

  private:
    void ClickAt(QWidget& top, QWidget& control, std::string& described, const char* what);

    InputSender& input_;
    const LessonState* lesson_ = nullptr;
    int learners_ = 0;
};

// The centre of a control in its window's coordinates.
QPoint CentreIn(const QWidget& window, const QWidget& control);

} // namespace lumora::soak
