#include "message_box.h"

#include <cstdio>
#include <utility>

namespace lumora {
namespace {

MessageHandler& Handler() {
    static MessageHandler handler;
    return handler;
}

} // namespace

void ShowMessage(const std::string& text) {
    if (Handler()) {
        Handler()(text);
    } else {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
}

MessageHandler SetMessageHandler(MessageHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

MessageRecorder::MessageRecorder()
    : previous_(SetMessageHandler([this](const std::string& text) { messages_.push_back(text); })) {
}

MessageRecorder::~MessageRecorder() {
    SetMessageHandler(std::move(previous_));
}

} // namespace lumora
