// lumora-play FILE...: plays sound and film files one after another through
// the program's media engine and says how each play ended, so a course author
// can check them by hand.
#include <QApplication>
#include <QCoreApplication>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "platform/media/event_wait.h"
#include "platform/media/platform_media_player.h"
#include "platform/media/widget_surface.h"
#include "platform/random.h"

namespace {

const char* NotifyName(lumora::NotifyValue value) {
    switch (value) {
    case lumora::NotifyValue::Successful:
        return "successful";
    case lumora::NotifyValue::Superseded:
        return "superseded";
    case lumora::NotifyValue::Aborted:
        return "aborted";
    case lumora::NotifyValue::Failure:
        return "failure";
    }
    return "failure";
}

bool DisplayAvailable() {
    return std::getenv("QT_QPA_PLATFORM") != nullptr || std::getenv("DISPLAY") != nullptr ||
           std::getenv("WAYLAND_DISPLAY") != nullptr;
}

// A window for the film's picture, when there is a display to show it on.
struct FilmWindow {
    QWidget widget;
    lumora::WidgetSurface surface{&widget};
};

std::unique_ptr<FilmWindow> OpenFilmWindow(lumora::PlatformMediaPlayer& player,
                                           const std::string& file, bool gui) {
    const lumora::SurfaceSize size = player.PictureSize();
    if (!gui || size.width <= 0) {
        return nullptr;
    }
    auto window = std::make_unique<FilmWindow>();
    window->widget.setWindowTitle(QString::fromStdString(file));
    window->widget.resize(size.width, size.height);
    window->widget.show();
    return window;
}

// Plays one file; true when it ended successfully.
bool PlayOne(lumora::PlatformMediaPlayer& player, const std::string& file, bool gui) {
    player.SetFileName(file);
    if (!player.Open()) {
        std::printf("%s: failure: %s\n", file.c_str(), player.ErrorText().c_str());
        return false;
    }
    const auto window = OpenFilmWindow(player, file, gui);
    player.SetDisplay(window ? &window->surface : nullptr);
    std::optional<lumora::NotifyValue> ended;
    player.SetNotifyHandler([&ended](lumora::NotifyValue value) { ended = value; });
    const std::int64_t start = lumora::TickCount();
    player.Play();
    while (!ended) {
        lumora::ProcessEventsFor(10);
    }
    const std::int64_t took = lumora::TickCount() - start;
    const std::int64_t length = player.Length();
    player.SetDisplay(nullptr);
    player.Close();
    std::printf("%s: %s after %lld ms, length %lld ms\n", file.c_str(), NotifyName(*ended),
                static_cast<long long>(took), static_cast<long long>(length));
    std::fflush(stdout);
    return *ended == lumora::NotifyValue::Successful;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: lumora-play FILE...\n");
        return 2;
    }
    const bool gui = DisplayAvailable();
    std::unique_ptr<QCoreApplication> app;
    if (gui) {
        app = std::make_unique<QApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    bool all_successful = true;
    {
        lumora::PlatformMediaPlayer player;
        for (int i = 1; i < argc; ++i) {
            all_successful = PlayOne(player, argv[i], gui) && all_successful;
        }
    }
    return all_successful ? 0 : 1;
}
