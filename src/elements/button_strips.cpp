#include "button_strips.h"

#include "platform/message_box.h"
#include "platform/path_resolver.h"
#include "platform/text_file.h"

#include <filesystem>

namespace lumora {

TMyImageList& MyImageList1() {
    static TMyImageList list;
    return list;
}

std::string ButtonStripFolder(const std::string& dataRoot) {
    std::error_code error;
    const std::string cwd = WithTrailingSlash(std::filesystem::current_path(error).string());
    if (!error && DirectoryExists(ResolvePath(cwd, "btn"))) {
        return cwd;
    }
    return WithTrailingSlash(dataRoot);
}

bool LoadButtonStrips(TMyImageList& list, const std::string& dataRoot) {
    const std::string folder = ButtonStripFolder(dataRoot);
    try {
        for (const char* file : kButtonStripFiles) {
            list.AddStrip(ResolvePath(folder, file), 2, 0, 0);
        }
    } catch (const ImageListError& e) {
        ShowMessage(e.what());
        return false;
    }
    return true;
}

} // namespace lumora
