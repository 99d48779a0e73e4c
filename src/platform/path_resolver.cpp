#include "path_resolver.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

namespace lumora {
namespace {

bool Exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

// The entry of dir whose name equals component ignoring ASCII case, or the
// component itself when there is none.
std::string MatchComponent(const std::string& dir, const std::string& component) {
    if (Exists(dir + component)) {
        return component;
    }
    DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
    if (d == nullptr) {
        return component;
    }
    std::string found = component;
    while (dirent* e = ::readdir(d)) {
        if (::strcasecmp(e->d_name, component.c_str()) == 0) {
            found = e->d_name;
            break;
        }
    }
    ::closedir(d);
    return found;
}

} // namespace

std::string ToSlashes(std::string_view name) {
    std::string out(name);
    for (char& c : out) {
        if (c == '\\') {
            c = '/';
        }
    }
    return out;
}

std::string WithTrailingSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

std::string ParentFolder(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::string LastComponent(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ResolvePath(const std::string& folder, std::string_view relative) {
    const std::string rel = ToSlashes(relative);
    std::string result = rel.starts_with('/') ? std::string("/") : WithTrailingSlash(folder);
    std::size_t start = 0;
    bool first = true;
    while (start <= rel.size()) {
        std::size_t end = rel.find('/', start);
        if (end == std::string::npos) {
            end = rel.size();
        }
        const std::string component = rel.substr(start, end - start);
        start = end + 1;
        if (component.empty() || component == ".") {
            continue;
        }
        if (!first) {
            result += '/';
        }
        first = false;
        result += component == ".." ? component : MatchComponent(result, component);
    }
    return result;
}

} // namespace lumora
