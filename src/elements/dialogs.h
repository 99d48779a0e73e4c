#pragma once
// The program's small dialogs as screens use them: the message screen, the
// yes/no question, the information screen of instructions and explanations,
// and the result box. The program shows its own screens (shell/
// screen_dialogs.h); tools and tests use PlainDialogs.
#include "information_screen.h"
#include "result_box.h"

#include <string>

namespace lumora {

class Dialogs {
  public:
    Dialogs() = default;
    virtual ~Dialogs() = default;
    Dialogs(const Dialogs&) = delete;
    Dialogs& operator=(const Dialogs&) = delete;

    // Shows a text on the message screen and returns when it is closed.
    virtual void ShowMessageScreen(const std::string& text) = 0;
    // Asks a yes/no question; true for yes.
    virtual bool AskQuestion(const std::string& text) = 0;
    // Shows a marked-up text modally on the information screen.
    virtual void ShowInformationText(const std::string& text) = 0;
    virtual TWynik_Form& ResultBox() = 0;
};

// Dialogs without the program's message and question screens: a message goes
// to a message box and a question is answered no. The result box and the
// information screen must outlive them.
class PlainDialogs : public Dialogs {
  public:
    PlainDialogs(TWynik_Form& result, TInformacjaForm& information)
        : result_(result), information_(information) {}

    void ShowMessageScreen(const std::string& text) override;
    bool AskQuestion(const std::string& text) override;
    void ShowInformationText(const std::string& text) override;
    TWynik_Form& ResultBox() override { return result_; }

  private:
    TWynik_Form& result_;
    TInformacjaForm& information_;
};

// Shows a marked-up text modally on an information screen.
void ShowInformationText(TInformacjaForm& screen, const std::string& text);

} // namespace lumora
