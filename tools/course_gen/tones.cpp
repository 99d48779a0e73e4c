#include "tones.h"

#include <cmath>
#include <numbers>

namespace coursegen {

namespace {

constexpr int kRate = 22050;

struct Note {
    double start;      // seconds
    double hz;         // pitch at the start
    double endHz;      // pitch at the end (a glide when it differs)
    double length;     // seconds
    double decay;      // per second; larger dies away faster
    double brightness; // share of the second and third harmonic
};

// Mixes the notes into one sound, with a soft attack so nothing clicks.
Sound Mix(const std::vector<Note>& notes, double total, double volume) {
    Sound s;
    s.rate = kRate;
    std::vector<double> mix(std::size_t(total * kRate), 0.0);
    for (const Note& n : notes) {
        double phase = 0;
        const std::size_t first = std::size_t(n.start * kRate);
        const std::size_t count = std::size_t(n.length * kRate);
        for (std::size_t i = 0; i < count && first + i < mix.size(); ++i) {
            const double t = double(i) / kRate;
            const double hz = n.hz + (n.endHz - n.hz) * (t / n.length);
            phase += 2 * std::numbers::pi * hz / kRate;
            const double attack = std::min(1.0, t / 0.006);
            const double release = std::min(1.0, (n.length - t) / 0.02);
            const double env = attack * release * std::exp(-n.decay * t);
            const double wave = std::sin(phase) + n.brightness * 0.5 * std::sin(2 * phase) +
                                n.brightness * 0.25 * std::sin(3 * phase);
            mix[first + i] += env * wave;
        }
    }
    double peak = 1e-9;
    for (double v : mix) {
        peak = std::max(peak, std::abs(v));
    }
    for (double v : mix) {
        s.samples.push_back(int16_t(std::lround(v / peak * volume * 32767)));
    }
    return s;
}

double Pitch(int semitonesFromA4) {
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}

} // namespace

std::vector<ToneFile> FeedbackTones() {
    const double c5 = Pitch(3), e5 = Pitch(7), g5 = Pitch(10), c6 = Pitch(15), e6 = Pitch(19),
                 g6 = Pitch(22), c7 = Pitch(27);
    return {
        // A bright rising major chord.
        {"wav/Ok_1.wav", Mix({{0.00, c5, c5, 0.50, 5, 0.3},
                              {0.09, e5, e5, 0.45, 5, 0.3},
                              {0.18, g5, g5, 0.55, 4, 0.3}},
                             0.75, 0.6)},
        // Two bell strokes, low then high.
        {"wav/Ok_2.wav",
         Mix({{0.00, g5, g5, 0.55, 4, 0.5}, {0.16, c6, c6, 0.60, 3.5, 0.5}}, 0.8, 0.6)},
        // A quick sparkle up the chord.
        {"wav/Ok_3.wav", Mix({{0.00, c6, c6, 0.25, 8, 0.2},
                              {0.06, e6, e6, 0.25, 8, 0.2},
                              {0.12, g6, g6, 0.25, 8, 0.2},
                              {0.18, c7, c7, 0.45, 5, 0.2}},
                             0.65, 0.5)},
        // Two soft notes going down: "not quite".
        {"wav/No_1.wav", Mix({{0.00, Pitch(-5), Pitch(-5), 0.22, 6, 0.6},
                              {0.20, Pitch(-9), Pitch(-9), 0.35, 5, 0.6}},
                             0.6, 0.55)},
        // A low double hum.
        {"wav/No_2.wav", Mix({{0.00, Pitch(-15), Pitch(-15), 0.16, 4, 0.9},
                              {0.20, Pitch(-15), Pitch(-15), 0.22, 4, 0.9}},
                             0.5, 0.5)},
        // A short slide down.
        {"wav/No_3.wav", Mix({{0.00, Pitch(-2), Pitch(-10), 0.40, 3, 0.7}}, 0.45, 0.5)},
        // The tick of a letter being picked.
        {"wav/click.wav", Mix({{0.00, 1800, 1200, 0.04, 60, 0.2}}, 0.05, 0.45)},
    };
}

} // namespace coursegen
