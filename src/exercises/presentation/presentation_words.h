#pragma once
// The words of a vocabulary lesson: which selected rows it works with, where
// their pictures and sounds are, the messages about their number, and the
// points a drill question earns by the try that solved it.
#include "course/course_data.h"
#include "course/lesson_codes.h"
#include "course/lesson_state.h"

#include <optional>
#include <string>
#include <vector>

namespace lumora {

// The vocabulary screen's background files, full paths: the whole screen
// (top alone), or a band on top and one at the bottom over white; none when
// the lesson names no picture that exists.
struct PresentationBackground {
    std::string top;
    std::string bottom;
};

// With a background name N.ext: for the presentation and the typing drill,
// when N itself is missing but N_up.bmp and N_dn.bmp exist, the two bands;
// for the choice, N_mc.ext when it exists; otherwise the named picture when
// it exists.
PresentationBackground ChooseBackground(const CourseData& course, int steeringRow, int code);

inline constexpr int kVocabularyMaxWords = 30;

inline constexpr const char* kTooManyWordsMessage =
    "Do danego cwiczenia wybrano wiecej niz maxslowek - teraz max=30!";
inline constexpr const char* kTooFewToTypeMessage =
    "Wpisywanie - mamy za mala liczbe wyrazow z ktorej losujemy. Powinno byc min. 8!!!";
inline constexpr const char* kMissingPictureMessage = "brak pliku: ";

// 10, 5, 3 and 2 points for a question solved on try 1 to 4, 1 after that.
int PointsForTries(int tries);

// The selected rows a presentation uses: the first 30.
std::vector<int> PresentationRows(const std::vector<int>& selected);

// The picture and sound of a data row in the current topic's word folders,
// named relative to DataRoot the way the tables name them
// ("obrazki\topic\sl\file"); CourseData::DataPath finds them.
std::string WordPictureName(const LessonState& lesson, const DataRow& row);
std::string WordSoundName(const LessonState& lesson, const DataRow& row);

// Why a vocabulary lesson of this code cannot open with this many selected
// rows, or nothing. The choice drill needs a word and three others for every
// round, the typing drill at least one word; the presentation shows what
// there is.
std::optional<std::string> RefuseVocabulary(const CourseData& course, const LessonState& lesson,
                                            int code, int words);

} // namespace lumora
