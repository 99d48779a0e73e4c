#include "presentation_words.h"

#include <algorithm>

namespace lumora {
namespace {

std::string LessonName(const CourseData& course, const LessonState& lesson) {
    const SteeringRow* row = course.Steering(lesson.CurrentRow);
    const std::string title = row != nullptr ? row->Title : lesson.CurrentContent;
    return "Lesson \"" + title + "\" (" + lesson.CurrentContent + ", code " +
           std::to_string(lesson.CurrentCode) + ")";
}

} // namespace

int PointsForTries(int tries) {
    switch (tries) {
    case 1:
        return 10;
    case 2:
        return 5;
    case 3:
        return 3;
    case 4:
        return 2;
    default:
        return 1;
    }
}

std::vector<int> PresentationRows(const std::vector<int>& selected) {
    const auto count = std::min<std::size_t>(selected.size(), kVocabularyMaxWords);
    return {selected.begin(), selected.begin() + static_cast<std::ptrdiff_t>(count)};
}

std::string WordPictureName(const LessonState& lesson, const DataRow& row) {
    return "obrazki\\" + lesson.CurrentTopic + "\\sl\\" + row.PictureFile;
}

std::string WordSoundName(const LessonState& lesson, const DataRow& row) {
    return "sample\\" + lesson.CurrentTopic + "\\sl\\" + row.SoundFile;
}

std::optional<std::string> RefuseVocabulary(const CourseData& course, const LessonState& lesson,
                                            int code, int words) {
    if (code == kTypingDrillCode && words == 0) {
        return LessonName(course, lesson) + ": the typing drill has no words in data.t.";
    }
    if (code == kPictureChoiceCode && words < 4) {
        return LessonName(course, lesson) + ": the picture choice needs at least 4 words, it has " +
               std::to_string(words) + ".";
    }
    return std::nullopt;
}

} // namespace lumora
