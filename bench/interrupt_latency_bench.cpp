// Time from PlaySound(path, Interrupt) to the first sample of the new file
// handed to the sound output, through the program's sound service on the real
// engine (run it with SDL_AUDIODRIVER=dummy for the figure without a card).
//
//   bench_interrupt_latency [ROUNDS]
#include "percentile.h"
#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <numbers>
#include <string>
#include <vector>

#include "platform/media/event_wait.h"
#include "platform/media/platform_media_player.h"
#include "platform/media/wav_file.h"
#include "platform/random.h"
#include "platform/text_file.h"
#include "sound/sound_service.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string WriteTone(const std::string& folder, const std::string& name, double hz) {
    constexpr int kRate = 22050;
    std::vector<std::int16_t> samples(kRate * 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] =
            static_cast<std::int16_t>(8000 * std::sin(2 * std::numbers::pi * hz * i / kRate));
    }
    const std::string path = folder + name;
    lumora::WriteFileAtomic(path, lumora::WavBytes(samples, kRate, 1));
    return path;
}

using lumora::bench::Percentile;

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(5, std::atoi(argv[1])) : 100;
    const std::string folder = std::filesystem::temp_directory_path().string() + "/";
    const std::string files[] = {WriteTone(folder, "lumora_bench_a.wav", 440),
                                 WriteTone(folder, "lumora_bench_b.wav", 660)};

    lumora::PlatformMediaPlayer main_player;
    lumora::PlatformMediaPlayer side_player;
    lumora::SoundService service(main_player, side_player);

    std::vector<double> latencies;
    for (int i = 0; i < rounds; ++i) {
        // Vary where in the output period the request falls.
        lumora::ProcessEventsFor(40 + lumora::Random(40));
        const Clock::time_point asked = Clock::now();
        service.PlaySound(files[i % 2], lumora::SoundMode::Interrupt);
        lumora::ProcessEventsUntil([&] { return main_player.FirstSoundTime().has_value(); }, 2000);
        const auto first = main_player.FirstSoundTime();
        if (!first) {
            std::fprintf(stderr, "round %d: no sound reached the output\n", i);
            return 1;
        }
        latencies.push_back(std::chrono::duration<double, std::milli>(*first - asked).count());
    }
    service.StopMedia();
    std::printf("interrupt to first sample: median %.1f ms, p90 %.1f ms, max %.1f ms (%d rounds)\n",
                Percentile(latencies, 0.5), Percentile(latencies, 0.9), Percentile(latencies, 1.0),
                rounds);
    for (const std::string& file : files) {
        std::filesystem::remove(file);
    }
    return 0;
}
