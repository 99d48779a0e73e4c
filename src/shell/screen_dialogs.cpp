#include "screen_dialogs.h"

namespace lumora {

void ScreenDialogs::ShowMessageScreen(const std::string& text) {
    screens_.message->Label1->SetCaption(text);
    screens_.message->ShowModal();
}

bool ScreenDialogs::AskQuestion(const std::string& text) {
    screens_.question->Label1->SetCaption(text);
    screens_.question->ShowModal();
    return screens_.question->Tag == 1;
}

void ScreenDialogs::ShowInformationText(const std::string& text) {
    lumora::ShowInformationText(*screens_.information, text);
}

} // namespace lumora
