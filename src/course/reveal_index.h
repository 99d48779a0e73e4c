#pragma once
#include "course_data.h"

namespace lumora {

// A random entry of the reveal index (1..count) that has not been returned
// since the last reset; when all have been, the used flags are cleared first.
// Returns 0 when the index is empty.
int NextRevealPick(CourseData& course);

} // namespace lumora
