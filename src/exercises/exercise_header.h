#pragma once
// The first line of a story exercise's St.t record: number # media # help
// sound # instruction text # ... , and the files it names.
#include "course/course_data.h"

#include <optional>
#include <string>

namespace lumora {

struct ExerciseHeader {
    std::string MediaName;       // stem in Teksty_wav; "F_" marks a film
    std::string HelpSound;       // in polecenia\rozumienie; may be empty
    std::string InstructionText; // for the hidden instruction box
};

// Nothing when the line holds fewer than four "#".
std::optional<ExerciseHeader> SplitExerciseHeader(const std::string& stHead);

struct ExerciseMediaFiles {
    bool FilmMode = false;
    std::string ExerciseMedia; // full path; empty when the file does not exist
    std::string StillPicture;  // films: the still shown until the film plays
};

// Looks for the film (name without "F_" + ".mpg") or the recording (+ ".wav")
// in Teksty_wav. A film mark looks only for the film.
ExerciseMediaFiles FindExerciseMedia(const CourseData& course, const std::string& mediaName);

// The full path of the help sound, or empty when the header names none.
std::string HelpSoundPath(const CourseData& course, const ExerciseHeader& header);

// The St.t record a story lesson names: its Content as a decimal number.
// Nothing (and what is wrong in `fault`, for a message that names the record)
// when the number is not a number or no such record was loaded.
const StRecord* StoryRecord(const CourseData& course, const std::string& content,
                            std::string& fault);

// A story lesson's record and header as the lesson screens and the course
// checker read them: `fault` says what is wrong (the record is missing, or its
// first line holds fewer than four "#"), and is empty when the content may be
// read from the record.
struct StoryLesson {
    const StRecord* record = nullptr;
    ExerciseHeader header;
    std::optional<std::string> fault;
};
StoryLesson ReadStoryLesson(const CourseData& course, const std::string& content);

} // namespace lumora
