#include "sentence_check.h"

#include "course/course_file_names.h"
#include "course/lesson_codes.h"
#include "picture_choice.h"
#include "picture_places.h"
#include "platform/text_helpers.h"
#include "sentence_series.h"
#include "sentence_text.h"

#include <set>

namespace lumora {
namespace {

class FaultList {
  public:
    explicit FaultList(const CourseData& course) : lines_(DataRowLines(course)) {}

    void AtRow(int dataRow, const DataRow& row, const std::string& what, bool warning) {
        const auto i = static_cast<std::size_t>(dataRow - 1);
        const int line = i < lines_.size() ? lines_[i] : 0;
        Add({kDataFile, line, "\"" + row.EnglishText + "\": " + what}, warning);
    }

    void AtLesson(const SteeringRow& lesson, const std::string& what, bool warning) {
        Add({kSteeringFile, lesson.Line,
             "lesson " + lesson.Content + " (code " + std::to_string(lesson.Code) + ", topic " +
                 lesson.TopicFolder + "): " + what},
            warning);
    }

    std::vector<LoadFault> Take() { return std::move(faults_); }

  private:
    void Add(LoadFault fault, bool warning) {
        const std::string key = fault.file + ":" + std::to_string(fault.line) + fault.message;
        if (seen_.insert(key).second) {
            fault.kind = warning ? FaultKind::Warning : FaultKind::CheckOnly;
            faults_.push_back(std::move(fault));
        }
    }

    std::vector<int> lines_;
    std::set<std::string> seen_;
    std::vector<LoadFault> faults_;
};

std::vector<int> LessonRows(const CourseData& course, const SteeringRow& lesson) {
    std::vector<int> rows;
    const std::string key = LowerCase(lesson.Content);
    for (std::size_t i = 0; i < course.DataTable.size(); ++i) {
        if (course.DataTable[i].GroupKey == key) {
            rows.push_back(static_cast<int>(i + 1));
        }
    }
    return rows;
}

const DataRow& RowOf(const CourseData& course, int number) {
    return course.DataTable[static_cast<std::size_t>(number - 1)];
}

void CheckGaps(const CourseData& course, const SteeringRow& lesson, const std::vector<int>& rows,
               FaultList& faults) {
    if (lesson.LayoutCount < 6) {
        faults.AtLesson(lesson,
                        "gap filling needs six layout pairs (5 and 6 place the text frame); "
                        "the screen shows \"" +
                            std::string(kNoGapFramePlace) + "\"",
                        true);
    }
    for (int number : rows) {
        const DataRow& row = RowOf(course, number);
        for (GapFault fault : PrepareGapSentence(row.EnglishText).faults) {
            faults.AtRow(number, row, GapFaultText(fault), fault == GapFault::NoGap);
        }
    }
}

void CheckYesNo(const CourseData& course, const std::vector<int>& rows, FaultList& faults) {
    for (int number : rows) {
        const DataRow& row = RowOf(course, number);
        if (row.Field9.empty()) {
            faults.AtRow(number, row,
                         "no second sound (field 9) for the sentence that does not fit the "
                         "picture; the learner would hear nothing",
                         true);
        }
    }
}

void CheckChoice(const CourseData& course, const SteeringRow& lesson, const std::vector<int>& rows,
                 FaultList& faults) {
    const int others = lesson.Code - 1;
    bool draws = false;
    std::set<std::string> pictures;
    for (int number : rows) {
        const DataRow& row = RowOf(course, number);
        pictures.insert(LowerCase(row.PictureFile));
        const int alternatives = static_cast<int>(SplitAlternatives(row.Field12).size());
        draws = draws || alternatives < others;
        if (alternatives != 0 && alternatives != others) {
            faults.AtRow(number, row,
                         std::to_string(alternatives) + " alternative pictures for " +
                             std::to_string(others) + " other places",
                         true);
        }
    }
    // A distractor may repeat no picture of this round nor of the one before,
    // nor the next sentence's: up to twice the places are taken.
    const int needed = 2 * lesson.Code + 1;
    if (draws && static_cast<int>(pictures.size()) < needed) {
        faults.AtLesson(lesson,
                        std::to_string(pictures.size()) +
                            " different pictures; distractors for a choice of " +
                            std::to_string(lesson.Code) + " need " + std::to_string(needed) +
                            ", else \"" + kNoDistractor + "\"",
                        true);
    }
}

} // namespace

std::vector<int> DataRowLines(const CourseData& course) {
    std::vector<int> numbers;
    numbers.reserve(course.DataTable.size());
    for (const DataRow& row : course.DataTable) {
        numbers.push_back(row.Line);
    }
    return numbers;
}

std::vector<LoadFault> CheckSentenceLessons(const CourseData& course) {
    FaultList faults(course);
    for (const SteeringRow& lesson : course.SteeringTable) {
        if (!SentenceSeries::RunsCode(lesson.Code)) {
            continue;
        }
        const auto rows = LessonRows(course, lesson);
        if (rows.empty()) {
            faults.AtLesson(lesson, "no data.t row has this content key; the lesson does not open",
                            false);
            continue;
        }
        if (lesson.Code == kGapSentenceCode) {
            CheckGaps(course, lesson, rows, faults);
            continue;
        }
        if (lesson.LayoutCount > 0 && lesson.LayoutCount < PictureCount(lesson.Code)) {
            faults.AtLesson(lesson,
                            "fewer layout pairs than pictures; the screen shows \"" +
                                std::string(kNoPicturePlaces) + "\"",
                            true);
        }
        if (lesson.Code == kFitsPictureCode) {
            CheckYesNo(course, rows, faults);
        } else {
            CheckChoice(course, lesson, rows, faults);
        }
    }
    return faults.Take();
}

} // namespace lumora
