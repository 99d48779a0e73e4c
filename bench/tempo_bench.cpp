// The cost of the slowed plays: the processor time of slowing one 3 s
// sentence (48 kHz stereo, in the playback's pieces, as the player does it)
// and the delay from Play to its first sample reaching the sound output on
// the real engine, at 100 %, 85 % and 70 %. Run it with SDL_AUDIODRIVER=dummy
// for the figure without a sound card.
//
//   bench_tempo [ROUNDS] [SENTENCE.wav]
//
// Without a file the sentence is generated: voiced syllables gliding in
// pitch with pauses between them.
#include "percentile.h"
#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <numbers>
#include <string>
#include <vector>

#include "platform/media/event_wait.h"
#include "platform/media/platform_media_player.h"
#include "platform/media/tempo_stretch.h"
#include "platform/media/wav_file.h"
#include "platform/text_file.h"
#include "sound/voice_samples.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRate = 48000;
constexpr int kChannels = 2;
constexpr std::size_t kPieceFrames = 2048;
constexpr double kTempos[] = {1.0, 0.85, 0.70};

// Three seconds of syllables: 200 ms voiced, 50 ms pause, pitch gliding.
std::vector<float> GeneratedSentence(int rate) {
    std::vector<float> samples;
    double phase = 0;
    const int frames = rate * 3;
    for (int i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double in_syllable = std::fmod(t, 0.25);
        const double f0 = 110 + 40 * std::sin(2 * std::numbers::pi * t / 3);
        phase += 2 * std::numbers::pi * f0 / rate;
        const double level = in_syllable < 0.2 ? std::sin(std::numbers::pi * in_syllable / 0.2) : 0;
        samples.push_back(static_cast<float>(
            0.3 * level *
            (std::sin(phase) + 0.5 * std::sin(2 * phase) + 0.3 * std::sin(3 * phase))));
    }
    return samples;
}

// Mono at `rate` to the output's 48 kHz stereo, by linear interpolation.
std::vector<float> ToOutput(const std::vector<float>& mono, int rate) {
    std::vector<float> out;
    const auto frames = static_cast<std::size_t>(static_cast<double>(mono.size()) * kRate / rate);
    for (std::size_t f = 0; f < frames; ++f) {
        const double at = static_cast<double>(f) * rate / kRate;
        const auto i = static_cast<std::size_t>(at);
        const double share = at - static_cast<double>(i);
        const float next = i + 1 < mono.size() ? mono[i + 1] : mono[i];
        const auto value = static_cast<float>(mono[i] * (1 - share) + next * share);
        out.insert(out.end(), kChannels, value);
    }
    return out;
}

double ThreadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Slows the whole sentence as the playback does; returns the output frames.
std::size_t Slow(const std::vector<float>& sound, double tempo) {
    lumora::TempoStretch stretch(tempo, kRate, kChannels);
    std::vector<float> out;
    std::size_t frames = 0;
    const std::size_t piece = kPieceFrames * kChannels;
    for (std::size_t at = 0; at < sound.size(); at += piece) {
        const std::size_t end = std::min(at + piece, sound.size());
        out.assign(sound.begin() + static_cast<std::ptrdiff_t>(at),
                   sound.begin() + static_cast<std::ptrdiff_t>(end));
        if (end == sound.size()) {
            stretch.Finish(out, 0);
        } else {
            stretch.Apply(out, 0);
        }
        frames += out.size() / kChannels;
    }
    return frames;
}

using lumora::bench::Percentile;

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(5, std::atoi(argv[1])) : 30;
    std::vector<float> mono;
    int rate = 22050;
    if (argc > 2) {
        const auto voice = lumora::ReadVoiceSamples(argv[2]);
        if (!voice) {
            std::fprintf(stderr, "%s: not a WAV file this program decodes\n", argv[2]);
            return 1;
        }
        mono = voice->samples;
        rate = voice->rate;
    } else {
        mono = GeneratedSentence(rate);
    }
    const std::vector<float> sound = ToOutput(mono, rate);
    const double seconds = static_cast<double>(sound.size()) / kChannels / kRate;

    for (const double tempo : kTempos) {
        std::vector<double> cpu;
        std::size_t frames = 0;
        for (int i = 0; i < rounds; ++i) {
            const double before = ThreadCpuMs();
            frames = Slow(sound, tempo);
            cpu.push_back(ThreadCpuMs() - before);
        }
        std::printf("slowing %.2f s to %3.0f %%: %.2f s out, processor time median %.1f ms, "
                    "max %.1f ms (%.1f %% of the play's time)\n",
                    seconds, tempo * 100, static_cast<double>(frames) / kRate, Percentile(cpu, 0.5),
                    Percentile(cpu, 1.0),
                    100 * Percentile(cpu, 0.5) / (1000 * static_cast<double>(frames) / kRate));
    }

    // The same sentence as a file, played on the real engine.
    std::vector<std::int16_t> pcm;
    for (const float s : mono) {
        pcm.push_back(static_cast<std::int16_t>(std::clamp(s, -1.0F, 1.0F) * 32767));
    }
    const std::string file =
        std::filesystem::temp_directory_path().string() + "/lumora_bench_tempo.wav";
    lumora::WriteFileAtomic(file, lumora::WavBytes(pcm, rate, 1));
    lumora::PlatformMediaPlayer player;
    player.SetFileName(file);
    if (!player.Open()) {
        std::fprintf(stderr, "%s: %s\n", file.c_str(), player.ErrorText().c_str());
        return 1;
    }
    for (const double tempo : kTempos) {
        player.SetTempo(tempo);
        std::vector<double> delays;
        for (int i = 0; i < rounds; ++i) {
            player.Stop();
            player.Seek(0);
            lumora::ProcessEventsFor(20);
            const Clock::time_point asked = Clock::now();
            player.Play();
            lumora::ProcessEventsUntil([&] { return player.FirstSoundTime().has_value(); }, 2000);
            const auto first = player.FirstSoundTime();
            if (!first || *first < asked) {
                std::fprintf(stderr, "round %d: no sound reached the output\n", i);
                return 1;
            }
            delays.push_back(std::chrono::duration<double, std::milli>(*first - asked).count());
        }
        std::printf("play to first sample at %3.0f %%: median %.1f ms, p90 %.1f ms, max %.1f ms "
                    "(%d rounds)\n",
                    tempo * 100, Percentile(delays, 0.5), Percentile(delays, 0.9),
                    Percentile(delays, 1.0), rounds);
    }
    player.Stop();
    player.Close();
    std::filesystem::remove(file);
    return 0;
}
