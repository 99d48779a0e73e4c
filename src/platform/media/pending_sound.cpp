#include "pending_sound.h"

#include "audio_output.h"
#include "audio_stream.h"

namespace lumora {

std::size_t PendingSound::Frames() const {
    return (samples_.size() - read_) / AudioOutput::kChannels;
}

void PendingSound::FeedInto(AudioStream& stream) {
    if (Frames() == 0) {
        return;
    }
    read_ += stream.Write(samples_.data() + read_, Frames()) * AudioOutput::kChannels;
    if (read_ == samples_.size()) {
        samples_.clear();
        read_ = 0;
    }
}

} // namespace lumora
