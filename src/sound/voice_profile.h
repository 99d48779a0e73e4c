#pragma once
// What the comparison picture shows of a voice: its loudness over time and
// its pitch where it is voiced, in 10 ms steps from where the voice starts,
// so that the learner's recording and the model line up at their starts
// whatever silence each begins with. Plain rules, no Qt: the picture draws
// what this computes.
#include <cstddef>
#include <vector>

namespace lumora {

struct VoiceProfile {
    static constexpr int kStepMs = 10;

    enum class Verdict {
        Ok,
        TooShort, // less voice than a syllable takes
        Silent,   // nothing louder than the microphone's own noise
    };
    Verdict verdict = Verdict::Silent;
    // The step at which the voice starts in the sound it was made from.
    std::size_t startStep = 0;
    // One entry per step from the start to the end of the voice. Loudness is
    // the step's level relative to the loudest step, 0..1 on a 40 dB scale;
    // pitch is in hertz, 0 where the step is not voiced.
    std::vector<float> loudness;
    std::vector<float> pitchHz;
};

// Analyses mono samples (-1..1) at the given rate.
VoiceProfile AnalyseVoice(const std::vector<float>& samples, int rate);

} // namespace lumora
