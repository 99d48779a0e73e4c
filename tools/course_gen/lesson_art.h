#pragma once
// The lesson backgrounds in "tla\": one page per topic ("<topic>.png") that
// every lesson of the topic shares, a dark one for the reveal game
// ("odkrywanie.png", whose labels are white), and the default page
// "gfx\blank_tlo.bmp" that the word search always uses.
#include "course/course_data.h"
#include "output.h"

namespace coursegen {

// Makes every background that a steering row names, and the default page.
// Throws for a background name it does not know how to draw.
void MakeLessonBackgrounds(Output& out, const lumora::CourseData& course);

} // namespace coursegen
