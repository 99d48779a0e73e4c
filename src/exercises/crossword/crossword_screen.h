#pragma once
// The crossword screen: up to nine rows of letter squares, one per hidden
// word, with the words' pictures around them. The learner clicks a row (or
// moves between rows with Tab and the arrows) and types the word into its
// squares; a completed row is judged at once, and the last row solved leaves
// the crossword with 10 points a row.
#include "exercises/crossword/crossword.h"
#include "exercises/lesson_screen.h"
#include "platform/ui/edit_box.h"
#include "platform/ui/paint_box.h"

#include <array>
#include <optional>

namespace lumora {

class TKrzyzowkaForm : public LessonScreen {
  public:
    static constexpr int kFrames = 10;

    explicit TKrzyzowkaForm(RunContext& context);

    // The picture frames and the rows of squares; row k has the Tag k.
    std::array<Picture*, kFrames> img{};
    std::array<PaintBox*, kFrames> kr{};
    // The empty row of squares that every row shows under its letters.
    Picture* tmp_kratki;
    // Stands on the square typed next; it never shows a character.
    EditBox* Edit1;

    void kr_1Click(int tag);
    std::string RowName(int k) const;
    void krPaint(int tag, Canvas& canvas);

    // The crossword now shown; nothing before the first opening.
    const std::optional<Crossword>& Game() const { return game_; }

  protected:
    void CreateControls() override;
    std::optional<LoadFault> ReadLesson() override;
    void PrepareLesson() override;
    LessonScore Score() const override;
    void BeforeLeaving() override;
    void FormShow() override;
    void FormClose() override;
    bool FormShortCut(int key, Qt::KeyboardModifiers modifiers) override;

  private:
    void TypeLetter(char32_t letter);
    // Puts Edit1 where the crossword says and repaints the rows.
    void ShowInput();

    std::optional<Crossword> read_; // opened by the last read, not yet shown
    std::optional<Crossword> game_;
};

} // namespace lumora
