#pragma once
// Every message the program shows to the learner goes through ShowMessage.
// The user interface installs a handler that opens a message box; tools print
// the text; tests record it.
#include <functional>
#include <string>
#include <vector>

namespace lumora {

using MessageHandler = std::function<void(const std::string& text)>;

// Shows a message (UTF-8). Without a handler the text goes to standard error.
void ShowMessage(const std::string& text);

// Installs a handler and returns the previous one.
MessageHandler SetMessageHandler(MessageHandler handler);

// Records messages instead of showing them while it lives; tests use it.
class MessageRecorder {
  public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    const std::vector<std::string>& Messages() const { return messages_; }
    void Clear() { messages_.clear(); }

  private:
    std::vector<std::string> messages_;
    MessageHandler previous_;
};

} // namespace lumora
