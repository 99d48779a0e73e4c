#pragma once
// Helpers for the tests of the real media engine: the application object its
// notifications need, generated tones and waiting for a play to end.
#include <optional>
#include <string>
#include <vector>

#include "platform/media/media_player.h"

namespace lumora::test {

// Creates the process's QApplication on first use, offscreen and with SDL's
// dummy sound driver unless the environment says otherwise.
void EnsureApplication();

// A sine tone as a 16-bit PCM WAV file.
void WriteTone(const std::string& path, int milliseconds, int rate = 22050, int channels = 1);

// The committed fixtures folder, ending in '/'.
std::string Fixture(const std::string& name);

// Collects a player's notifications with the tick count of their arrival.
class NotifyLog {
  public:
    explicit NotifyLog(MediaPlayer& player);
    ~NotifyLog();
    NotifyLog(const NotifyLog&) = delete;
    NotifyLog& operator=(const NotifyLog&) = delete;

    // Handles events until a notification arrives or the time is up.
    std::optional<NotifyValue> WaitForNext(int milliseconds);
    const std::vector<NotifyValue>& Values() const { return values_; }
    std::int64_t LastArrival() const { return last_arrival_; }

  private:
    MediaPlayer& player_;
    std::vector<NotifyValue> values_;
    std::size_t taken_ = 0;
    std::int64_t last_arrival_ = 0;
};

} // namespace lumora::test
