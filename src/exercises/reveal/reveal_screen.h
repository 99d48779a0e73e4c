#pragma once
// The reveal game screen: a picture under sixteen tiles. The game plays a
// word's sound, the learner types the word and presses Enter; a right answer
// lifts that word's tile and shows its translation, three misses show the
// word and move on. When all fourteen words are found the picture shows
// whole with its description.
#include "exercises/lesson_screen.h"
#include "exercises/reveal/reveal_game.h"
#include "platform/ui/edit_box.h"
#include "platform/ui/keyboard_grid.h"
#include "platform/ui/label.h"

#include <array>
#include <memory>
#include <optional>

namespace lumora {

class TOdkrywanieForm : public LessonScreen {
  public:
    explicit TOdkrywanieForm(RunContext& context);

    Picture* Image1;
    // Tile t covers the part of Image1 that word TileWord(t) uncovers.
    std::array<Picture*, kRevealTiles> img{};
    EditBox* Edit1;
    Label* lbl_tlumacz;
    Label* lbl_opis;
    TTransparentButton* btn_powtorz;
    TTransparentButton* btn_nastepne;

    void btn_powtorzClick();
    void btn_nastepneClick();
    // Enter in Edit1: judges the answer.
    void Edit1Enter();

    // The game now shown; nothing before the first opening.
    const std::optional<RevealGame>& Game() const { return game_; }
    // The board's tiles as the arrows go through them, for screen readers:
    // tile t's name says whether it is covered, and which word lifted it.
    const KeyboardGrid& Tiles() const { return *tiles_; }
    std::string TileName(int t) const;

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
    void PlayWord(SoundMode mode);
    // Shows the tiles, labels, edit box and buttons as the game stands.
    void ShowState();

    std::optional<RevealGame> read_; // drawn by the last read, not yet shown
    std::optional<RevealGame> game_;
    std::unique_ptr<KeyboardGrid> tiles_;
};

} // namespace lumora
