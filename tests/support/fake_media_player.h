#pragma once
// A media player whose plays end only when the test says so, and which keeps
// a log of what it was asked to do.
#include <set>
#include <string>
#include <vector>

#include "platform/media/media_player.h"

namespace lumora::test {

class FakeMediaPlayer final : public MediaPlayer {
  public:
    // Files whose open fails with this text.
    std::set<std::string> unopenable;
    std::string open_error = "Cannot open the file.";
    std::int64_t length = 10000;
    double tempo = 1.0;

    const std::string& FileName() const override { return fileName_; }
    void SetFileName(const std::string& path) override { fileName_ = path; }
    bool Open() override {
        ++opens;
        if (unopenable.count(fileName_) > 0) {
            mode_ = PlayerMode::NotReady;
            return false;
        }
        mode_ = PlayerMode::Stopped;
        position_ = 0;
        return true;
    }
    void Close() override {
        ++closes;
        mode_ = PlayerMode::NotReady;
    }
    std::string ErrorText() const override { return open_error; }

    void Play() override {
        plays.push_back(fileName_);
        last_wait = wait_;
        wait_ = false;
        mode_ = PlayerMode::Playing;
    }
    void Pause() override { mode_ = PlayerMode::Paused; }
    void Stop() override {
        ++stops;
        mode_ = PlayerMode::Stopped;
    }
    void Seek(std::int64_t ms) override { position_ = ms; }
    void SetWait(bool wait) override { wait_ = wait; }
    void SetTempo(double value) override { tempo = value; }

    PlayerMode Mode() const override { return mode_; }
    std::int64_t Position() const override { return position_; }
    std::int64_t Length() const override { return length; }
    void SetDisplay(VideoSurface*) override {}
    void SetNotifyHandler(NotifyHandler handler) override { handler_ = std::move(handler); }

    // The running play ends by itself; its notification arrives.
    void Finish(NotifyValue value = NotifyValue::Successful) {
        mode_ = PlayerMode::Stopped;
        position_ = length;
        Notify(value);
    }
    // A notification arrives (for example the late one of a stopped play).
    void Notify(NotifyValue value) {
        if (handler_) {
            handler_(value);
        }
    }
    // Files played so far, in order.
    std::vector<std::string> plays;
    int opens = 0;
    int closes = 0;
    int stops = 0;
    bool last_wait = false;

  private:
    std::string fileName_;
    PlayerMode mode_ = PlayerMode::NotReady;
    std::int64_t position_ = 0;
    bool wait_ = false;
    NotifyHandler handler_;
};

} // namespace lumora::test
