#include "voice_profile.h"

#include <algorithm>
#include <cmath>

namespace lumora {
namespace {

// The rate the analysis runs at: enough for the pitch of any voice.
constexpr int kAnalysisRate = 16000;
// Below this level (about -46 dB of full scale) a step is only noise.
constexpr float kNoiseLevel = 0.005F;
// The voice starts and ends where it comes within 26 dB of its loudest step.
constexpr float kVoiceShare = 0.05F;
// The loudness scale's range in decibels.
constexpr float kScaleDb = 40.0F;
// The shortest voice worth comparing.
constexpr std::size_t kShortestSteps = 12;
// Pitches a voice has, and the window the pitch is found in (two periods
// of the lowest).
constexpr float kLowestHz = 70.0F;
constexpr float kHighestHz = 400.0F;
constexpr int kWindowMs = 30;
// How alike a window must be to itself one period on to count as voiced.
constexpr float kVoicedLikeness = 0.6F;
constexpr int kMsPerSecond = 1000;

// Averages groups of samples down to about the analysis rate.
std::vector<float> Reduce(const std::vector<float>& samples, int rate, int& reduced_rate) {
    const int factor = std::max(1, rate / kAnalysisRate);
    reduced_rate = rate / factor;
    std::vector<float> out;
    out.reserve(samples.size() / static_cast<std::size_t>(factor) + 1);
    for (std::size_t i = 0; i + static_cast<std::size_t>(factor) <= samples.size();
         i += static_cast<std::size_t>(factor)) {
        float sum = 0;
        for (int k = 0; k < factor; ++k) {
            sum += samples[i + static_cast<std::size_t>(k)];
        }
        out.push_back(sum / static_cast<float>(factor));
    }
    return out;
}

std::vector<float> StepLevels(const std::vector<float>& samples, std::size_t step) {
    std::vector<float> levels;
    for (std::size_t at = 0; at + step <= samples.size(); at += step) {
        double sum = 0;
        for (std::size_t i = at; i < at + step; ++i) {
            sum += static_cast<double>(samples[i]) * samples[i];
        }
        levels.push_back(static_cast<float>(std::sqrt(sum / static_cast<double>(step))));
    }
    return levels;
}

// Normalised likeness of the window at `at` with itself `lag` samples on.
float Likeness(const std::vector<float>& samples, std::size_t at, std::size_t window,
               std::size_t lag) {
    double cross = 0;
    double first = 0;
    double second = 0;
    for (std::size_t i = at; i < at + window; ++i) {
        const double a = samples[i];
        const double b = samples[i + lag];
        cross += a * b;
        first += a * a;
        second += b * b;
    }
    const double energy = std::sqrt(first * second);
    return energy > 0 ? static_cast<float>(cross / energy) : 0.0F;
}

// The pitch of the window starting at `at`, or 0 when it is not voiced.
float StepPitch(const std::vector<float>& samples, int rate, std::size_t at) {
    const auto window = static_cast<std::size_t>(rate * kWindowMs / kMsPerSecond);
    const auto shortest = static_cast<std::size_t>(static_cast<float>(rate) / kHighestHz);
    const auto longest = static_cast<std::size_t>(static_cast<float>(rate) / kLowestHz);
    if (at + window + longest + 1 > samples.size()) {
        return 0;
    }
    std::vector<float> likeness(longest + 2, 0.0F);
    for (std::size_t lag = shortest - 1; lag <= longest + 1; ++lag) {
        likeness[lag] = Likeness(samples, at, window, lag);
    }
    // The first peak that comes near the best one is the period, so that
    // twice the period does not win.
    const float best =
        *std::max_element(likeness.begin() + static_cast<std::ptrdiff_t>(shortest),
                          likeness.begin() + static_cast<std::ptrdiff_t>(longest + 1));
    if (best < kVoicedLikeness) {
        return 0;
    }
    for (std::size_t lag = shortest; lag <= longest; ++lag) {
        const float here = likeness[lag];
        if (here >= 0.9F * best && here >= likeness[lag - 1] && here >= likeness[lag + 1]) {
            // Between the samples, where a parabola through the three peaks.
            const float before = likeness[lag - 1];
            const float after = likeness[lag + 1];
            const float bend = before - 2 * here + after;
            const float shift = bend < 0 ? 0.5F * (before - after) / bend : 0.0F;
            return static_cast<float>(rate) / (static_cast<float>(lag) + shift);
        }
    }
    return 0;
}

} // namespace

VoiceProfile AnalyseVoice(const std::vector<float>& samples, int rate) {
    VoiceProfile profile;
    if (rate <= 0) {
        return profile;
    }
    int reduced_rate = rate;
    const std::vector<float> reduced = Reduce(samples, rate, reduced_rate);
    const auto step = static_cast<std::size_t>(reduced_rate * VoiceProfile::kStepMs / kMsPerSecond);
    const std::vector<float> levels = StepLevels(reduced, step);
    const float loudest = levels.empty() ? 0.0F : *std::max_element(levels.begin(), levels.end());
    if (loudest < kNoiseLevel) {
        profile.verdict = VoiceProfile::Verdict::Silent;
        return profile;
    }
    const float threshold = std::max(kNoiseLevel, loudest * kVoiceShare);
    const auto first = static_cast<std::size_t>(
        std::find_if(levels.begin(), levels.end(), [&](float l) { return l >= threshold; }) -
        levels.begin());
    const auto last = static_cast<std::size_t>(
        levels.rend() -
        std::find_if(levels.rbegin(), levels.rend(), [&](float l) { return l >= threshold; }));
    profile.startStep = first;
    if (last - first < kShortestSteps) {
        profile.verdict = VoiceProfile::Verdict::TooShort;
        return profile;
    }
    profile.verdict = VoiceProfile::Verdict::Ok;
    for (std::size_t s = first; s < last; ++s) {
        const float db = 20.0F * std::log10(std::max(levels[s], 1e-9F) / loudest);
        profile.loudness.push_back(std::clamp(1.0F + db / kScaleDb, 0.0F, 1.0F));
        profile.pitchHz.push_back(
            levels[s] >= threshold ? StepPitch(reduced, reduced_rate, s * step) : 0.0F);
    }
    return profile;
}

} // namespace lumora
