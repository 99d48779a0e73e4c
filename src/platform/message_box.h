#pragma once
// Every message the program shows to the learner goes through ShowMessage.
// The user interface installs a handler that opens a message box; tools print
// the text; tests record it.
#include <functional>
#include <string>
#include <vector>

namespace lumora {

// details: where the message comes from (a file and line), for a course's
// author rather than the learner; the message box shows it on request.
using MessageHandler = std::function<void(const std::string& text, const std::string& details)>;

// Shows a message (UTF-8). Without a handler the text and its details go to
// standard error.
void ShowMessage(const std::string& text, const std::string& details = {});

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
    // The details of each message, in the same order.
    const std::vector<std::string>& Details() const { return details_; }
    void Clear() {
        messages_.clear();
        details_.clear();
    }

  private:
    std::vector<std::string> messages_;
    std::vector<std::string> details_;
    MessageHandler previous_;
};

} // namespace lumora
