// A whole course: the input holds ini.t, Steruj.t, data.t and St.t one
// after another, each ended by a NUL byte. The course is loaded as the
// checker loads it, every lesson is checked and laid out as the checker
// does, and every lesson is started: its data rows selected and, for the
// sentence lessons, the series played to its end with wrong and right
// answers. This finds faults that only show when the tables meet.
#include "course/course_loaders.h"
#include "course/lesson_state.h"
#include "course/startup_loading.h"
#include "exercises/lesson_checks.h"
#include "exercises/presentation/presentation_words.h"
#include "exercises/sentences/sentence_series.h"
#include "fuzz_support.h"
#include "platform/cp1250.h"

using namespace lumora;

namespace {

constexpr const char* kParts[] = {kIniFile, kSteeringFile, kDataFile, kStFile};

void WriteParts(std::string_view bytes) {
    for (const char* name : kParts) {
        const std::size_t end = std::min(bytes.find('\0'), bytes.size());
        fuzz::WriteScratchFile(name, bytes.substr(0, end));
        bytes.remove_prefix(std::min(end + 1, bytes.size()));
    }
}

void PlaySentences(const CourseData& course, LessonState& lesson) {
    SentenceSeries series(course, lesson);
    if (series.Start()) {
        return;
    }
    int answer = 0;
    while (series.Next()) {
        fuzz::Require(series.AskedCount() <= SentenceSeries::kLongestSeries,
                      "a series longer than its limit");
        for (int tries = 0; tries < 3 && series.Answering(); ++tries) {
            series.Choose(++answer % 5);
            series.Check({"x", "", "y"});
            series.Check(series.GapAnswersNow());
        }
    }
    series.Result();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FixedDraws();
    WriteParts(fuzz::Bytes(data, size));
    CourseData course;
    LoadReport report = fuzz::CheckingReport();
    StartupOptions options;
    options.dataRoot = fuzz::ScratchFolder();
    options.userFiles = false;
    UserSettings settings;
    LoadCourse(course, settings, options, report);
    CheckLessons(course, report);
    const LayoutMeasures measures{
        [](const std::string& word) {
            return LabelSize{7 * static_cast<int>(Utf8Length(word)), 16};
        },
        [](std::string_view text, TextStyle) { return 7 * static_cast<int>(Utf8Length(text)); }};
    CheckLessonLayouts(course, report, measures);
    const int lessons = static_cast<int>(course.SteeringTable.size());
    LessonState lesson;
    for (int index = 0; index <= lessons + 1; ++index) {
        BeginLesson(course, lesson, index);
        if (index < 1 || index > lessons) {
            continue;
        }
        for (int row : lesson.SelectedRows) {
            fuzz::Require(row >= 1 && row <= static_cast<int>(course.DataTable.size()),
                          "a selected row outside the data table");
        }
        RefuseVocabulary(course, lesson, lesson.CurrentCode, lesson.SelectedCount());
        if (SentenceSeries::RunsCode(lesson.CurrentCode)) {
            PlaySentences(course, lesson);
        }
    }
    return 0;
}
