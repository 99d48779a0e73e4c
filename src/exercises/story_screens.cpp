#include "story_screens.h"

#include "choice_screen.h"
#include "course/exercise_start.h"

namespace lumora {

void RegisterStoryScreens(const StoryScreens& screens) {
    if (TC_MC_Form* choice = screens.multipleChoice) {
        RegisterExerciseScreen(kMultipleChoiceCode,
                               [choice](CourseData& course) { choice->Load(course); });
    }
}

std::vector<std::unique_ptr<QWidget>> MakeMultipleChoiceScreens() {
    auto choice = std::make_unique<TC_MC_Form>();
    choice->setObjectName("TC_MC_Form");
    RegisterStoryScreens({choice.get()});
    std::vector<std::unique_ptr<QWidget>> screens;
    screens.push_back(std::move(choice));
    return screens;
}

} // namespace lumora
