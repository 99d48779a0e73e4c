#include "users_folder.h"

#include "platform/folders.h"
#include "platform/path_resolver.h"
#include "platform/text_file.h"
#include "platform/text_helpers.h"

#include <cstdlib>
#include <filesystem>
#include <optional>

namespace lumora {
namespace {

std::string Absolute(const std::string& folder) {
    return WithTrailingSlash(std::filesystem::absolute(folder).lexically_normal().string());
}

struct SettingRead {
    std::optional<std::string> folder;
    std::string problem;
};

std::string SettingFault(const std::string& file, std::size_t line, const std::string& what) {
    return "Plik ustawień " + file + ", wiersz " + std::to_string(line) + ": " + what +
           " Uczniowie są zapisywani w folderze tego konta.";
}

// The folder one setting file names. Lines are "key=value"; blank lines and
// those starting with '#' are passed over. A line that is not understood is
// a fault rather than passed over, since a class whose setting is mistyped
// would otherwise keep its points on each computer without anyone noticing.
SettingRead ReadSetting(const std::string& file) {
    SettingRead read;
    const auto bytes = ReadFileBytes(file);
    if (!bytes) {
        return read;
    }
    const std::vector<std::string> lines = SplitLines(*bytes);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string line = Trim(lines[i]);
        if (line.empty() || line.starts_with('#')) {
            continue;
        }
        const auto eq = line.find('=');
        const std::string key = Trim(line.substr(0, eq));
        if (eq == std::string::npos || key != kUsersSettingKey) {
            return {std::nullopt, SettingFault(file, i + 1,
                                               "nie rozumiem „" + line + "” (znane jest tylko „" +
                                                   kUsersSettingKey + "=/folder”).")};
        }
        const std::string value = Trim(line.substr(eq + 1));
        if (!value.starts_with('/')) {
            return {std::nullopt,
                    SettingFault(file, i + 1,
                                 "folder uczniów „" + value +
                                     "” musi być podany od korzenia, na przykład /srv/lumora.")};
        }
        read.folder = value;
    }
    return read;
}

} // namespace

UsersFolderChoice ChooseUsersFolderFrom(const std::string& usersOption,
                                        const std::vector<std::string>& configFolders,
                                        const std::string& accountFolder) {
    if (!usersOption.empty()) {
        return {Absolute(usersOption), "the --users option", true, {}};
    }
    if (const char* env = std::getenv("LUMORA_USERS"); env != nullptr && *env != '\0') {
        return {Absolute(env), "the LUMORA_USERS environment variable", true, {}};
    }
    for (const std::string& config : configFolders) {
        const std::string file = WithTrailingSlash(config) + kSystemSettingFile;
        SettingRead read = ReadSetting(file);
        if (!read.problem.empty()) {
            return {WithTrailingSlash(accountFolder),
                    "this account's folder (the setting in " + file + " has a fault)", false,
                    read.problem};
        }
        if (read.folder) {
            return {Absolute(*read.folder), "the setting in " + file, true, {}};
        }
    }
    return {WithTrailingSlash(accountFolder), "this account's folder", false, {}};
}

UsersFolderChoice ChooseUsersFolder(const std::string& usersOption) {
    return ChooseUsersFolderFrom(usersOption, SystemConfigFolders(), DefaultUserDataFolder());
}

std::string MissingUsersFolderMessage(const UsersFolderChoice& choice) {
    return "Nie ma folderu uczniów " + choice.folder +
           ". Jeśli leży on na dysku sieciowym szkoły, sprawdź, czy ten dysk jest podłączony; "
           "inaczej utwórz ten folder. Program kończy pracę.";
}

} // namespace lumora
