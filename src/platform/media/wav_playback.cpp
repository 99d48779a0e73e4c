#include "wav_playback.h"

#include "audio_output.h"
#include "audio_stream.h"
#include "wav_reader.h"

namespace lumora {
namespace {

constexpr std::int64_t kMsPerSecond = 1000;
// Sound decoded ahead of the output, and the piece read at a time.
constexpr std::int64_t kSoundAheadMs = 300;
constexpr std::size_t kPieceFrames = 2048;

} // namespace

WavPlayback::WavPlayback(Target target, std::int64_t start_ms, std::int64_t length_ms)
    : PlaybackLoop(target.stream, target.outRate, start_ms, length_ms, std::move(target.finished),
                   target.tempo),
      target_(std::move(target)), stretch_(target_.tempo, target_.outRate, AudioOutput::kChannels) {
    if (target_.stream != nullptr) {
        const WavFormat& format = target_.reader->Format();
        converter_ =
            SDL_NewAudioStream(AUDIO_S16SYS, static_cast<Uint8>(format.channels), format.rate,
                               AUDIO_F32SYS, AudioOutput::kChannels, target_.outRate);
    }
    StartThread();
}

WavPlayback::~WavPlayback() {
    StopThread();
    if (converter_ != nullptr) {
        SDL_FreeAudioStream(converter_);
    }
}

bool WavPlayback::Ready() const {
    return target_.stream == nullptr || converter_ != nullptr;
}

void WavPlayback::Feed() {
    if (target_.stream != nullptr) {
        pending_.FeedInto(*target_.stream);
    }
}

bool WavPlayback::WantsData() const {
    if (target_.stream == nullptr) {
        return false;
    }
    const auto ahead =
        static_cast<std::int64_t>(target_.stream->BufferedFrames() + pending_.Frames());
    return ahead * kMsPerSecond < kSoundAheadMs * target_.outRate;
}

bool WavPlayback::DecodeNext() {
    decoded_.clear();
    std::size_t frames = 0;
    if (!target_.reader->Read(kPieceFrames, decoded_, frames)) {
        return false;
    }
    if (frames == 0) {
        ReachedEnd();
        SDL_AudioStreamFlush(converter_);
    } else if (SDL_AudioStreamPut(converter_, decoded_.data(),
                                  static_cast<int>(decoded_.size() * sizeof(std::int16_t))) != 0) {
        return false;
    }
    const int available = SDL_AudioStreamAvailable(converter_);
    if (available > 0) {
        std::vector<float>& samples = pending_.Samples();
        const std::size_t before = samples.size();
        samples.resize(before + static_cast<std::size_t>(available) / sizeof(float));
        const int got = SDL_AudioStreamGet(converter_, samples.data() + before, available);
        samples.resize(before + static_cast<std::size_t>(std::max(got, 0)) / sizeof(float));
        if (frames == 0) {
            stretch_.Finish(samples, before);
        } else {
            stretch_.Apply(samples, before);
        }
    } else if (frames == 0) {
        stretch_.Finish(pending_.Samples(), pending_.Samples().size());
    }
    return true;
}

bool WavPlayback::Done() {
    if (target_.stream == nullptr) {
        // Without an output the play still takes the file's time.
        return Clock() >= LengthMs();
    }
    if (pending_.Frames() > 0 || target_.stream->BufferedFrames() > 0) {
        return false;
    }
    SoundClock().MarkSoundDone();
    return true;
}

} // namespace lumora
