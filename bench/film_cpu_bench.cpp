// CPU time the engine spends decoding and showing a 352x288 MPEG-1 film in
// real time, as a share of one core.
//
//   bench_film_cpu [FILM] [SECONDS]
//
// Plays SECONDS of the film (default: all of it) and divides the process's
// CPU time by the wall time. SDL's dummy driver paces the sound (and so the
// film) a little slower than real time on a loaded machine.
//
// Without FILM a one-minute film (VCD settings, moving test picture with
// noise, MP2 sound) is made with the ffmpeg command line.
#include <QApplication>
#include <QWidget>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/media/event_wait.h"
#include "platform/media/platform_media_player.h"
#include "platform/media/widget_surface.h"
#include "platform/random.h"

namespace {

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

std::optional<std::string> MakeFilm() {
    const std::string path =
        std::filesystem::temp_directory_path().string() + "/lumora_bench_film.mpg";
    if (std::filesystem::exists(path)) {
        return path;
    }
    const std::string command =
        "ffmpeg -hide_banner -loglevel error -y "
        "-f lavfi -i 'testsrc2=size=352x288:rate=25,noise=alls=12:allf=t' "
        "-f lavfi -i 'sine=frequency=440:sample_rate=44100' -t 60 "
        "-c:v mpeg1video -b:v 1150k -c:a mp2 -b:a 224k -ar 44100 -f mpeg '" +
        path + "'";
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "making the film needs the ffmpeg command line; or pass a film\n");
        return std::nullopt;
    }
    return path;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const auto film = argc > 1 ? std::optional<std::string>(argv[1]) : MakeFilm();
    if (!film) {
        return 1;
    }

    lumora::PlatformMediaPlayer player;
    player.SetFileName(*film);
    if (!player.Open()) {
        std::fprintf(stderr, "%s: %s\n", film->c_str(), player.ErrorText().c_str());
        return 1;
    }
    const std::int64_t limit_ms =
        argc > 2 ? std::atoi(argv[2]) * std::int64_t{1000} : player.Length() * 2;
    QWidget panel;
    panel.resize(player.PictureSize().width, player.PictureSize().height);
    panel.show();
    lumora::WidgetSurface surface(&panel);
    player.SetDisplay(&surface);

    bool ended = false;
    player.SetNotifyHandler([&ended](lumora::NotifyValue) { ended = true; });
    const double cpu_before = CpuSeconds();
    const std::int64_t wall_before = lumora::TickCount();
    player.Play();
    lumora::ProcessEventsUntil([&] { return ended; }, static_cast<int>(limit_ms));
    const double cpu = CpuSeconds() - cpu_before;
    const double wall = static_cast<double>(lumora::TickCount() - wall_before) / 1000.0;
    player.Stop();
    player.SetDisplay(nullptr);

    std::printf("film %dx%d, %.1f s long, %.1f s played%s, %d frames shown: %.2f s CPU, "
                "%.1f %% of one core\n",
                player.PictureSize().width, player.PictureSize().height,
                static_cast<double>(player.Length()) / 1000.0, wall, ended ? " to its end" : "",
                surface.FramesPresented(), cpu, 100.0 * cpu / wall);
    return 0;
}
