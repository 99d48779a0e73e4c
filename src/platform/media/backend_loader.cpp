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

struct ModuleInfo {
    const char* file;
    const char* entry;
};

ModuleInfo Info(MediaModule module) {
    return module == MediaModule::Sound
               ? ModuleInfo{LUMORA_SOUND_BACKEND_FILE, kSoundBackendEntry}
               : ModuleInfo{LUMORA_FFMPEG_BACKEND_FILE, kFfmpegBackendEntry};
}

// The modules lie beside the executable in a build and in the program's
// library folder (LUMORA_MEDIA_MODULES_INSTALLED, relative to the executable's
// folder) once installed. /proc/self/exe names the executable even before a Qt
// application exists.
std::string ModulePath(const char* file) {
    std::error_code failed;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", failed);
    if (failed) {
        return file;
    }
    const std::filesystem::path beside = exe.parent_path() / file;
    if (std::filesystem::exists(beside, failed)) {
        return beside.string();
    }
    const std::filesystem::path installed =
        (exe.parent_path() / LUMORA_MEDIA_MODULES_INSTALLED / file).lexically_normal();
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

LoadResult Load(MediaModule module) {
    {
        LoadHold& hold = TheLoadHold();
        std::unique_lock lock(hold.mutex);
        hold.released.wait(lock, [&hold] { return !hold.held; });
    }
    const ModuleInfo info = Info(module);
    const std::string path = ModulePath(info.file);
    // Binding every symbol now keeps the relocation work on this thread. The
    // module stays loaded for the life of the process: players made by it may
    // live until exit. The FFmpeg module finds the sound module, which it
    // links, beside itself.
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* reason = dlerror();
        return {nullptr, reason != nullptr ? reason : path};
    }
    auto entry = reinterpret_cast<MediaBackendEntry>(dlsym(handle, info.entry));
    if (entry == nullptr) {
        return {nullptr, path + ": " + info.entry + " not found"};
    }
    return {entry(), {}};
}

struct Loader {
    std::once_flag started;
    std::shared_future<LoadResult> result;
    std::once_flag reported;
};

Loader& TheLoader(MediaModule module) {
    static Loader loaders[2];
    return loaders[module == MediaModule::Sound ? 0 : 1];
}

} // namespace

void StartLoadingMediaModule(MediaModule module) {
    Loader& loader = TheLoader(module);
    std::call_once(loader.started, [&loader, module] {
        loader.result = std::async(std::launch::async, Load, module).share();
    });
}

bool MediaModuleLoadEnded(MediaModule module) {
    Loader& loader = TheLoader(module);
    return loader.result.valid() &&
           loader.result.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

MediaBackend* WaitForMediaModule(MediaModule module) {
    StartLoadingMediaModule(module);
    Loader& loader = TheLoader(module);
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

SoundBackend* WaitForSoundBackend() {
    // The sound module's entry returns its SoundBackend.
    return static_cast<SoundBackend*>(WaitForMediaModule(MediaModule::Sound));
}

std::string MediaModuleError(MediaModule module) {
    StartLoadingMediaModule(module);
    return TheLoader(module).result.get().error;
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
