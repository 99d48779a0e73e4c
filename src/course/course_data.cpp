#include "course_data.h"

#include "platform/path_resolver.h"

#include <utility>

namespace lumora {

namespace {
const char* const kNotFound = "not found!";
}

std::string CourseData::GetText(int n) const {
    if (n < 1 || n > kMaxTexts || TextTable[static_cast<std::size_t>(n)].empty()) {
        return kNotFound;
    }
    return TextTable[static_cast<std::size_t>(n)];
}

std::string CourseData::GetHint(int n) const {
    if (n < 1 || n > kMaxHints || HintTable[static_cast<std::size_t>(n)].empty()) {
        return kNotFound;
    }
    return HintTable[static_cast<std::size_t>(n)];
}

std::string CourseData::InstructionText(int n) const {
    std::string text;
    for (const auto& entry : InstructionTable) {
        if (entry.number == n) {
            text = entry.text;
        }
    }
    return text;
}

std::string CourseData::DataPath(const std::string& relative) const {
    return ResolvePath(DataRoot, relative);
}

std::string CourseData::UserPath(const std::string& relative) const {
    return ResolvePath(UserDataFolder, relative);
}

const std::string& CourseData::LearnersFolder() const {
    return UsersFolder.empty() ? UserDataFolder : UsersFolder;
}

std::string CourseData::UsersPath(const std::string& relative) const {
    return ResolvePath(LearnersFolder(), relative);
}

const TopicRow* CourseData::FindTopic(const std::string& folder) const {
    for (const auto& row : TopicTable) {
        if (row.FolderName == folder) {
            return &row;
        }
    }
    return nullptr;
}

const SteeringRow* CourseData::Steering(int index) const {
    if (index < 1 || index > static_cast<int>(SteeringTable.size())) {
        return nullptr;
    }
    return &SteeringTable[static_cast<std::size_t>(index - 1)];
}

const StRecord* CourseData::St(int number) const {
    if (number < 1 || number > kMaxStRecords || !StTable[static_cast<std::size_t>(number)]) {
        return nullptr;
    }
    return &*StTable[static_cast<std::size_t>(number)];
}

} // namespace lumora
