#include "folders.h"

#include "path_resolver.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace lumora {
namespace {

std::string Env(const char* name) {
    const char* v = std::getenv(name);
    return v == nullptr ? std::string() : std::string(v);
}

std::string Trimmed(std::string s) {
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) {
        return {};
    }
    const auto last = s.find_last_not_of(" \t\r\n");
    return s.substr(first, last - first + 1);
}

std::string HomeFolder() {
    std::string home = Env("HOME");
    if (home.empty()) {
        if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr) {
            home = pw->pw_dir;
        }
    }
    return Trimmed(home);
}

} // namespace

std::string ExecutableFolder() {
    char buf[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof(buf) - 1);
    if (n <= 0) {
        return "./";
    }
    std::string path(buf, static_cast<std::size_t>(n));
    const auto slash = path.rfind('/');
    return WithTrailingSlash(slash == std::string::npos ? std::string(".") : path.substr(0, slash));
}

std::string DefaultUserDataFolder() {
    std::string base = Trimmed(Env("XDG_DATA_HOME"));
    if (base.empty()) {
        const std::string home = HomeFolder();
        base = home.empty() ? std::string("/tmp") : home + "/.local/share";
    }
    return WithTrailingSlash(base) + "Lumora_demo/";
}

std::vector<std::string> SystemConfigFolders() {
    constexpr const char* kSystemDefault = "/etc/xdg/";
    std::vector<std::string> folders;
    const std::string list = Env("XDG_CONFIG_DIRS");
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t colon = std::min(list.find(':', start), list.size());
        const std::string folder = Trimmed(list.substr(start, colon - start));
        // Only absolute folders count, as the XDG rules say.
        if (folder.starts_with('/')) {
            folders.push_back(WithTrailingSlash(folder));
        }
        start = colon + 1;
    }
    if (std::find(folders.begin(), folders.end(), kSystemDefault) == folders.end()) {
        folders.emplace_back(kSystemDefault);
    }
    return folders;
}

} // namespace lumora
