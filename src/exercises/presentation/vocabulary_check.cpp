#include "vocabulary_check.h"

#include "course/course_file_names.h"
#include "course/lesson_kinds.h"
#include "platform/text_file.h"
#include "platform/text_helpers.h"
#include "presentation_words.h"

#include <set>
#include <utility>

namespace lumora {
namespace {

std::string Lesson(const SteeringRow& row) {
    return "vocabulary lesson \"" + row.Title + "\" of " + row.TopicFolder + " (" + row.Content +
           ")";
}

// The lesson's words as the lesson start selects them, in its topic.
LessonState LessonWords(const CourseData& course, const SteeringRow& row) {
    LessonState lesson;
    lesson.CurrentTopic = row.TopicFolder;
    lesson.CurrentContent = row.Content;
    SelectDataRows(course, lesson, row.Content);
    return lesson;
}

void CheckWords(const CourseData& course, const SteeringRow& row, std::vector<LoadFault>& faults) {
    const LessonState lesson = LessonWords(course, row);
    for (int r : PresentationRows(lesson.SelectedRows)) {
        const DataRow& word = course.DataTable[static_cast<std::size_t>(r - 1)];
        const std::pair<const char*, std::string> files[] = {
            {"picture", WordPictureName(lesson, word)}, {"sound", WordSoundName(lesson, word)}};
        for (const auto& [what, name] : files) {
            if (!FileExists(course.DataPath(name))) {
                faults.push_back({kDataFile, word.Line,
                                  Lesson(row) + ": the " + what + " of \"" + word.EnglishText +
                                      "\" is missing: " + name});
            }
        }
    }
}

void CheckCounts(const CourseData& course, const SteeringRow& row, std::vector<LoadFault>& faults) {
    const int words = static_cast<int>(LessonWords(course, row).SelectedRows.size());
    std::string problem;
    if (row.Code == kPictureChoiceCode && words < 4) {
        problem = "the picture choice needs at least 4 words, it has " + std::to_string(words);
    } else if (words > kVocabularyMaxWords) {
        problem = "only the first 30 of its " + std::to_string(words) + " words are used";
    }
    if (!problem.empty()) {
        faults.push_back({kSteeringFile, row.Line,
                          Lesson(row) + " (code " + std::to_string(row.Code) + "): " + problem});
    }
}

} // namespace

std::vector<LoadFault> CheckVocabularyLessons(const CourseData& course) {
    std::vector<LoadFault> faults;
    std::set<std::pair<std::string, std::string>> wordsChecked;
    for (const SteeringRow& row : course.SteeringTable) {
        if (row.Code < kVocabularyCode || row.Code > kTypingDrillCode) {
            continue;
        }
        CheckCounts(course, row, faults);
        if (wordsChecked.insert({row.TopicFolder, LowerCase(row.Content)}).second) {
            CheckWords(course, row, faults);
        }
    }
    return faults;
}

} // namespace lumora
