#pragma once
// The story exercise screens as the lesson start opens them: each screen is
// created once at start-up and registered under its lesson code.
#include <QWidget>

#include <memory>
#include <vector>

namespace lumora {

class TC_MC_Form;
class TC_TF_Form;
class TCW_Wpisywanie1Form;

struct StoryScreens {
    TC_MC_Form* multipleChoice = nullptr;
    TC_TF_Form* trueFalse = nullptr;
    TCW_Wpisywanie1Form* typing = nullptr;
};

// Registers an opener for each screen given (code 35: multiple choice, 39:
// true/false, 37: typing) that loads the current lesson into it. The screens must live as long as
// the registrations.
void RegisterStoryScreens(const StoryScreens& screens);

// For start-up, at the screen's place in the roster: makes the multiple-choice
// screen (object name "TC_MC_Form"), registers it and hands it over to be
// kept for the whole run. The instruction button needs the information
// screen, which start-up passes to SetInstructionScreen once it exists.
std::vector<std::unique_ptr<QWidget>> MakeMultipleChoiceScreens();
// The same for the true/false screen ("TC_TF_Form") and the typing screen
// ("TCW_Wpisywanie1Form").
std::vector<std::unique_ptr<QWidget>> MakeTrueFalseScreens();
std::vector<std::unique_ptr<QWidget>> MakeTypingScreens();

} // namespace lumora
