#pragma once
// The story exercise screens as the lesson start opens them: each screen is
// created once at start-up and registered under its lesson code.
#include <QWidget>

#include <memory>
#include <vector>

namespace lumora {

class TC_MC_Form;

struct StoryScreens {
    TC_MC_Form* multipleChoice = nullptr;
};

// Registers an opener for each screen given (code 35: multiple choice) that
// loads the current lesson into it. The screens must live as long as the
// registrations.
void RegisterStoryScreens(const StoryScreens& screens);

// For start-up, at the screen's place in the roster: makes the multiple-choice
// screen (object name "TC_MC_Form"), registers it and hands it over to be
// kept for the whole run. The instruction button needs the information
// screen, which start-up passes to SetInstructionScreen once it exists.
std::vector<std::unique_ptr<QWidget>> MakeMultipleChoiceScreens();

} // namespace lumora
