#pragma once
// The soak's record of what it sent: the last 50 events in a ring that is
// allocated before the run starts, so that a crash handler can write it out
// with nothing but write(2). The main thread writes the ring; a fault handler
// or the watchdog reads it.
#include <atomic>
#include <cstddef>
#include <cstdint>

namespace lumora::soak {

class EventLog {
  public:
    static constexpr std::size_t kKept = 50;
    static constexpr std::size_t kLineSize = 120;

    // The line that starts every report: how to replay the run.
    void SetReplayLine(const char* line);

    // Records one event; the text is cut to fit a line.
    void Add(std::uint64_t number, const char* text);

    // Writes the replay line, the reason and the kept events, oldest first,
    // to the file descriptor. Safe to call from a signal handler.
    void Dump(int fd, const char* reason) const;

    std::uint64_t Count() const { return count_.load(std::memory_order_relaxed); }

  private:
    char replay_[kLineSize * 2] = {};
    char lines_[kKept][kLineSize] = {};
    std::atomic<std::uint64_t> count_{0};
};

// Writes text to the descriptor in full; only async-signal-safe calls.
void WriteAll(int fd, const char* text);

// Formats a number in decimal into buffer (at least 21 bytes); returns it.
const char* FormatNumber(std::uint64_t value, char* buffer);

} // namespace lumora::soak
