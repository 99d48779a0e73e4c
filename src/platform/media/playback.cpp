#include "playback.h"

extern "C" {
#include <libavutil/frame.h>
}

#include <algorithm>

#include "audio_output.h"
#include "audio_stream.h"

namespace lumora {
namespace {

constexpr std::int64_t kMsPerSecond = 1000;
// Sound decoded ahead of the output, and the limits of what may wait.
constexpr std::int64_t kSoundAheadMs = 300;
constexpr std::size_t kMinFramesAhead = 4;
constexpr std::size_t kMaxFramesAhead = 64;
constexpr std::int64_t kFrameSlackMs = 50;
// A file without sound does not feed the stream; the clock then runs on the
// wall clock.
AudioStream* SoundStream(const Playback::Target& target) {
    return target.decoder->HasAudio() ? target.stream : nullptr;
}

Playback::Target WithoutSilentStream(Playback::Target target) {
    target.stream = SoundStream(target);
    return target;
}

} // namespace

Playback::Playback(Target target, std::int64_t start_ms, std::int64_t length_ms)
    : PlaybackLoop(SoundStream(target), target.out_rate, start_ms, length_ms,
                   std::move(target.finished), target.tempo),
      target_(WithoutSilentStream(std::move(target))), startMs_(start_ms),
      converter_(target_.out_rate),
      stretch_(target_.tempo, target_.out_rate, AudioOutput::kChannels) {
    target_.decoder->SetDecodeVideo(static_cast<bool>(target_.present));
    StartThread();
}

Playback::~Playback() {
    StopThread();
    for (TimedFrame& timed : frames_) {
        av_frame_free(&timed.frame);
    }
}

void Playback::Feed() {
    if (target_.stream != nullptr) {
        pending_.FeedInto(*target_.stream);
    }
    PresentDue();
}

bool Playback::DecodeNext() {
    std::string error;
    switch (target_.decoder->DecodeNext(*this, error)) {
    case MediaDecoder::Step::End:
        ReachedEnd();
        if (target_.stream != nullptr) {
            const std::size_t before = pending_.Samples().size();
            converter_.Flush(pending_.Samples());
            stretch_.Finish(pending_.Samples(), before);
        }
        return true;
    case MediaDecoder::Step::Error:
        return false;
    case MediaDecoder::Step::Decoded:
        return true;
    }
    return false;
}

bool Playback::WantsData() const {
    if (frames_.size() >= kMaxFramesAhead) {
        return false;
    }
    const bool pictures = static_cast<bool>(target_.present) && target_.decoder->HasVideo();
    if (target_.stream == nullptr) {
        // Without sound output the film's pictures set the pace, if any.
        return !pictures || frames_.size() < kMinFramesAhead;
    }
    const auto ahead =
        static_cast<std::int64_t>(target_.stream->BufferedFrames() + pending_.Frames());
    const bool sound_low = ahead * kMsPerSecond < kSoundAheadMs * target_.out_rate;
    const bool pictures_low = pictures && frames_.size() < kMinFramesAhead;
    return sound_low || pictures_low;
}

bool Playback::Done() {
    if (target_.stream != nullptr && !SoundClock().SoundDone()) {
        if (pending_.Frames() > 0 || target_.stream->BufferedFrames() > 0) {
            return false;
        }
        SoundClock().MarkSoundDone();
    }
    if (!frames_.empty()) {
        return false;
    }
    // A play without sound output still takes the file's time.
    return target_.stream != nullptr || Clock() >= LengthMs();
}

void Playback::PresentDue() {
    const std::int64_t now = Clock();
    AVFrame* due = nullptr;
    while (!frames_.empty() && frames_.front().ms <= now) {
        // A late frame is dropped in favour of the newest one that is due.
        av_frame_free(&due);
        due = frames_.front().frame;
        frames_.pop_front();
    }
    if (due != nullptr) {
        target_.present(*due);
        av_frame_free(&due);
    }
}

void Playback::OnAudioFrame(const AVFrame& frame, std::int64_t pts_ms) {
    if (target_.stream == nullptr) {
        return;
    }
    std::vector<float>& samples = pending_.Samples();
    const std::size_t before = samples.size();
    if (!converter_.Convert(frame, samples)) {
        return;
    }
    if (pts_ms >= startMs_) {
        stretch_.Apply(samples, before);
        return;
    }
    // Sound before the start position (after a seek) is cut off.
    const auto skip =
        static_cast<std::size_t>((startMs_ - pts_ms) * target_.out_rate / kMsPerSecond) *
        AudioOutput::kChannels;
    const std::size_t added = samples.size() - before;
    samples.erase(samples.begin() + static_cast<std::ptrdiff_t>(before),
                  samples.begin() + static_cast<std::ptrdiff_t>(before + std::min(skip, added)));
    stretch_.Apply(samples, before);
}

void Playback::OnVideoFrame(const AVFrame& frame, std::int64_t pts_ms) {
    if (!target_.present || pts_ms + kFrameSlackMs < startMs_) {
        return;
    }
    frames_.push_back({av_frame_clone(&frame), pts_ms});
}

} // namespace lumora
