#include "presentation_words.h"

#include "platform/text_file.h"
#include "platform/text_helpers.h"

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

PresentationBackground ChooseBackground(const CourseData& course, int steeringRow, int code) {
    const SteeringRow* row = course.Steering(steeringRow);
    const std::string name = row != nullptr ? Trim(row->Background) : std::string();
    if (name.empty()) {
        return {};
    }
    const std::string base = name.size() > 4 ? name.substr(0, name.size() - 4) : std::string();
    const std::string ext = name.size() > 4 ? name.substr(name.size() - 4) : name;
    const auto tla = [&course](const std::string& file) { return course.DataPath("tla\\" + file); };
    if (code != kPictureChoiceCode && !FileExists(tla(base)) && FileExists(tla(base + "_up.bmp")) &&
        FileExists(tla(base + "_dn.bmp"))) {
        return {tla(base + "_up.bmp"), tla(base + "_dn.bmp")};
    }
    if (code == kPictureChoiceCode && FileExists(tla(base + "_mc" + ext))) {
        return {tla(base + "_mc" + ext), {}};
    }
    if (FileExists(tla(name))) {
        return {tla(name), {}};
    }
    return {};
}

} // namespace lumora
