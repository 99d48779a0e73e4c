#include "presentation_words.h"

#include <algorithm>

namespace lumora {
namespace {

std::string LessonName(const CourseData& course) {
    const SteeringRow* row = course.Steering(course.CurrentRow);
    const std::string title = row != nullptr ? row->Title : course.CurrentContent;
    return "Lesson \"" + title + "\" (" + course.CurrentContent + ", code " +
           std::to_string(course.CurrentCode) + ")";
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

std::string WordPictureName(const CourseData& course, const DataRow& row) {
    return "obrazki\\" + course.CurrentTopic + "\\sl\\" + row.PictureFile;
}

std::string WordSoundName(const CourseData& course, const DataRow& row) {
    return "sample\\" + course.CurrentTopic + "\\sl\\" + row.SoundFile;
}

std::optional<std::string> RefuseVocabulary(const CourseData& course, int code, int words) {
    if (code == kTypingDrillCode && words == 0) {
        return LessonName(course) + ": the typing drill has no words in data.t.";
    }
    if (code == kChoiceCode && words < 4) {
        return LessonName(course) + ": the picture choice needs at least 4 words, it has " +
               std::to_string(words) + ".";
    }
    return std::nullopt;
}

} // namespace lumora
