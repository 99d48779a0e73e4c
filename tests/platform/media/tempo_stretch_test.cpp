// The slowed sound itself: its length and its pitch, for a generated tone
// and for a word of the demo course, as the playback threads stretch it (in
// pieces, the rest flushed at the end).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/media/tempo_stretch.h"
#include "sound/voice_profile.h"
#include "sound/voice_samples.h"

namespace lumora {
namespace {

constexpr std::size_t kPieceFrames = 2048;

struct Sound {
    std::vector<float> samples; // interleaved
    int rate = 48000;
    int channels = 1;
    std::size_t Frames() const { return samples.size() / static_cast<std::size_t>(channels); }
};

Sound Tone(double hz, int milliseconds, int rate, int channels) {
    Sound sound{{}, rate, channels};
    const auto frames =
        static_cast<std::size_t>(rate) * static_cast<std::size_t>(milliseconds) / 1000;
    for (std::size_t i = 0; i < frames; ++i) {
        const auto value = static_cast<float>(
            0.5 * std::sin(2 * std::numbers::pi * hz * static_cast<double>(i) / rate));
        for (int c = 0; c < channels; ++c) {
            sound.samples.push_back(value);
        }
    }
    return sound;
}

Sound Stretched(const Sound& sound, double tempo) {
    TempoStretch stretch(tempo, sound.rate, sound.channels);
    Sound out{{}, sound.rate, sound.channels};
    const std::size_t piece = kPieceFrames * static_cast<std::size_t>(sound.channels);
    for (std::size_t at = 0; at < sound.samples.size(); at += piece) {
        const std::size_t before = out.samples.size();
        const std::size_t end = std::min(at + piece, sound.samples.size());
        out.samples.insert(out.samples.end(),
                           sound.samples.begin() + static_cast<std::ptrdiff_t>(at),
                           sound.samples.begin() + static_cast<std::ptrdiff_t>(end));
        if (end == sound.samples.size()) {
            stretch.Finish(out.samples, before);
        } else {
            stretch.Apply(out.samples, before);
        }
    }
    return out;
}

// The median pitch of the voiced steps: the sound's dominant pitch.
float DominantPitch(const Sound& sound) {
    std::vector<float> mono;
    for (std::size_t f = 0; f < sound.Frames(); ++f) {
        mono.push_back(sound.samples[f * static_cast<std::size_t>(sound.channels)]);
    }
    std::vector<float> voiced;
    for (const float hz : AnalyseVoice(mono, sound.rate).pitchHz) {
        if (hz > 0) {
            voiced.push_back(hz);
        }
    }
    if (voiced.empty()) {
        return 0;
    }
    std::nth_element(voiced.begin(),
                     voiced.begin() + static_cast<std::ptrdiff_t>(voiced.size() / 2), voiced.end());
    return voiced[voiced.size() / 2];
}

void ExpectSlowedAlike(const Sound& original, double tempo) {
    const Sound slowed = Stretched(original, tempo);
    const double wanted = static_cast<double>(original.Frames()) / tempo;
    EXPECT_NEAR(static_cast<double>(slowed.Frames()), wanted, 0.02 * wanted) << "tempo " << tempo;
    const float pitch = DominantPitch(original);
    ASSERT_GT(pitch, 0);
    EXPECT_NEAR(DominantPitch(slowed), pitch, 0.02 * pitch) << "tempo " << tempo;
}

TEST(TempoStretchTest, SlowedToneIsLongerByTheTempoAtTheSamePitch) {
    const Sound tone = Tone(220, 1000, 48000, 2);
    ExpectSlowedAlike(tone, 0.85);
    ExpectSlowedAlike(tone, 0.70);
}

TEST(TempoStretchTest, SlowedDemoWordIsLongerByTheTempoAtTheSamePitch) {
    const std::optional<VoiceSamples> word =
        ReadVoiceSamples(std::string(LUMORA_DEMO_COURSE_DIR) + LUMORA_DEMO_WORD);
    ASSERT_TRUE(word.has_value());
    const Sound sound{word->samples, word->rate, 1};
    ExpectSlowedAlike(sound, 0.85);
    ExpectSlowedAlike(sound, 0.70);
}

TEST(TempoStretchTest, NormalSpeedLeavesTheSoundAsItIs) {
    const Sound tone = Tone(440, 200, 22050, 1);
    TempoStretch stretch(1.0, tone.rate, tone.channels);
    EXPECT_FALSE(stretch.Stretching());
    std::vector<float> samples = tone.samples;
    stretch.Apply(samples, 0);
    stretch.Finish(samples, samples.size());
    EXPECT_EQ(samples, tone.samples);
}

} // namespace
} // namespace lumora
