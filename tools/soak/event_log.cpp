#include "event_log.h"

#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace lumora::soak {

void WriteAll(int fd, const char* text) {
    std::size_t left = std::strlen(text);
    while (left > 0) {
        const ssize_t written = ::write(fd, text, left);
        if (written <= 0) {
            return;
        }
        text += written;
        left -= static_cast<std::size_t>(written);
    }
}

const char* FormatNumber(std::uint64_t value, char* buffer) {
    char digits[21];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    for (int i = 0; i < n; ++i) {
        buffer[i] = digits[n - 1 - i];
    }
    buffer[n] = '\0';
    return buffer;
}

void EventLog::SetReplayLine(const char* line) {
    std::snprintf(replay_, sizeof replay_, "%s", line);
}

void EventLog::Add(std::uint64_t number, const char* text) {
    const std::uint64_t slot = count_.load(std::memory_order_relaxed) % kKept;
    std::snprintf(lines_[slot], kLineSize, "%llu %s", static_cast<unsigned long long>(number),
                  text);
    count_.fetch_add(1, std::memory_order_release);
}

void EventLog::Dump(int fd, const char* reason) const {
    WriteAll(fd, "\nlumora-soak: ");
    WriteAll(fd, reason);
    WriteAll(fd, "\nreplay: ");
    WriteAll(fd, replay_);
    const std::uint64_t count = count_.load(std::memory_order_acquire);
    const std::uint64_t kept = count < kKept ? count : kKept;
    char number[21];
    WriteAll(fd, "\nthe last ");
    WriteAll(fd, FormatNumber(kept, number));
    WriteAll(fd, " events, oldest first:\n");
    for (std::uint64_t i = count - kept; i < count; ++i) {
        WriteAll(fd, "  ");
        WriteAll(fd, lines_[i % kKept]);
        WriteAll(fd, "\n");
    }
}

} // namespace lumora::soak
