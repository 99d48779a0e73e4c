#pragma once
// The program's screens on the demo course for the keyboard tests, kept
// apart from the lesson screens' headers: a learner logged in by Enter, the
// topic screen walked by the arrows to a lesson that Enter opens, the result
// box closed by Enter whenever it shows, and the points file read back.
#include "course/course_data.h"
#include "exercises/lesson_screen.h"
#include "sound/recording.h"
#include "users/points_table.h"

#include <memory>

namespace lumora::test {

class KeyboardRoster {
  public:
    // Needs the Qt application.
    KeyboardRoster();
    ~KeyboardRoster();
    KeyboardRoster(const KeyboardRoster&) = delete;
    KeyboardRoster& operator=(const KeyboardRoster&) = delete;

    const CourseData& Course() const;
    // The first steering row of a lesson code, or 0.
    int FirstRowOf(int code) const;
    // Shows the row's topic, moves its marked lesson by the arrows to the row and
    // presses Enter; the lesson's screen, or nullptr when none opened.
    LessonScreen* OpenFromTopic(int row);
    // The learner's record of the row in pkt.txt.
    PointsRow Record(int row) const;
    // How many times the result box has been shown.
    int ResultsShown() const;
    // The run's recording, on a fake recorder.
    Recording& TheRecording() const;

  private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

} // namespace lumora::test
