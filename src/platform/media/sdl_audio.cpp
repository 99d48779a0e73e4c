#include "sdl_audio.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace lumora {
namespace {

std::mutex& AudioMutex() {
    static std::mutex mutex;
    return mutex;
}

// Sound libraries probing for a card that is not there print pages of
// complaints; while a driver is tried they go nowhere, and the fallback says
// what happened in one line.
class StderrSilenced {
  public:
    StderrSilenced() : saved_(::dup(STDERR_FILENO)) {
        const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (null >= 0) {
            ::dup2(null, STDERR_FILENO);
            ::close(null);
        }
    }
    ~StderrSilenced() {
        if (saved_ >= 0) {
            ::dup2(saved_, STDERR_FILENO);
            ::close(saved_);
        }
    }
    StderrSilenced(const StderrSilenced&) = delete;
    StderrSilenced& operator=(const StderrSilenced&) = delete;

  private:
    int saved_;
};

bool started = false;
bool fell_back = false;

bool StartSubsystem(std::string& error) {
    if (started) {
        return true;
    }
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    started = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (!started) {
        error = SDL_GetError();
    }
    return started;
}

void SwitchToDummy(const std::string& reason) {
    fell_back = true;
    std::fprintf(stderr, "lumora: no sound device could be opened (%s); sound plays silently\n",
                 reason.c_str());
    if (started) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        started = false;
    }
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
}

// SDL's dummy driver "captures" silence, which would be played back as the
// learner's voice; it stands for a microphone only when asked for by name.
bool CaptureDriverUsable(std::string& error) {
    const char* driver = SDL_GetCurrentAudioDriver();
    if (driver == nullptr || std::strcmp(driver, "dummy") != 0 ||
        std::getenv(kDummyCaptureSwitch) != nullptr) {
        return true;
    }
    error = "No sound recording device was found.";
    return false;
}

// Not SDL_AUDIO_ALLOW_SAMPLES_CHANGE: SDL 2.26's dummy driver then calls back
// with more than the buffer it allocated.
constexpr int kAllowedOutputChanges = SDL_AUDIO_ALLOW_FREQUENCY_CHANGE;

} // namespace

SDL_AudioDeviceID OpenOutputDevice(const SDL_AudioSpec& want, SDL_AudioSpec& have,
                                   std::string& error) {
    std::lock_guard lock(AudioMutex());
    for (;;) {
        SDL_AudioDeviceID device = 0;
        {
            const StderrSilenced quiet;
            if (StartSubsystem(error)) {
                device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, kAllowedOutputChanges);
                if (device == 0) {
                    error = SDL_GetError();
                }
            }
        }
        if (device != 0 || fell_back) {
            return device;
        }
        SwitchToDummy(error);
    }
}

SDL_AudioDeviceID OpenCaptureDevice(const SDL_AudioSpec& want, std::string& error) {
    std::lock_guard lock(AudioMutex());
    const StderrSilenced quiet;
    if (!StartSubsystem(error) || !CaptureDriverUsable(error)) {
        return 0;
    }
    SDL_AudioSpec have{};
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 1, &want, &have, 0);
    if (device == 0) {
        error = SDL_GetError();
    }
    return device;
}

} // namespace lumora
