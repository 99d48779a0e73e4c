#include "backend_loader.h"

#include <dlfcn.h>

#include <condition_variable>
#include <filesystem>
#include <future>
#include <mutex>

#include "media_backend.h"
#include "platform/message_box.h"

namespace lumora {
namespace {

struct LoadResult {
    MediaBackend* backend = nullptr;
    std::string error;
};

// The module lies beside the executable in a build and in the program's
// library folder (LUMORA_MEDIA_BACKEND_INSTALLED, relative to the executable's
// folder) once installed. /proc/self/exe names the executable even before a Qt
// application exists.
std::string ModulePath() {
    std::error_code failed;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", failed);
    if (failed) {
        return LUMORA_MEDIA_BACKEND_FILE;
    }
    const std::filesystem::path beside = exe.parent_path() / LUMORA_MEDIA_BACKEND_FILE;
    if (std::filesystem::exists(beside, failed)) {
        return beside.string();
    }
    const std::filesystem::path installed =
        (exe.parent_path() / LUMORA_MEDIA_BACKEND_INSTALLED / LUMORA_MEDIA_BACKEND_FILE)
            .lexically_normal();
    return std::filesystem::exists(installed, failed) ? installed.string() : beside.string();
}

struct LoadHold {
    std::mutex mutex;
    std::condition_variable released;
    bool held = false;
};

LoadHold& TheLoadHold() {
    static LoadHold hold;
    return hold;
}

LoadResult Load() {
    {
        LoadHold& hold = TheLoadHold();
        std::unique_lock lock(hold.mutex);
        hold.released.wait(lock, [&hold] { return !hold.held; });
    }
    const std::string path = ModulePath();
    // Binding every symbol now keeps the relocation work on this thread. The
    // module stays loaded for the life of the process: players made by it may
    // live until exit.
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) {
        const char* reason = dlerror();
        return {nullptr, reason != nullptr ? reason : path};
    }
    auto entry = reinterpret_cast<MediaBackendEntry>(dlsym(module, kMediaBackendEntry));
    if (entry == nullptr) {
        return {nullptr, path + ": " + kMediaBackendEntry + " not found"};
    }
    return {entry(), {}};
}

struct Loader {
    std::once_flag started;
    std::shared_future<LoadResult> result;
    std::once_flag reported;
};

Loader& TheLoader() {
    static Loader loader;
    return loader;
}

} // namespace

void StartLoadingMediaBackend() {
    Loader& loader = TheLoader();
    std::call_once(loader.started,
                   [&loader] { loader.result = std::async(std::launch::async, Load).share(); });
}

bool MediaBackendLoadEnded() {
    Loader& loader = TheLoader();
    return loader.result.valid() &&
           loader.result.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

MediaBackend* WaitForMediaBackend() {
    StartLoadingMediaBackend();
    Loader& loader = TheLoader();
    const LoadResult& result = loader.result.get();
    if (result.backend == nullptr) {
        std::call_once(loader.reported, [&result] {
            ShowMessage("Nie można załadować modułu dźwięku i filmów; program będzie działał "
                        "bez nich.\n" +
                        result.error);
        });
    }
    return result.backend;
}

std::string MediaBackendError() {
    StartLoadingMediaBackend();
    return TheLoader().result.get().error;
}

void HoldMediaBackendLoad(bool hold) {
    LoadHold& load_hold = TheLoadHold();
    {
        std::lock_guard lock(load_hold.mutex);
        load_hold.held = hold;
    }
    load_hold.released.notify_all();
}

} // namespace lumora
