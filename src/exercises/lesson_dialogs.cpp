#include "lesson_dialogs.h"

#include "platform/message_box.h"

#include <utility>

namespace lumora {
namespace {

MessageScreenHook& MessageHook() {
    static MessageScreenHook hook;
    return hook;
}

QuestionScreenHook& QuestionHook() {
    static QuestionScreenHook hook;
    return hook;
}

} // namespace

MessageScreenHook SetMessageScreen(MessageScreenHook hook) {
    return std::exchange(MessageHook(), std::move(hook));
}

QuestionScreenHook SetQuestionScreen(QuestionScreenHook hook) {
    return std::exchange(QuestionHook(), std::move(hook));
}

void ShowMessageScreen(const std::string& text) {
    if (MessageHook()) {
        MessageHook()(text);
    } else {
        ShowMessage(text);
    }
}

bool AskQuestion(const std::string& text) {
    return QuestionHook() ? QuestionHook()(text) : false;
}

} // namespace lumora
