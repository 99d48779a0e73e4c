#pragma once
// The rules of the reveal game: fourteen words, each heard and typed, each
// right answer uncovering one of sixteen tiles over a picture.
//
// How a screen drives it:
// - Opening: `RevealGame::Open(course, draw, topic)`. A fault is shown (too few
//   words: only the message; a missing picture: with its file) and the screen
//   stays closed. Otherwise Image1 loads PicturePath(), the tiles t = 1..16
//   show while TileVisible(t), and on showing the screen queues WordSound()
//   (Next) behind the spoken instruction.
// - Enter in Edit1, while AcceptsAnswer(): Answer(Edit1's text). The step
//   says which sound to queue (Next) and whether to empty Edit1. With a pause
//   the screen repaints, waits pauseMs ignoring input, then calls Continue()
//   and does what its step says (empty Edit1, play WordSound() Interrupt).
// - btn_nastepne: Next(), then WordSound() (Interrupt); btn_powtorz and Alt+W:
//   WordSound() (Interrupt), while ButtonsVisible().
// - Labels: lbl_tlumacz shows Caption() while CaptionVisible(); lbl_opis shows
//   Description(); Edit1 shows while InputVisible().
// - Exit: AddPoints with Points(), ShowResult with Result().
// File names (PicturePath, WordSound) are relative to the course folder.
#include "course/load_report.h"
#include "course/reveal_index.h"
#include "exercises/common/lesson_step.h"
#include "reveal_draw.h"

#include <array>
#include <string>
#include <variant>
#include <vector>

namespace lumora {

inline constexpr const char* kTooFewRevealWordsMessage =
    "Uwaga! mamy mniej sampli, niz chcemy losowac!!!";
inline constexpr int kRevealStartWorth = 6;
inline constexpr int kRevealTries = 3;
inline constexpr int kRevealAnswerPause = 1500;
inline constexpr int kRevealFinalPause = 1000;

struct RevealWord {
    std::string sound; // course-relative sound file
    std::string english;
    std::string polish;
    int worth = kRevealStartWorth;
    bool revealed = false;
};

class RevealGame {
  public:
    enum class Phase {
        Answering,    // waiting for an answer to the current word
        ShowingWord,  // three misses: the English word is shown for a while
        ShowingRight, // a right answer: its translation is shown for a while
        Uncovering,   // the last word found: a moment before the picture shows
        Finished,     // the picture and its description are shown
    };

    // Draws a new game for the topic and takes the next picture of the
    // reveal index.
    static std::variant<RevealGame, LoadFault> Open(const CourseData& course, RevealDraw& draw,
                                                    const std::string& topic);
    // A game of the given fourteen words (tests); no picture.
    explicit RevealGame(std::vector<RevealWord> words);

    Phase State() const { return phase_; }
    bool AcceptsAnswer() const { return phase_ == Phase::Answering; }
    int Position() const { return position_; } // 1..14
    const RevealWord& Word(int w) const { return words_.at(static_cast<std::size_t>(w - 1)); }
    std::string WordSound() const { return Word(position_).sound; }
    int TileWord(int t) const { return tiles_.at(static_cast<std::size_t>(t - 1)); }
    bool TileVisible(int t) const { return tileVisible_.at(static_cast<std::size_t>(t - 1)); }
    int Tries() const { return tries_; }
    const std::string& Caption() const { return caption_; }
    bool CaptionVisible() const { return phase_ != Phase::Finished; }
    const std::string& Description() const { return description_; }
    bool InputVisible() const;
    bool ButtonsVisible() const { return phase_ != Phase::Finished; }
    const std::string& PicturePath() const { return picture_; }

    // Judges the answer: trimmed, then compared exactly with the English word.
    LessonStep Answer(const std::string& text);
    // Ends a pause that Answer asked for.
    LessonStep Continue();
    // Goes on to the next word not yet found, wrapping from 14 to 1.
    void Next();

    int RightCount() const { return right_; }
    int WrongCount() const { return wrong_; }
    int RevealedCount() const;
    // The worth of every word found: 6, 4, 2 or 0 by the misses before.
    int Points() const;
    LessonScore Result() const;

  private:
    RevealGame() = default;

    std::vector<RevealWord> words_;
    std::array<int, kRevealTiles> tiles_{};
    std::array<bool, kRevealTiles> tileVisible_{};
    std::string picture_;
    std::string pictureDescription_;
    Phase phase_ = Phase::Answering;
    int position_ = 1;
    int tries_ = 0;
    int right_ = 0;
    int wrong_ = 0;
    std::string caption_;
    std::string description_;
};

} // namespace lumora
