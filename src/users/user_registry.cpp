#include "user_registry.h"

#include "platform/text_file.h"
#include "platform/text_helpers.h"

#include <algorithm>
#include <limits>

namespace lumora {

std::vector<UserListFault> UserList::Read(const std::string& path) {
    entries_.clear();
    std::vector<UserListFault> faults;
    const auto lines = ReadTextLines(path);
    if (!lines) {
        return faults;
    }
    for (std::size_t i = 0; i < lines->size(); ++i) {
        const int lineNo = static_cast<int>(i + 1);
        const std::string line = Trim((*lines)[i]);
        const auto eq = line.find('=');
        if (eq == std::string::npos) {
            continue;
        }
        if (Count() == kMaxUsers) {
            faults.push_back({lineNo, "More than " + std::to_string(kMaxUsers) +
                                          " users; this line and the rest are not used."});
            break;
        }
        try {
            entries_.push_back({Trim(line.substr(eq + 1)), StrictInt(line.substr(0, eq))});
        } catch (const ConversionError& e) {
            faults.push_back({lineNo, e.what()});
        }
    }
    return faults;
}

std::optional<std::string> UserList::Write(const std::string& path) const {
    std::vector<std::string> lines;
    lines.reserve(entries_.size());
    for (const auto& e : entries_) {
        lines.push_back(std::to_string(e.Id) + "=" + Trim(e.Name));
    }
    return WriteFileAtomic(path, JoinCp1250Lines(lines));
}

const UserEntry* UserList::At(int index) const {
    if (index < 1 || index > Count()) {
        return nullptr;
    }
    return &entries_[static_cast<std::size_t>(index - 1)];
}

UserList::NewUser UserList::AddNewName(const std::string& typed) {
    const std::string name = Trim(typed);
    const std::string key = LowerAZ(name);
    int highest = 0;
    bool duplicate = false;
    for (const auto& e : entries_) {
        highest = std::max(highest, e.Id);
        duplicate = duplicate || LowerAZ(e.Name) == key;
    }
    if (duplicate) {
        return {NameCheck::Duplicate, {}};
    }
    if (Count() >= kMaxUsers || highest == std::numeric_limits<int>::max()) {
        return {NameCheck::Full, {}};
    }
    UserEntry entry{name, highest + 1};
    entries_.push_back(entry);
    return {NameCheck::Accepted, entry};
}

} // namespace lumora
