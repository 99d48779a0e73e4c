#pragma once
// Writes a small but complete course into a temporary folder so that tests
// can load it, change one file and see what the loaders make of it.
#include "course/course_data.h"
#include "course/load_report.h"
#include "course/user_settings.h"
#include "temp_folder.h"

#include <string>
#include <vector>

namespace lumora::test {

// ini.t with the given text and hint lines (marker lines included by the caller).
std::string IniText(const std::vector<std::string>& texts, const std::vector<std::string>& hints);

// The twelve topic rows used by IniText.
std::vector<std::string> TopicRows();

class CourseBuilder {
  public:
    CourseBuilder();

    const TempFolder& Folder() const { return dir_; }
    std::string DataRoot() const { return dir_ / "course/"; }
    std::string UserFolder() const { return dir_ / "user/"; }

    // Replaces one course file (UTF-8 text, "\n" line ends).
    void Write(const std::string& relative, const std::string& text) const;
    void Remove(const std::string& relative) const;

    // Loads the course as the program does, recording faults; the program's
    // rule of stopping at the first fatal fault applies unless told otherwise.
    // The settings it read are kept for Settings().
    CourseData Load(bool stopAtFatal = true);
    const UserSettings& Settings() const { return settings_; }

    const std::vector<LoadFault>& Faults() const { return faults_; }
    std::vector<std::string> FaultMessages() const;

  private:
    TempFolder dir_;
    std::vector<LoadFault> faults_;
    UserSettings settings_;
};

} // namespace lumora::test
