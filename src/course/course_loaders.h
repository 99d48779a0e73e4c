#pragma once
// The loaders of the course tables. Each reads one file
// into the CourseData and reports faults through the LoadReport.
#include "course_data.h"
#include "course_file_names.h"
#include "load_report.h"

#include <optional>
#include <string>
#include <vector>

namespace lumora {

void LoadIni(CourseData& course, LoadReport& report);
void LoadInstructions(CourseData& course, LoadReport& report);
void LoadSteering(CourseData& course, LoadReport& report);
void LoadData(CourseData& course, LoadReport& report);
void LoadSt(CourseData& course, LoadReport& report);
void LoadRevealIndex(CourseData& course, LoadReport& report);

// How a loader treats a course file it cannot read.
enum class FileRule {
    Required, // missing or unreadable: a fatal fault
    Optional, // missing: silently nothing; unreadable: reported, loading goes on
};

// Reads a course file's lines; nothing (and the fault reported as the rule
// says) when it cannot be read.
std::optional<std::vector<std::string>>
ReadCourseLines(const CourseData& course, const char* relative, LoadReport& report, FileRule rule);

// Positions and sizes read from course files are kept within this distance of
// the screen's origin, so that no sum made while laying out a screen overflows.
inline constexpr int kLayoutLimit = 10000;

// The value clamped to the layout range; `clamped` is set when it was outside.
int ClampLayout(int value, bool& clamped);
// The checker's note that `what` was clamped.
std::string ClampedMessage(const std::string& what);

// The name a loader reports a file under: the relative name with '/'.
std::string ReportName(const char* relative);

// Runs convert; a ConversionError becomes a fatal fault at file:line and the
// result is false.
template <class F> bool Converted(LoadReport& report, const char* file, int line, F&& convert);

} // namespace lumora

#include "course_loaders_inl.h"
