#pragma once
// The word search screen: a grid of letters read from the lesson's file with
// words hidden in its rows and columns. The learner clicks a word's first and
// last letter; a word of the list gets a frame around it. The counters show
// the words left and the attempts; when every word is found a message says
// so. It gives no points and shows no result box.
#include "exercises/common/key_cursor.h"
#include "exercises/lesson_screen.h"
#include "exercises/word_search/word_search.h"
#include "platform/ui/keyboard_grid.h"
#include "platform/ui/label.h"
#include "platform/ui/paint_box.h"
#include "platform/ui/shape.h"

#include <array>
#include <memory>
#include <optional>

namespace lumora {

class TPseudo_Form : public LessonScreen {
  public:
    explicit TPseudo_Form(RunContext& context);

    PaintBox* DxRamka;
    // Frame i belongs to word i of the list.
    std::array<Shape*, kWordSearchMaxSize> shp{};
    Label* Label1; // words still to find
    Label* Label2; // attempts

    void DxRamkaPaint(Canvas& canvas);
    void DxRamkaMouseMove(int x, int y);
    void DxRamkaMouseDown(int x, int y);

    // The puzzle now shown; nothing before the first opening.
    const std::optional<WordSearch>& Game() const { return game_; }
    // The cell the arrows have made current (0-based); Space selects it as a
    // click does.
    const GridCursor& Keys() const { return keys_; }

  protected:
    void CreateControls() override;
    std::optional<LoadFault> ReadLesson() override;
    void PrepareLesson() override;
    LessonScore Score() const override { return {}; }
    void FormShow() override;
    void FormKeyDown(int& key, Qt::KeyboardModifiers modifiers) override;

  private:
    // After the second click: the counters and frames, a moment of red, then
    // every letter black again.
    void ShowJudgement();
    // A click, or Space, on a cell of the grid.
    void SelectCell(GridCell cell);
    // The arrows and Space on the grid; true when they took the key.
    bool CellKey(int key, Qt::KeyboardModifiers modifiers);
    std::string CellName(int index) const;

    std::optional<WordSearchPuzzle> read_; // read by the last read, not yet shown
    std::optional<WordSearch> game_;
    GridCursor keys_;
    std::unique_ptr<KeyboardGrid> cells_;
    int loads_ = 0; // tells a pause whether the puzzle was opened anew meanwhile
};

} // namespace lumora
