#pragma once
// The program's small dialogs as lesson screens use them: the message screen
// and the yes/no question. The shell hands in its screens at start-up;
// without them a message goes to ShowMessage and a question is answered no.
#include <functional>
#include <string>

namespace lumora {

using MessageScreenHook = std::function<void(const std::string& text)>;
using QuestionScreenHook = std::function<bool(const std::string& text)>;

// Installs the dialogs; each returns the previous hook.
MessageScreenHook SetMessageScreen(MessageScreenHook hook);
QuestionScreenHook SetQuestionScreen(QuestionScreenHook hook);

// Shows a text on the message screen and returns when it is closed.
void ShowMessageScreen(const std::string& text);
// Asks a yes/no question; true for yes.
bool AskQuestion(const std::string& text);

} // namespace lumora
