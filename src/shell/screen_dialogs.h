#pragma once
// The program's dialogs on its own screens: the message screen, the question
// screen, the information screen and the result box of the roster. The
// screens are made after the screens that use them, so they are handed in
// once all exist (before any is shown).
#include "elements/dialogs.h"
#include "message_screen.h"
#include "question_screen.h"

namespace lumora {

struct DialogScreens {
    TForm20* message = nullptr;
    TQuestionForm* question = nullptr;
    TInformacjaForm* information = nullptr;
    TWynik_Form* result = nullptr;
};

class ScreenDialogs : public Dialogs {
  public:
    void SetScreens(const DialogScreens& screens) { screens_ = screens; }

    void ShowMessageScreen(const std::string& text) override;
    bool AskQuestion(const std::string& text) override;
    void ShowInformationText(const std::string& text) override;
    TWynik_Form& ResultBox() override { return *screens_.result; }

  private:
    DialogScreens screens_;
};

} // namespace lumora
