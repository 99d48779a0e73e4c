#include "user_registry.h"

#include "course/user_file_message.h"
#include "platform/cp1250.h"
#include "platform/file_lock.h"
#include "platform/path_resolver.h"
#include "platform/text_file.h"
#include "platform/text_helpers.h"

#include <algorithm>
#include <cstdint>
#include <dirent.h>
#include <limits>
#include <map>

namespace lumora {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr int kNoNumber = -1;
constexpr const char* kLockSuffix = ".lock";

// The value of a run of decimal digits, or kNoNumber when it is empty or
// beyond the 32-bit range (no identifier the program makes can be that).
int DigitsValue(std::string_view digits) {
    if (digits.empty() || digits.size() > 10) {
        return kNoNumber;
    }
    std::int64_t v = 0;
    for (char c : digits) {
        v = v * 10 + (c - '0');
    }
    return v > std::numeric_limits<int>::max() ? kNoNumber : static_cast<int>(v);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The highest number written in the text, 0 when there is none.
int HighestNumberIn(std::string_view text) {
    int highest = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        if (!IsDigit(text[i])) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
        }
        highest = std::max(highest, DigitsValue(text.substr(start, i - start)));
    }
    return highest;
}

// The highest number that names an entry of the folder: users' folders are
// named by their identifiers.
int HighestNumberedEntry(const std::string& folder) {
    int highest = 0;
    DIR* d = ::opendir(folder.c_str());
    if (d == nullptr) {
        return highest;
    }
    while (const dirent* e = ::readdir(d)) {
        const std::string_view name = e->d_name;
        if (std::all_of(name.begin(), name.end(), IsDigit)) {
            highest = std::max(highest, DigitsValue(name));
        }
    }
    ::closedir(d);
    return highest;
}

// The program ends every line it writes; a file cut short is likely one
// that another computer is still replacing.
bool EndsInLineBreak(std::string_view bytes) {
    return bytes.empty() || bytes.back() == '\n';
}

} // namespace

std::vector<UserListFault> UserList::Read(const std::string& path) {
    // Under the lock, so that the temporary file of another copy's save is
    // never taken for a stale one. A folder that cannot hold the lock is
    // still read.
    const FileLock lock(path + kLockSuffix);
    return ReadUnlocked(path);
}

std::vector<UserListFault> UserList::ReadUnlocked(const std::string& path) {
    RemoveStaleTemporaries(path);
    return ReadOnly(path);
}

std::vector<UserListFault> UserList::ReadOnly(const std::string& path) {
    entries_.clear();
    lines_.clear();
    unreadable_.reset();
    highestSeen_ = HighestNumberedEntry(ParentFolder(path));
    std::vector<UserListFault> faults;
    ReadFailure failure;
    const auto bytes = ReadFileBytesPatiently(path, EndsInLineBreak, &failure);
    if (!bytes) {
        if (!failure.missing) {
            unreadable_ = "Nie można odczytać listy uczniów z pliku usr.t: " + failure.reason + ".";
            faults.push_back({0, *unreadable_ + " Lista uczniów pozostaje bez zmian."});
        }
        return faults;
    }
    lines_ = SplitLines(*bytes);
    std::map<int, int> firstLineOf; // identifier -> line
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const int lineNo = static_cast<int>(i + 1);
        std::string_view raw = lines_[i];
        if (i == 0 && raw.starts_with(kUtf8Mark)) {
            raw.remove_prefix(kUtf8Mark.size());
        }
        const std::string line = Trim(Cp1250ToUtf8(raw));
        const auto eq = line.find('=');
        if (eq == std::string::npos) {
            continue;
        }
        int id = 0;
        try {
            id = StrictInt(line.substr(0, eq));
        } catch (const ConversionError&) {
            highestSeen_ = std::max(highestSeen_, HighestNumberIn(line.substr(0, eq)));
            faults.push_back({lineNo, "identyfikator „" + line.substr(0, eq) +
                                          "” nie jest liczbą; wiersz zostaje w pliku, ale nie "
                                          "jest używany."});
            continue;
        }
        highestSeen_ = std::max(highestSeen_, id);
        if (Count() == kMaxUsers) {
            faults.push_back({lineNo, "więcej niż " + std::to_string(kMaxUsers) +
                                          " uczniów; wiersz zostaje w pliku, ale nie jest "
                                          "używany."});
            continue;
        }
        if (const auto [at, fresh] = firstLineOf.emplace(id, lineNo); !fresh) {
            faults.push_back({lineNo, "identyfikator " + std::to_string(id) + " ma też wiersz " +
                                          std::to_string(at->second) +
                                          "; obaj uczniowie mają wspólny folder i punkty."});
        }
        entries_.push_back({Trim(line.substr(eq + 1)), id});
    }
    return faults;
}

