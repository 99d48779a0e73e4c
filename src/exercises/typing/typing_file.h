#pragma once
// The ".fcs" file of a typing lesson, read from the course folder.
#include "course/course_data.h"
#include "course/lesson_kinds.h"
#include "course/load_report.h"
#include "typing_text.h"

#include <string>
#include <variant>

namespace lumora {

// Reads the file that the lesson's St.t body names. A fault names the file
// (relative to the course folder) and, where it can, the line.
std::variant<TypingText, LoadFault> ReadTypingFile(const CourseData& course,
                                                   const std::string& stBody);

// "file, line n: message" (or "file: message") for a message box.
std::string DescribeTypingFault(const LoadFault& fault);

} // namespace lumora
