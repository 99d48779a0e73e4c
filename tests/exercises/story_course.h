#pragma once
// A course with one story lesson (topic "kuchnia", steering row 1, St.t
// record 1; multiple choice unless the test says otherwise), loaded into a run of the test's
// own, with a learner whose points file is written into the test's folder, a sound
// service on fake players whose plays end when the test says so, a test
// clock for the timers and a recorder for messages.
#include "course_builder.h"
#include "platform/message_box.h"
#include "platform/ui/timer.h"
#include "qt_test_app.h"
#include "test_run.h"

#include <string>

namespace lumora::test {

// Three questions; the right answers are "At home", "Bob" and "Red".
inline constexpr const char* kThreeQuestions =
    "35#Where is Tom?=T_At home=At school=In the park#Who sings?=Ann=T_Bob#"
    "What colour is it?=T_Red=Green=Blue=Black#";

struct Lesson {
    int code = 35;
    std::string head = "1#roz_kuchnia#help1.wav#Listen and choose.#Tom#";
    std::string body = kThreeQuestions;
    std::string background{};
    std::string layout = "24,62*420,118*30,118*690,410";
};

class StoryCourse : public WidgetTest {
  protected:
    StoryCourse();

    // Writes the lesson's St.t record and steering row and loads the course
    // again, with the lesson as the current one (settings and the learner's
    // points start afresh).
    void UseLesson(const Lesson& lesson);
    // The path of a course file as the file system spells it.
    std::string CourseFile(const std::string& relative) const;
    // Whether the learner's points file holds the lesson, done, with these
    // points.
    ::testing::AssertionResult RecordedAsDone(int points) const;
    // Ends the play now running on the main player.
    void FinishPlay() { player.Finish(); }

    CourseBuilder builder;
    TestClock clock;
    MessageRecorder messages;
    TestRun testRun;
    FakeMediaPlayer& player = testRun.player;
    FakeMediaPlayer& side = testRun.side;
    SoundService& sound = testRun.sound;
    // What the screens of the test work with: the course and the session,
    // which the fixture fills, the sound service above and the dialogs.
    CourseData& course = testRun.run.course;
    Session& session = testRun.run.session;
    RunContext& context = testRun.run.context;

  private:
    void WriteFiles() const;
    void WritePicture(const std::string& relative, int width, int height) const;
};

} // namespace lumora::test
