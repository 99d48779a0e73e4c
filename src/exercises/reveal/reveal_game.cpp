#include "reveal_game.h"

#include "course/course_loaders.h"
#include "course/reveal_index.h"
#include "platform/path_resolver.h"
#include "platform/text_file.h"
#include "platform/text_helpers.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace lumora {

std::variant<RevealGame, LoadFault> RevealGame::Open(const CourseData& course, RevealDraw& draw,
                                                     const std::string& topic) {
    const std::vector<int> candidates = RevealCandidates(course, topic);
    const int count = static_cast<int>(candidates.size());
    // Fourteen different words cannot be drawn from fewer.
    if (count < kRevealWords) {
        return LoadFault{"", 0, kTooFewRevealWordsMessage};
    }
    std::vector<RevealWord> words;
    for (int i : DrawRevealWords(count)) {
        const DataRow& row =
            course.DataTable[static_cast<std::size_t>(candidates[static_cast<std::size_t>(i)] - 1)];
        words.push_back(
            {"sample\\" + topic + "\\sl\\" + row.SoundFile, row.EnglishText, row.PolishText});
    }
    RevealGame game(std::move(words));
    const int pick = NextRevealPick(course, draw);
    if (pick == 0) {
        return LoadFault{ReportName(kRevealIndexFile), 0, "The index names no picture."};
    }
    const RevealEntry& entry = course.RevealIndex[static_cast<std::size_t>(pick - 1)];
    game.picture_ = "odkrywanki\\" + entry.name;
    game.pictureDescription_ = entry.value;
    const std::string path = course.DataPath(game.picture_);
    if (!FileExists(path)) {
        return LoadFault{ToSlashes(game.picture_), 0,
                         "Cannot open file \"" + path + "\". " + std::strerror(ENOENT)};
    }
    return game;
}

RevealGame::RevealGame(std::vector<RevealWord> words) : words_(std::move(words)) {
    words_.resize(kRevealWords);
    tiles_ = DealRevealTiles();
    tileVisible_.fill(true);
}

bool RevealGame::InputVisible() const {
    return phase_ == Phase::Answering || phase_ == Phase::ShowingRight;
}

LessonStep RevealGame::Answer(const std::string& text) {
    if (!AcceptsAnswer()) {
        return {};
    }
    RevealWord& word = words_[static_cast<std::size_t>(position_ - 1)];
    if (Trim(text) != word.english) {
        ++wrong_;
        word.worth = std::max(word.worth - 2, 0);
        if (++tries_ < kRevealTries) {
            return LessonStep::Playing({VerdictCue(false, false)}).EmptyingEntry();
        }
        caption_ = word.english;
        phase_ = Phase::ShowingWord;
        return LessonStep::Playing({VerdictCue(false, false)}).PausingFor(kRevealAnswerPause);
    }
    for (int t = 1; t <= kRevealTiles; ++t) {
        if (TileWord(t) == position_) {
            tileVisible_[static_cast<std::size_t>(t - 1)] = false;
        }
    }
    caption_ = word.polish;
    word.revealed = true;
    ++right_;
    tries_ = 0;
    if (RevealedCount() < kRevealWords) {
        phase_ = Phase::ShowingRight;
        return LessonStep::Playing({VerdictCue(true, false)}).PausingFor(kRevealAnswerPause);
    }
    phase_ = Phase::Uncovering;
    return LessonStep::Playing({VerdictCue(true, false)}).PausingFor(kRevealFinalPause);
}

LessonStep RevealGame::Continue() {
    switch (phase_) {
    case Phase::ShowingWord:
    case Phase::ShowingRight:
        caption_.clear();
        phase_ = Phase::Answering;
        Next();
        return LessonStep::Playing({{Cue::Sound::Item, true}}).EmptyingEntry();
    case Phase::Uncovering:
        tileVisible_.fill(false);
        description_ = pictureDescription_;
        phase_ = Phase::Finished;
        return {};
    default:
        return {};
    }
}

void RevealGame::Next() {
    if (phase_ != Phase::Answering || RevealedCount() == kRevealWords) {
        return;
    }
    do {
        position_ = position_ % kRevealWords + 1;
    } while (Word(position_).revealed);
    tries_ = 0;
}

int RevealGame::RevealedCount() const {
    return static_cast<int>(std::count_if(words_.begin(), words_.end(),
                                          [](const RevealWord& w) { return w.revealed; }));
}

int RevealGame::Points() const {
    int points = 0;
    for (const auto& w : words_) {
        points += w.revealed ? w.worth : 0;
    }
    return points;
}

LessonScore RevealGame::Result() const {
    return {Points(), right_, wrong_, right_ + wrong_, kRevealWords};
}

} // namespace lumora
