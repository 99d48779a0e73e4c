#include "exercise_header.h"

#include "platform/text_file.h"
#include "platform/text_helpers.h"

namespace lumora {

std::optional<ExerciseHeader> SplitExerciseHeader(const std::string& stHead) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (fields.size() < 4) {
        const auto hash = stHead.find('#', start);
        if (hash == std::string::npos) {
            return std::nullopt;
        }
        fields.push_back(stHead.substr(start, hash - start));
        start = hash + 1;
    }
    return ExerciseHeader{fields[1], fields[2], fields[3]};
}

ExerciseMediaFiles FindExerciseMedia(const CourseData& course, const std::string& mediaName) {
    ExerciseMediaFiles media;
    std::string name = mediaName;
    if (name.starts_with("F_")) {
        name = name.substr(2);
        media.FilmMode = true;
    }
    const std::string stem = "Teksty_wav\\" + name;
    const std::string path = course.DataPath(stem + (media.FilmMode ? ".mpg" : ".wav"));
    if (!name.empty() && FileExists(path)) {
        media.ExerciseMedia = path;
        if (media.FilmMode) {
            media.StillPicture = course.DataPath(stem + ".bmp");
        }
    }
    return media;
}

std::string HelpSoundPath(const CourseData& course, const ExerciseHeader& header) {
    if (Trim(header.HelpSound).empty()) {
        return {};
    }
    return course.DataPath("polecenia\\rozumienie\\" + header.HelpSound);
}

const StRecord* StoryRecord(const CourseData& course, const std::string& content,
                            std::string& fault) {
    int number = 0;
    try {
        number = StrictInt(content);
    } catch (const ConversionError& e) {
        fault = e.what();
        return nullptr;
    }
    const StRecord* record = course.St(number);
    if (record == nullptr) {
        fault = "the course has no such record.";
    }
    return record;
}

StoryLesson ReadStoryLesson(const CourseData& course, const std::string& content) {
    StoryLesson lesson;
    std::string fault;
    lesson.record = StoryRecord(course, content, fault);
    if (lesson.record == nullptr) {
        lesson.fault = fault;
        return lesson;
    }
    const std::optional<ExerciseHeader> header = SplitExerciseHeader(lesson.record->StHead);
    if (!header) {
        lesson.fault = "its first line needs at least four \"#\".";
        return lesson;
    }
    lesson.header = *header;
    return lesson;
}

} // namespace lumora
