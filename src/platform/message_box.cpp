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

void ShowMessage(const std::string& text, const std::string& details) {
    if (Handler()) {
        Handler()(text, details);
    } else if (details.empty()) {
        std::fprintf(stderr, "%s\n", text.c_str());
    } else {
        std::fprintf(stderr, "%s\n(%s)\n", text.c_str(), details.c_str());
    }
}

MessageHandler SetMessageHandler(MessageHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

MessageRecorder::MessageRecorder()
    : previous_(SetMessageHandler([this](const std::string& text, const std::string& details) {
          messages_.push_back(text);
          details_.push_back(details);
      })) {}

MessageRecorder::~MessageRecorder() {
    SetMessageHandler(std::move(previous_));
}

} // namespace lumora
