#pragma once
// The instruction button of the exercise screens: the instruction text whose
// number is the lesson's code, shown modally on the information screen.
#include <string>

namespace lumora {

class TInformacjaForm;

// The information screen the program created; without one, each call makes
// a screen of its own for the time it is shown.
void SetInstructionScreen(TInformacjaForm* screen);

// Shows InstructionText(number) of the program's course; a number without a
// text shows an empty screen.
void ShowInstruction(int number);

// Shows a marked-up text (an explanation, a note) the same way.
void ShowInformationText(const std::string& text);

} // namespace lumora
