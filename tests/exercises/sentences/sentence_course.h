#pragma once
// A sentence lesson held in memory, started as the topic screen starts it.
#include "course/course_data.h"
#include "course/lesson_state.h"

#include <string>

namespace lumora::test {

// A lesson of `rows` sentences "Sentence <wN>." with picture pN.png, sound
// sN.wav, second sound nN.wav and explanations eN / fN, in topic "czas".
CourseData SentenceCourse(int code, int rows);

// Starts steering row 1 (the lesson) in topic "czas": current values and
// selected rows.
LessonState StartLesson(const CourseData& course);

// The full path the series gives a sentence picture or sound.
std::string PicturePath(const CourseData& course, const std::string& file);
std::string SoundPath(const CourseData& course, const std::string& file);

} // namespace lumora::test
