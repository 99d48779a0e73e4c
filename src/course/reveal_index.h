#pragma once
#include "course_data.h"

#include <vector>

namespace lumora {

// Which entries of the reveal index the games of this run have shown.
struct RevealDraw {
    std::vector<bool> Used;
    int UsedCount = 0;
};

// A random entry of the reveal index (1..count) that has not been returned
// since the last reset; when all have been, the used flags are cleared first.
// Returns 0 when the index is empty.
int NextRevealPick(const CourseData& course, RevealDraw& draw);

} // namespace lumora
