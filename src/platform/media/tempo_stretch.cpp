#include "tempo_stretch.h"

#include <SoundTouch.h>

#include <cmath>

namespace lumora {
namespace {

// Shorter pieces than SoundTouch's defaults, which are chosen for music:
// speech keeps its syllables crisp and its start comes out sooner.
constexpr int kSequenceMs = 40;
constexpr int kSeekWindowMs = 15;
constexpr int kOverlapMs = 8;
constexpr double kUnchanged = 1e-6;

} // namespace

TempoStretch::TempoStretch(double tempo, int rate, int channels) : channels_(channels) {
    if (std::abs(tempo - 1.0) < kUnchanged || rate <= 0 || channels <= 0) {
        return;
    }
    stretcher_ = std::make_unique<soundtouch::SoundTouch>();
    stretcher_->setSampleRate(static_cast<unsigned>(rate));
    stretcher_->setChannels(static_cast<unsigned>(channels));
    stretcher_->setTempo(tempo);
    stretcher_->setSetting(SETTING_SEQUENCE_MS, kSequenceMs);
    stretcher_->setSetting(SETTING_SEEKWINDOW_MS, kSeekWindowMs);
    stretcher_->setSetting(SETTING_OVERLAP_MS, kOverlapMs);
}

TempoStretch::~TempoStretch() = default;

void TempoStretch::Apply(std::vector<float>& samples, std::size_t from) {
    if (!stretcher_ || from >= samples.size()) {
        return;
    }
    const auto channels = static_cast<std::size_t>(channels_);
    const std::size_t frames = (samples.size() - from) / channels;
    stretcher_->putSamples(samples.data() + from, static_cast<unsigned>(frames));
    samples.resize(from);
    Take(samples);
}

void TempoStretch::Finish(std::vector<float>& samples, std::size_t from) {
    if (!stretcher_) {
        return;
    }
    Apply(samples, from);
    stretcher_->flush();
    Take(samples);
}

void TempoStretch::Take(std::vector<float>& samples) {
    const auto channels = static_cast<std::size_t>(channels_);
    for (;;) {
        const unsigned ready = stretcher_->numSamples();
        if (ready == 0) {
            return;
        }
        const std::size_t before = samples.size();
        samples.resize(before + ready * channels);
        const unsigned got = stretcher_->receiveSamples(samples.data() + before, ready);
        samples.resize(before + got * channels);
        if (got == 0) {
            return;
        }
    }
}

} // namespace lumora
