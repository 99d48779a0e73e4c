#pragma once
// The content of a multiple-choice exercise: up to eleven questions, each a
// stem and two to four answers, one of them right; the shuffle of the
// answers; choosing, marking and the points.
#include <string>
#include <variant>
#include <vector>

namespace lumora {

struct ChoiceQuestion {
    // options[0] is the stem, options[1..] the answers.
    std::vector<std::string> options;
    int right = 0; // index into options of the right answer
};

struct ChoiceContent {
    std::vector<ChoiceQuestion> questions;
    int answerTotal = 0;
};

inline constexpr int kMaxChoiceQuestions = 11;
inline constexpr int kMaxChoiceAnswers = 4;

// Parses a record's body (its first three characters are not content). An
// error text names what is wrong when the content does not follow the format.
std::variant<ChoiceContent, std::string> ParseChoiceContent(const std::string& body);

// Shuffles the answers of every question; the stem stays first and the right
// index follows its answer. Reseeds the generator once.
void ShuffleAnswers(ChoiceContent& content);

// The learner's choices and the marking.
class ChoiceState {
  public:
    explicit ChoiceState(const ChoiceContent& content);

    // Selects an answer (option index >= 1) of question q; ignored once marked.
    void Choose(int q, int option);
    // Marks the answers: counts the right ones, flags the wrong choices and
    // shows every right answer as chosen.
    void Mark();

    bool Selected(int q, int option) const;
    bool Wrong(int q, int option) const;
    bool Marked() const { return marked_; }
    int Right() const { return right_; }
    int WrongCount() const { return wrong_; }
    int Actions() const { return actions_; }
    int Questions() const { return static_cast<int>(questions_.size()); }
    // Points when the exercise is left.
    int Points() const;

  private:
    struct Flags {
        std::vector<bool> selected, wrong;
        int right = 0;
    };
    std::vector<Flags> questions_;
    bool marked_ = false;
    int right_ = 0, wrong_ = 0, actions_ = 0;
};

} // namespace lumora
