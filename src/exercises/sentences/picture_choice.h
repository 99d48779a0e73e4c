#pragma once
// The pictures of a picture-choice round: the sentence's own picture in the
// slot of the right answer, and in the other slots either the row's
// alternative pictures, in order, or distractors drawn from the lesson's
// other rows that repeat no picture of this round or the round before.
#include "course/course_data.h"
#include "course/lesson_state.h"

#include <array>
#include <string>
#include <vector>

namespace lumora {

inline constexpr int kDistractorRedraws = 60;
inline constexpr const char* kNoDistractor = "nie znalazl dobrego obrazka";

// Full path of a sentence picture of the current topic.
std::string SentencePicturePath(const CourseData& course, const LessonState& lesson,
                                const std::string& file);

// The alternative picture files of a row: field 12 split at "/", each part
// trimmed; none when the field is empty.
std::vector<std::string> SplitAlternatives(const std::string& field12);

// The pictures in use, in lower case, so that a distractor repeats none.
class PictureMemory {
  public:
    static constexpr std::size_t kSlots = 5;

    // This round's pictures become the previous round's; this round starts
    // empty.
    void NewRound();
    void Clear();
    void SetRound(std::size_t slot, const std::string& path);
    void SetPrevious(std::size_t slot, const std::string& path);
    bool InUse(const std::string& path) const;

    const std::array<std::string, kSlots>& Round() const { return round_; }
    const std::array<std::string, kSlots>& Previous() const { return previous_; }

  private:
    std::array<std::string, kSlots> round_{};
    std::array<std::string, kSlots> previous_{};
};

struct ChoiceRound {
    std::vector<std::string> pictures; // full path of slot 1..n
    std::vector<std::string> messages;
};

// Fills slots 1..n for the sentence at position `current` (0-based) of the
// course's selected rows, whose right answer is slot `expected` (1-based).
// Draws with the program's generator.
ChoiceRound DrawChoiceRound(const CourseData& course, const LessonState& lesson,
                            std::size_t current, int n, int expected, PictureMemory& memory);

} // namespace lumora
