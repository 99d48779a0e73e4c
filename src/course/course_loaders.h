#pragma once
// The loaders of the course tables and the user settings. Each reads one file
// into the CourseData and reports faults through the LoadReport.
#include "course_data.h"
#include "course_file_names.h"
#include "load_report.h"

#include <optional>
#include <string>
#include <vector>

namespace lumora {

void LoadIni(CourseData& course, LoadReport& report);
void LoadUserSettings(CourseData& course, LoadReport& report);
// Rewrites ini_hdd.t from the three settings; returns the error text on failure.
std::optional<std::string> SaveUserSettings(const CourseData& course);
void LoadInstructions(CourseData& course, LoadReport& report);
void LoadSteering(CourseData& course, LoadReport& report);
void LoadData(CourseData& course, LoadReport& report);
void LoadSt(CourseData& course, LoadReport& report);
void LoadRevealIndex(CourseData& course, LoadReport& report);

// Reads a course file's lines. A file that cannot be opened is a fatal fault
// (reported, then nothing) when mustExist, and plainly nothing otherwise.
std::optional<std::vector<std::string>>
ReadCourseLines(const CourseData& course, const char* relative, LoadReport& report, bool mustExist);

// The name a loader reports a file under: the relative name with '/'.
std::string ReportName(const char* relative);

// Runs convert; a ConversionError becomes a fatal fault at file:line and the
// result is false.
template <class F> bool Converted(LoadReport& report, const char* file, int line, F&& convert);

} // namespace lumora

#include "course_loaders_inl.h"
