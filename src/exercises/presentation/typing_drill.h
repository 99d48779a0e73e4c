#pragma once
// The typing drill: eight distinct words (all of them when the lesson has
// fewer) under their pictures; the learner types the English word of each.
// An entry is right when, without its outer blanks, it equals the word,
// letter case included. The drill ends when every word is solved.
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

// Whether a typed entry names the word.
bool TypedMatches(std::string_view typed, std::string_view word);

class TypingDrill {
  public:
    static constexpr int kWords = 8;

    TypingDrill() = default;
    // Draws the words from `rows` (distinct data rows) with the generator as
    // it stands.
    explicit TypingDrill(const std::vector<int>& rows);

    // The rows asked, by position 1..Count().
    const std::vector<int>& Words() const { return words_; }
    int Count() const { return static_cast<int>(words_.size()); }
    bool Solved(int position) const;

    struct Answer {
        bool right = false;
        bool finished = false;
        int next = 0; // the position to type next, 0 when finished
    };
    // The entry typed for the word at `position`, whose English text is `word`.
    Answer Enter(int position, std::string_view typed, std::string_view word);
    // The next unsolved position after `position`, cyclically; 0 when none.
    int NextOpen(int position) const;

    int Points() const;
    int Right() const { return right_; }
    int Wrong() const { return wrong_; }
    bool Finished() const { return right_ == Count(); }

  private:
    std::vector<int> words_;
    std::vector<int> points_;
    std::vector<int> tries_;
    int right_ = 0;
    int wrong_ = 0;
};

} // namespace lumora