std::optional<std::string> UserList::Write(const std::string& path) const {
    if (unreadable_) {
        return UserFileMessage(*unreadable_ + " Plik nie zostanie zapisany, aby nie utracić "
                                              "żadnego ucznia.",
                               path);
    }
    std::string bytes;
    for (const auto& line : lines_) {
        bytes += line;
        bytes += "\r\n";
    }
    return WriteFileAtomic(path, bytes);
}

const UserEntry* UserList::At(int index) const {
    if (index < 1 || index > Count()) {
        return nullptr;
    }
    return &entries_[static_cast<std::size_t>(index - 1)];
}

void UserList::Append(UserEntry entry) {
    lines_.push_back(Utf8ToCp1250(std::to_string(entry.Id) + "=" + Trim(entry.Name)));
    entries_.push_back(std::move(entry));
}

UserList::NewUser UserList::AddNewName(const std::string& typed) {
    const std::string name = Trim(typed);
    // usr.t holds Windows-1250; any other character would be stored as "?"
    // and two learners could come out with one name.
    if (auto character = FirstCharacterOutsideCp1250(name)) {
        return {NameCheck::Unwritable, {}, std::move(*character)};
    }
    const std::string key = LowerAZ(name);
    int highest = highestSeen_;
    bool duplicate = false;
    for (const auto& e : entries_) {
        highest = std::max(highest, e.Id);
        duplicate = duplicate || LowerAZ(e.Name) == key;
    }
    if (duplicate) {
        return {NameCheck::Duplicate, {}, {}};
    }
    if (Count() >= kMaxUsers || highest == std::numeric_limits<int>::max()) {
        return {NameCheck::Full, {}, {}};
    }
    UserEntry entry{name, highest + 1};
    Append(entry);
    return {NameCheck::Accepted, entry, {}};
}

UserList::NewUser UserList::AddAndSave(const std::string& path, const std::string& typed) {
    const FileLock lock(path + kLockSuffix);
    if (!lock.Held()) {
        return {NameCheck::Failed,
                {},
                UserFileMessage("Nie można dopisać ucznia: nie udało się zablokować pliku "
                                "usr.t.lock na czas zapisu listy uczniów.",
                                path + kLockSuffix)};
    }
    UserList now;
    now.ReadUnlocked(path); // its faults were shown when the list was first read
    NewUser added = now.AddNewName(typed);
    if (added.result != NameCheck::Accepted) {
        return added;
    }
    // The folder first: a copy that ends between the two leaves an unused
    // folder, which only moves the next identifier on, never a learner
    // without one.
    const std::string folder =
        ResolvePath(WithTrailingSlash(ParentFolder(path)), std::to_string(added.entry.Id));
    if (auto error = CreateFolder(folder)) {
        return {NameCheck::Failed, {}, std::move(*error)};
    }
    if (auto error = now.Write(path)) {
        return {NameCheck::Failed, {}, std::move(*error)};
    }
    *this = std::move(now);
    return added;
}

std::string UnwritableCharacterMessage(const std::string& character) {
    return "Znaku „" + character + "” nie można użyć w imieniu. Proszę wpisać imię bez niego.";
}

std::string DescribeUserListFaults(const std::vector<UserListFault>& faults,
                                   const std::string& path) {
    std::string text;
    for (const auto& f : faults) {
        text += text.empty() ? "" : "\n";
        text +=
            f.line > 0 ? "usr.t, wiersz " + std::to_string(f.line) + ": " + f.message : f.message;
    }
    return text.empty() ? text : UserFileMessage(text, path);
}

} // namespace lumora
