#include "story_screens.h"

#include "choice_screen.h"
#include "course/exercise_start.h"
#include "true_false_screen.h"
#include "typing_screen.h"

namespace lumora {

void RegisterStoryScreens(const StoryScreens& screens) {
    if (TC_MC_Form* choice = screens.multipleChoice) {
        RegisterExerciseScreen(kMultipleChoiceCode,
                               [choice](CourseData& course) { choice->Load(course); });
    }
    if (TC_TF_Form* trueFalse = screens.trueFalse) {
        RegisterExerciseScreen(kTrueFalseScreenCode,
                               [trueFalse](CourseData& course) { trueFalse->Load(course); });
    }
    if (TCW_Wpisywanie1Form* typing = screens.typing) {
        RegisterExerciseScreen(kTypingScreenCode,
                               [typing](CourseData& course) { typing->Load(course); });
    }
}

namespace {

// Makes one screen under its object name, registers it and hands it over.
template <class Screen>
std::vector<std::unique_ptr<QWidget>> MakeScreen(const char* name, Screen* StoryScreens::*slot) {
    auto screen = std::make_unique<Screen>();
    screen->setObjectName(name);
    StoryScreens screens;
    screens.*slot = screen.get();
    RegisterStoryScreens(screens);
    std::vector<std::unique_ptr<QWidget>> made;
    made.push_back(std::move(screen));
    return made;
}

} // namespace

std::vector<std::unique_ptr<QWidget>> MakeMultipleChoiceScreens() {
    return MakeScreen("TC_MC_Form", &StoryScreens::multipleChoice);
}

std::vector<std::unique_ptr<QWidget>> MakeTrueFalseScreens() {
    return MakeScreen("TC_TF_Form", &StoryScreens::trueFalse);
}

std::vector<std::unique_ptr<QWidget>> MakeTypingScreens() {
    return MakeScreen("TCW_Wpisywanie1Form", &StoryScreens::typing);
}

} // namespace lumora
