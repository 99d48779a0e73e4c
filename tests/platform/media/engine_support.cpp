#include "engine_support.h"

#include <QApplication>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <numbers>

#include "platform/media/event_wait.h"
#include "platform/media/wav_file.h"
#include "platform/random.h"
#include "platform/text_file.h"

namespace lumora::test {

void EnsureApplication() {
    // Headless whatever the runner sets: no display, no sound card.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::setenv("SDL_AUDIODRIVER", "dummy", 0);
    static int argc = 1;
    static char name[] = "media_engine_tests";
    static char* argv[] = {name, nullptr};
    static const auto app = std::make_unique<QApplication>(argc, argv);
}

void WriteTone(const std::string& path, int milliseconds, int rate, int channels) {
    const auto frames = static_cast<std::size_t>(rate) * milliseconds / 1000;
    std::vector<std::int16_t> samples;
    for (std::size_t i = 0; i < frames; ++i) {
        const double phase = 2 * std::numbers::pi * 440.0 * static_cast<double>(i) / rate;
        samples.insert(samples.end(), channels, static_cast<std::int16_t>(8000 * std::sin(phase)));
    }
    WriteFileAtomic(path, WavBytes(samples, rate, channels));
}

std::string Fixture(const std::string& name) {
    return std::string(LUMORA_MEDIA_FIXTURES) + "/" + name;
}

NotifyLog::NotifyLog(MediaPlayer& player) : player_(player) {
    player_.SetNotifyHandler([this](NotifyValue value) {
        values_.push_back(value);
        last_arrival_ = TickCount();
    });
}

NotifyLog::~NotifyLog() {
    player_.SetNotifyHandler(nullptr);
}

std::optional<NotifyValue> NotifyLog::WaitForNext(int milliseconds) {
    if (!ProcessEventsUntil([this] { return values_.size() > taken_; }, milliseconds)) {
        return std::nullopt;
    }
    return values_[taken_++];
}

} // namespace lumora::test
