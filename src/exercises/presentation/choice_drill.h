#pragma once
// The picture choice: up to ten distinct words are asked, each in a round of
// four pictures (the word and three others) while its sound plays. Every
// click on a picture is a try; whatever the answer, the drill moves on to the
// next unsolved word, so a missed word comes back later and earns less.
#include <vector>

namespace lumora {

class ChoiceDrill {
  public:
    static constexpr int kMaxQuestions = 10;
    static constexpr int kRoundWords = 4;
    static constexpr int kProgressWidth = 150;

    ChoiceDrill() = default;
    // Reseeds the generator, draws the words to ask from `rows` (at least
    // four distinct data rows) and builds the first round.
    explicit ChoiceDrill(std::vector<int> rows);

    int QuestionCount() const { return static_cast<int>(targets_.size()); }
    // 1-based, as the learner sees the questions.
    int CurrentQuestion() const { return current_ + 1; }
    const std::vector<int>& Targets() const { return targets_; }
    int Target() const { return targets_.at(static_cast<std::size_t>(current_)); }
    // The four rows of the round, in slot order, and the slot (1..4) of the word asked.
    const std::vector<int>& Round() const { return round_; }
    int CorrectSlot() const { return correctSlot_; }

    struct Answer {
        bool right = false;
        bool finished = false; // every question is solved
    };
    // A click on the picture in `slot` (1..4).
    Answer Choose(int slot);

    int Points() const;
    int QuestionPoints(int question) const;
    int SolvedCount() const { return solved_; }
    int Right() const { return right_; }
    int Wrong() const { return wrong_; }
    bool Finished() const { return solved_ == QuestionCount(); }
    // The progress bar's width for the questions solved.
    int ProgressWidth() const;

  private:
    void BuildRound();
    void MoveOn();

    std::vector<int> rows_;
    std::vector<int> targets_;
    std::vector<int> points_;
    std::vector<int> tries_;
    std::vector<int> round_;
    int current_ = 0;
    int correctSlot_ = 0;
    int solved_ = 0;
    int right_ = 0;
    int wrong_ = 0;
};

} // namespace lumora
