#pragma once
// Sound converted to the output's format that the player's stream had no room
// for yet: interleaved frames appended by the playback thread and fed to the
// stream as it empties.
#include <cstddef>
#include <vector>

#include "sound_export.h"

namespace lumora {

class AudioStream;

class LUMORA_SOUND_EXPORT PendingSound {
  public:
    // Where new frames are appended; frames already fed lie before Start().
    std::vector<float>& Samples() { return samples_; }
    std::size_t Start() const { return read_; }
    std::size_t Frames() const;
    // Moves as many frames as fit into the stream.
    void FeedInto(AudioStream& stream);

  private:
    std::vector<float> samples_;
    std::size_t read_ = 0;
};

} // namespace lumora
