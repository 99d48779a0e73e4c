#include "dialogs.h"

#include "platform/message_box.h"

namespace lumora {

void PlainDialogs::ShowMessageScreen(const std::string& text) {
    ShowMessage(text);
}

bool PlainDialogs::AskQuestion(const std::string&) {
    return false;
}

void PlainDialogs::ShowInformationText(const std::string& text) {
    lumora::ShowInformationText(information_, text);
}

void ShowInformationText(TInformacjaForm& screen, const std::string& text) {
    screen.HelpText = text;
    screen.ShowModal();
}

} // namespace lumora
