// The analysis behind the comparison picture, on a generated vowel: its
// loudness and pitch, and the same voice delayed by 50 ms, which must line
// up at its start.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "sound/voice_profile.h"

namespace lumora {
namespace {

constexpr int kRate = 16000;

// `lead_ms` of silence, then a 400 ms vowel whose pitch glides from 120 to
// 180 Hz, with five harmonics, a 50 ms rise and an 80 ms fall.
std::vector<float> Vowel(int lead_ms) {
    std::vector<float> samples(static_cast<std::size_t>(kRate * lead_ms / 1000), 0.0F);
    constexpr int kFrames = kRate * 400 / 1000;
    constexpr std::array<double, 5> kHarmonics = {1.0, 0.6, 0.4, 0.25, 0.15};
    double phase = 0;
    for (int i = 0; i < kFrames; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double f0 = 120.0 + 60.0 * t / 0.4;
        phase += 2 * std::numbers::pi * f0 / kRate;
        double value = 0;
        for (std::size_t h = 0; h < kHarmonics.size(); ++h) {
            value += kHarmonics[h] * std::sin(static_cast<double>(h + 1) * phase);
        }
        const double rise = std::min(1.0, t / 0.05);
        const double fall = std::min(1.0, (0.4 - t) / 0.08);
        samples.push_back(static_cast<float>(0.2 * value * std::min(rise, fall)));
    }
    samples.resize(samples.size() + kRate / 10, 0.0F);
    return samples;
}

TEST(VoiceProfileTest, VowelHasItsGoldenLoudnessAndPitch) {
    const VoiceProfile voice = AnalyseVoice(Vowel(100), kRate);
    ASSERT_EQ(voice.verdict, VoiceProfile::Verdict::Ok);
    EXPECT_EQ(voice.startStep, 10U);
    ASSERT_EQ(voice.loudness.size(), 40U);
    ASSERT_EQ(voice.pitchHz.size(), voice.loudness.size());
    // Step, loudness, pitch: the rise, the steady vowel and the fall.
    const std::vector<std::pair<std::size_t, std::pair<float, float>>> golden = {
        {0, {0.5510F, 123.75F}},  {5, {0.9584F, 130.68F}},  {13, {1.0F, 142.29F}},
        {20, {0.9747F, 152.66F}}, {35, {0.8303F, 174.73F}}, {39, {0.3621F, 179.91F}},
    };
    for (const auto& [step, values] : golden) {
        EXPECT_NEAR(voice.loudness[step], values.first, 0.005) << "step " << step;
        EXPECT_NEAR(voice.pitchHz[step], values.second, 0.5) << "step " << step;
    }
    // The pitch follows the glide where the vowel is steady.
    for (std::size_t step = 10; step < 30; ++step) {
        const double at_ms = (static_cast<double>(voice.startStep + step) * 10 + 15) - 100;
        const double f0 = 120.0 + 60.0 * at_ms / 400.0;
        EXPECT_NEAR(voice.pitchHz[step], f0, 0.02 * f0) << "step " << step;
    }
}

TEST(VoiceProfileTest, DelayedCopyLinesUpAtItsStart) {
    const VoiceProfile voice = AnalyseVoice(Vowel(100), kRate);
    const VoiceProfile later = AnalyseVoice(Vowel(150), kRate);
    ASSERT_EQ(later.verdict, VoiceProfile::Verdict::Ok);
    EXPECT_EQ(later.startStep, voice.startStep + 5);
    ASSERT_EQ(later.loudness.size(), voice.loudness.size());
    for (std::size_t step = 0; step < voice.loudness.size(); ++step) {
        EXPECT_NEAR(later.loudness[step], voice.loudness[step], 1e-4) << "step " << step;
        EXPECT_NEAR(later.pitchHz[step], voice.pitchHz[step], 0.01) << "step " << step;
    }
}

TEST(VoiceProfileTest, SilenceAndABlipAreNotCompared) {
    const std::vector<float> silence(kRate, 0.0F);
    EXPECT_EQ(AnalyseVoice(silence, kRate).verdict, VoiceProfile::Verdict::Silent);
    // Microphone noise well under the noise level is silence too.
    std::vector<float> hiss(kRate);
    for (std::size_t i = 0; i < hiss.size(); ++i) {
        hiss[i] = (i % 7 < 3 ? 0.002F : -0.002F);
    }
    EXPECT_EQ(AnalyseVoice(hiss, kRate).verdict, VoiceProfile::Verdict::Silent);
    std::vector<float> blip(kRate / 2, 0.0F);
    for (std::size_t i = 0; i < static_cast<std::size_t>(kRate / 20); ++i) {
        blip[kRate / 10 + i] = 0.3F * std::sin(static_cast<float>(i) * 0.1F);
    }
    EXPECT_EQ(AnalyseVoice(blip, kRate).verdict, VoiceProfile::Verdict::TooShort);
    EXPECT_EQ(AnalyseVoice({}, kRate).verdict, VoiceProfile::Verdict::Silent);
}

TEST(VoiceProfileTest, HigherRatesGiveTheSameProfile) {
    // A 48 kHz recording of the vowel: every third sample of the 16 kHz one
    // repeated three times is the same sound for the analysis.
    const std::vector<float> low = Vowel(100);
    std::vector<float> high;
    for (const float s : low) {
        high.insert(high.end(), 3, s);
    }
    const VoiceProfile a = AnalyseVoice(low, kRate);
    const VoiceProfile b = AnalyseVoice(high, 3 * kRate);
    EXPECT_EQ(a.startStep, b.startStep);
    ASSERT_EQ(a.loudness.size(), b.loudness.size());
    for (std::size_t step = 0; step < a.loudness.size(); ++step) {
        EXPECT_NEAR(a.loudness[step], b.loudness[step], 1e-5) << "step " << step;
        EXPECT_NEAR(a.pitchHz[step], b.pitchHz[step], 1e-3) << "step " << step;
    }
}

} // namespace
} // namespace lumora
