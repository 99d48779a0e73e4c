#pragma once
// What a lesson's rules hand their screen after a key or a click: the sounds
// to play in order, the messages to show, whether the entry is emptied, a
// pause before the rules go on, and whether the lesson is over. Screens carry
// a step out; the rules never play or show anything themselves.
#include "course/load_report.h"

#include <utility>
#include <vector>

namespace lumora {

// Points and counters when a lesson is left, in the result box's order.
struct LessonScore {
    int points = 0;
    int right = 0;
    int wrong = 0;
    int answered = 0;
    int items = 0;

    bool operator==(const LessonScore&) const = default;
};

// How an answer was judged.
enum class Verdict { None, Right, Wrong };

// How an answer's box or mark is drawn: as it stands, chosen by the learner,
// or shown wrong after a check.
enum class AnswerMark { Normal, Checked, Bad };

// A sound a step asks for: the praise or failure sound of the learner's sound
// set, or the item's own sound (the word, the sentence).
struct Cue {
    enum class Sound { Item, Praise, Failure };
    Sound sound = Sound::Item;
    // Cut off what plays rather than queue behind it.
    bool interrupt = false;

    bool operator==(const Cue&) const = default;
};

inline Cue VerdictCue(bool right, bool interrupt) {
    return {right ? Cue::Sound::Praise : Cue::Sound::Failure, interrupt};
}

struct LessonStep {
    // A step that plays these cues and does nothing else.
    static LessonStep Playing(std::vector<Cue> cues) {
        LessonStep step;
        step.cues = std::move(cues);
        return step;
    }
    // The same step, pausing afterwards or emptying the entry.
    LessonStep PausingFor(int milliseconds) && {
        pauseMs = milliseconds;
        return std::move(*this);
    }
    LessonStep EmptyingEntry() && {
        emptyEntry = true;
        return std::move(*this);
    }

    std::vector<Cue> cues;
    std::vector<LoadFault> messages; // shown first, one by one
    bool emptyEntry = false;         // the entry fields are emptied
    int pauseMs = 0;                 // 0: none; otherwise wait, then go on
    bool finished = false;           // the lesson is over: the result box follows

    // The verdict the step's sounds tell: its first praise or failure.
    Verdict Judged() const {
        for (const Cue& cue : cues) {
            if (cue.sound != Cue::Sound::Item) {
                return cue.sound == Cue::Sound::Praise ? Verdict::Right : Verdict::Wrong;
            }
        }
        return Verdict::None;
    }
};

} // namespace lumora
