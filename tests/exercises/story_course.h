#pragma once
// A course with one story lesson (topic "kuchnia", steering row 1, St.t
// record 1; multiple choice unless the test says otherwise), made the program's course while the
// fixture lives, with a learner whose points file is written into the test's folder, a sound
// service on fake players whose plays end when the test says so, a test
// clock for the timers and a recorder for messages.
#include "course_builder.h"
#include "exercises/lesson_context.h"
#include "fake_media_player.h"
#include "platform/message_box.h"
#include "platform/ui/timer.h"
#include "qt_test_app.h"
#include "sound/sound_service.h"
#include "users/points_table.h"

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
    ~StoryCourse() override;

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
    FakeMediaPlayer player;
    FakeMediaPlayer side;
    SoundService sound{player, side};
    // What the screens of the test work with: the program's course and
    // points table, which the fixture fills, and the sound service above.
    LessonContext context{Course(), CurrentPoints(), sound};

  private:
    void WriteFiles() const;
    void WritePicture(const std::string& relative, int width, int height) const;

    CourseData savedCourse_;
    PointsTable savedPoints_;
    SoundService* savedSound_;
};

} // namespace lumora::test
