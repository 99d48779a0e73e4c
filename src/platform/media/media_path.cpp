#include "media_path.h"

#include "platform/path_resolver.h"

namespace lumora {

std::string MediaFileOnDisk(const std::string& name) {
    if (name.empty()) {
        return name;
    }
    const std::string slashed = ToSlashes(name);
    return slashed.starts_with('/') ? ResolvePath("/", slashed) : ResolvePath("./", slashed);
}

} // namespace lumora
