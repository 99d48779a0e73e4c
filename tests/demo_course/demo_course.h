#pragma once
// The demo course as the build made it, loaded once for the tests, and small
// readers for the content formats the lessons open.
#include "course/course_data.h"

#include <string>
#include <vector>

namespace lumora::test {

// The course next to the executables, loaded as the program loads it; the
// faults met while loading are kept.
struct LoadedDemoCourse {
    CourseData course;
    std::vector<std::string> faults;
};
const LoadedDemoCourse& DemoCourse();

bool CourseFileExists(const CourseData& course, const std::string& relative);

// The first bytes of a course file (empty when it cannot be read).
std::string FileStart(const CourseData& course, const std::string& relative, std::size_t count);

// The DataTable rows a lesson with this content key selects.
std::vector<const DataRow*> SelectedRows(const CourseData& course, const std::string& content);

// Splits text at a separator; the part after the last separator is kept only
// when it is not empty (a format whose every field ends with the separator).
std::vector<std::string> Fields(const std::string& text, char separator);

} // namespace lumora::test
