#include "show_instruction.h"

#include "course/course_data.h"
#include "elements/information_screen.h"

#include <memory>

namespace lumora {
namespace {

TInformacjaForm*& InstructionScreen() {
    static TInformacjaForm* screen = nullptr;
    return screen;
}

} // namespace

void SetInstructionScreen(TInformacjaForm* screen) {
    InstructionScreen() = screen;
}

void ShowInstruction(int number) {
    ShowInformationText(Course().InstructionText(number));
}

void ShowInformationText(const std::string& text) {
    std::unique_ptr<TInformacjaForm> own;
    TInformacjaForm* screen = InstructionScreen();
    if (screen == nullptr) {
        own = std::make_unique<TInformacjaForm>();
        screen = own.get();
    }
    screen->HelpText = text;
    screen->ShowModal();
}

} // namespace lumora
