#pragma once
// Voice recording from the default input, saved as a 16-bit mono PCM WAV
// file. It stands for the sound module's recorder (SDL2 capture), created on
// first use; without the module every step fails with the reason.
#include <memory>
#include <string>

#include "recorder_device.h"

namespace lumora {

class SdlRecorder final : public RecorderDevice {
  public:
    SdlRecorder() = default;
    ~SdlRecorder() override;
    SdlRecorder(const SdlRecorder&) = delete;
    SdlRecorder& operator=(const SdlRecorder&) = delete;

    int Open() override;
    int Record() override;
    int Save(const std::string& path) override;
    int Close() override;
    std::string ErrorText(int code) const override;

  private:
    // The backend's recorder, created on the first call; nullptr without a
    // backend.
    RecorderDevice* Device();

    bool deviceTried_ = false;
    std::unique_ptr<RecorderDevice> device_;
};

} // namespace lumora
