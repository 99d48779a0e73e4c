#pragma once
// The rules of the crossword: the rows of squares, the pictures, the active
// row, letter entry, judging a completed row and the points.
//
// How a screen drives it:
// - Opening: `Crossword::Open(course, topic)`. A fault (missing list or
//   picture, no word of 4 to 12 letters) is shown with its file and the screen
//   stays closed. Otherwise the screen loads Row(k).picture into img_k at
//   (pictureLeft, pictureTop) and lays out kr_k at (left, top, width) for
//   k = 1..RowCount(); row 1 is already active.
// - Painting: each row shows its strip of empty squares with Row(k).typed
//   painted upper case, square i holding letter i. Edit1 is shown at
//   (InputLeft(), InputTop()) while InputVisible().
// - A click on kr_k calls Activate(k); letters typed into Edit1 go to
//   TypeLetter (every key is swallowed), Backspace to Backspace(), Tab and Down
//   to NextRow(), Up to PreviousRow(). After each call the screen repaints the
//   rows from the state.
// - TypeLetter says which sound to play (praise interrupts, failure is queued
//   next) and whether the crossword is finished, when the screen presses its
//   exit: AddPoints with Points(), ShowResult with Result().
#include "crossword_draw.h"
#include "crossword_list.h"
#include "exercises/common/lesson_step.h"

#include <string>
#include <variant>
#include <vector>

namespace lumora {

struct CrosswordRow {
    std::string word;
    std::string picture; // course-relative picture file
    int pictureLeft = 0;
    int pictureTop = 0;
    RowGeometry squares; // the row of squares on the screen
    std::string typed;   // the letters typed so far, lower case
    bool solved = false;
};

class Crossword {
  public:
    // Reads the topic's list and makes a new crossword of it; the pictures of
    // the drawn words must exist.
    static std::variant<Crossword, LoadFault> Open(const CourseData& course,
                                                   const std::string& topic);
    // Makes a new crossword of a list already read (no file is looked at).
    static std::variant<Crossword, LoadFault> FromList(const CrosswordList& list);

    int RowCount() const { return static_cast<int>(rows_.size()); }
    const CrosswordRow& Row(int k) const { return rows_.at(static_cast<std::size_t>(k - 1)); }

    int ActiveRow() const { return active_; } // 0: none
    int TypedCount() const { return count_; }
    bool InputVisible() const { return inputVisible_; }
    int InputLeft() const;
    int InputTop() const;

    // Makes row k the one typed into, erasing what was typed in the row that
    // was active. A solved row does nothing.
    void Activate(int k);
    // A letter A..Z or a..z goes into the next square; the last one judges
    // the row. Any other character does nothing.
    LessonStep TypeLetter(char32_t ch);
    // Takes back the last letter of the active row.
    void Backspace();
    // Moves to the next (previous) unsolved row, wrapping around.
    void NextRow();
    void PreviousRow();

    int SolvedCount() const { return solved_; }
    int WrongCount() const { return wrong_; }
    bool AllSolved() const { return solved_ == RowCount(); }
    int Points() const { return 10 * solved_; }
    LessonScore Result() const;

  private:
    Crossword() = default;
    CrosswordRow& Active() { return rows_[static_cast<std::size_t>(active_ - 1)]; }
    bool Typing() const { return active_ > 0 && inputVisible_; }
    LessonStep Judge();
    // The first unsolved row after (step 1) or before (step -1) the active one.
    int UnsolvedFrom(int step) const;

    std::vector<CrosswordRow> rows_;
    int active_ = 0;
    int count_ = 0;
    bool inputVisible_ = false;
    int solved_ = 0;
    int wrong_ = 0;
};

} // namespace lumora
