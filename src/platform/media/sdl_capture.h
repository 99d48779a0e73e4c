#pragma once
// Voice recording from the default input through SDL2 capture, saved as a
// 16-bit mono PCM WAV file.
#include <SDL2/SDL.h>

#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "recorder_device.h"

namespace lumora {

class SdlCapture final : public RecorderDevice {
  public:
    static constexpr int kRate = 22050;

    SdlCapture() = default;
    ~SdlCapture() override;
    SdlCapture(const SdlCapture&) = delete;
    SdlCapture& operator=(const SdlCapture&) = delete;

    int Open() override;
    int Record() override;
    int Save(const std::string& path) override;
    int Close() override;
    std::string ErrorText(int code) const override;

  private:
    static void Callback(void* self, Uint8* bytes, int length);
    int Fail(const std::string& text);

    SDL_AudioDeviceID device_ = 0;
    std::mutex mutex_;
    std::vector<std::int16_t> samples_;
    std::map<int, std::string> errors_;
};

} // namespace lumora
