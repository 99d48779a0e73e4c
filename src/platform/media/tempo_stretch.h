#pragma once
// Slower (or faster) sound at the same pitch, for the learner's listening
// speed: the playback threads pass each piece of converted sound through it
// on its way to the output. It uses SoundTouch's time-domain stretching
// (WSOLA), tuned for speech. At tempo 1 it leaves the sound untouched.
#include <cstddef>
#include <memory>
#include <vector>

#include "sound_export.h"

namespace soundtouch {
class SoundTouch;
}

namespace lumora {

class LUMORA_SOUND_EXPORT TempoStretch {
  public:
    // tempo is the speed as a factor of the normal one (0.7 plays a 1 s
    // sound in about 1.43 s); rate and channels describe the interleaved
    // float sound it is handed.
    TempoStretch(double tempo, int rate, int channels);
    ~TempoStretch();
    TempoStretch(const TempoStretch&) = delete;
    TempoStretch& operator=(const TempoStretch&) = delete;

    bool Stretching() const { return stretcher_ != nullptr; }

    // Replaces the samples from index `from` to the end of samples with
    // their stretched sound so far (the stretcher holds back a few tens of
    // milliseconds until it has seen more).
    void Apply(std::vector<float>& samples, std::size_t from);
    // As Apply, for the last piece of the file: everything still held back
    // comes out too.
    void Finish(std::vector<float>& samples, std::size_t from);

  private:
    void Take(std::vector<float>& samples);

    const int channels_;
    std::unique_ptr<soundtouch::SoundTouch> stretcher_;
};

} // namespace lumora
