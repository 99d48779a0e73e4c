#include "exercise_shots.h"

#include "course/course_data.h"
#include "course/lesson_kinds.h"
#include "exercises/lesson_context.h"
#include "exercises/multiple_choice/choice_screen.h"

namespace lumora::shots {
namespace {

constexpr int kSampleRecord = 200;

constexpr const char* kChoiceHead = "200#roz_sample#wybor.wav#Posłuchaj i wybierz.#Sample#";
constexpr const char* kChoiceBody =
    "35#Where is Tom on <b> Saturday </b> morning?=T_At home=At school=In the park#"
    "Who plays the guitar?=Ann=T_Bob=Kate#"
    "What colour is Tom's new bike? It is the one he got for his birthday from his "
    "grandmother.=T_Red=Green=Blue=Black#";

// Makes the sample lesson the current one: a steering row of its own at the
// end of the table and St.t record 200.
void UseSampleLesson(CourseData& course) {
    SteeringRow row;
    row.TopicFolder = "kuchnia";
    row.Content = std::to_string(kSampleRecord);
    row.Code = kMultipleChoiceCode;
    row.Title = "Sample";
    row.LayoutCount = 4;
    row.LayoutX = {24, 420, 30, 690};
    row.LayoutY = {62, 118, 118, 410};
    course.SteeringTable.push_back(row);
    course.StTable[kSampleRecord] = StRecord{kChoiceHead, kChoiceBody, ""};
    course.CurrentRow = static_cast<int>(course.SteeringTable.size());
    course.CurrentContent = row.Content;
    course.CurrentCode = row.Code;
}

// Clicks the n-th answer (0-based) of question q where it was painted.
void ChooseAnswer(TC_MC_Form& screen, int q, int n) {
    for (const AnswerArea& area : screen.AnswerAreas()) {
        if (area.question == q && area.option == n + 1) {
            screen.pb_trescMouseDown(area.left + 5, area.top + 5);
            return;
        }
    }
}

std::unique_ptr<QWidget> MultipleChoiceShot() {
    UseSampleLesson(Course());
    // The shot outlives this function, and the screen works with the context.
    static LessonContext context = ProgramLessonContext();
    auto screen = std::make_unique<TC_MC_Form>(context);
    screen->Load();
    // The first paint lays the answers out.
    screen->grab();
    const ChoiceContent& content = screen->Content();
    ChooseAnswer(*screen, 0, content.questions[0].right - 1);
    ChooseAnswer(*screen, 1, content.questions[1].right % 3);
    screen->btn_okClick();
    return screen;
}

} // namespace

std::vector<ScreenShot> ExerciseScreenShots() {
    return {{"multiple_choice", MultipleChoiceShot}};
}

} // namespace lumora::shots
