#pragma once
// The spoken comment of the result box, chosen by how well the exercise went.
#include "course/course_file_names.h"

#include <string>

namespace lumora {

// correct / (wrong + items) x 100, rounded to the nearest integer with halves
// to the even neighbour; 0 when wrong + items is 0 or less.
int ResultScore(int correct, int wrong, int items);

// The comment's file stem ("q1_7", "q6_2" ...) or an empty text for none,
// drawn with the program's generator from its current state.
std::string ChooseResultComment(int correct, int wrong, int answered, int items);

// The result box's background for a score: "gfx\statystyka1.bmp" (gold) from
// 90, "gfx\statystyka2.bmp" (silver) from 70, "gfx\statystyka3.bmp" (bronze)
// from 50, and the plain "gfx\statystyka.bmp" below that or above 100, the
// same bands as the spoken praise. The medal shows the learner at a glance
// what the comment says; a course without the medal pictures gets the plain
// one, so nothing is lost where they are missing.
std::string ResultBackgroundName(int correct, int wrong, int items);
inline constexpr const char* kPlainResultBackground = kResultBoxPicture;

} // namespace lumora
