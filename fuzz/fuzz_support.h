#pragma once
// What every fuzz target shares: a scratch folder of its own for the files a
// reader only takes by path, a course whose folder is that scratch folder,
// and a report that collects faults the way the course checker does (every
// fault passed on, loading carried on) and checks that each one says what
// and where.
#include "course/course_data.h"
#include "course/load_report.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace lumora::fuzz {

// The fuzz input as bytes.
std::string_view Bytes(const std::uint8_t* data, std::size_t size);

// A folder made once per process, ending in '/' and removed at exit.
const std::string& ScratchFolder();

// Writes the bytes to the scratch folder under a Windows-style relative name
// ("odkrywanki\\idx.t"), making its folders; returns the full path.
std::string WriteScratchFile(const std::string& relative, std::string_view bytes);

// A course whose DataRoot and UserDataFolder are the scratch folder.
CourseData ScratchCourse();

// A checker's report: faults are counted; a fault without a file name or a
// message aborts, so that an unclear report counts as a finding.
LoadReport CheckingReport();

// The first line of the bytes decoded from Windows-1250, the way one line of
// a course table reaches the code that reads it.
std::string FirstLine(std::string_view bytes);

// Seeds the program's random generator the same way for every input, so that
// an input that fails once fails again.
void FixedDraws();

// Stops the process when a reader breaks a promise it makes (a table over its
// limit, a value out of its range): libFuzzer keeps the input as a crash.
void Require(bool condition, const char* what);

} // namespace lumora::fuzz
