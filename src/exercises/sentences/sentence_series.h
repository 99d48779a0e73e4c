#pragma once
// The rules of the sentence lessons: a series of up to 14 sentences of the
// lesson's rows, shuffled, each asked as yes/no against a picture (code 1),
// as a choice among two to four pictures (codes 2 to 4) or as gaps to fill
// in its printed text (code 9). The screen drives it: it starts the series,
// moves on with Next, passes the learner's choices and entries, carries out
// the returned step (messages, then sounds) and shows the controls as
// Controls() says.
#include "course/course_data.h"
#include "course/lesson_codes.h"
#include "course/lesson_state.h"
#include "course/load_report.h"
#include "exercises/common/lesson_step.h"
#include "gap_layout.h"
#include "picture_choice.h"
#include "picture_places.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace lumora {

inline constexpr const char* kChoosePicturePrompt = "posłuchaj i wybierz zdjęcie!";
inline constexpr const char* kFillGapPrompt = "posłuchaj i wpisz brakujacy wyraz!";
inline constexpr const char* kRightPrompt = "SUPER!!!!";
inline constexpr const char* kWrongPrompt = "Zle";
inline constexpr const char* kWrongAgainPrompt = "zle";

// The sounds a step asks for, in order.
inline constexpr Cue kSentenceCue{Cue::Sound::Item, false};       // the sentence, queued
inline constexpr Cue kPraiseCue{Cue::Sound::Praise, false};       // a praise, queued
inline constexpr Cue kFailureCue{Cue::Sound::Failure, true};      // a failure, interrupting
inline constexpr Cue kFailureNextCue{Cue::Sound::Failure, false}; // a further failure, queued

// Which controls show, and what they say.
struct SentenceControls {
    std::string prompt;       // l_tmp
    bool yesNo = false;       // K_tak and K_nie
    bool ok = false;          // K_ok, to the next sentence
    bool check = false;       // K_sprawdz
    bool explanation = false; // K_slowniczek
    bool gapFrame = false;    // the gap frame with its fields
    bool solution = false;    // the full sentence
    int progress = 0;         // progress bar width, 0 to kProgressWidth
};

// What Enter does: check the gaps while that can be done, else move on while
// that can be done; it is never passed to a control.
enum class EnterAction { Check, Next, Nothing };

class SentenceSeries {
  public:
    static constexpr int kLongestSeries = 14;
    static constexpr int kShuffleSwaps = 100;
    static constexpr int kSentencePoints = 10;
    static constexpr int kProgressWidth = 150;

    SentenceSeries(const CourseData& course, LessonState& lesson);

    // Whether the lesson code is one the series runs.
    static bool RunsCode(int code);

    // Begins the series of the current lesson (its code, content key and
    // selected rows) and shuffles the rows. When there is nothing to ask, the
    // text to show instead, and the screen does not open.
    std::optional<std::string> Start();

    // Moves to the next sentence and builds it. Nothing when the series is
    // over: the screen then closes.
    std::optional<LessonStep> Next();

    // The learner's answer: 1 yes, 2 no, or a picture's slot 1..n. Ignored
    // unless a yes/no or picture sentence is being answered.
    LessonStep Choose(int answer);

    // The texts of the three entry fields checked against the gaps. Ignored
    // unless a gap sentence is being answered.
    LessonStep Check(const std::array<std::string, 3>& entries);

    EnterAction OnEnter() const;

    int Code() const { return code_; }
    int SeriesLength() const { return seriesLength_; }
    int AskedCount() const { return asked_; }
    int TotalPoints() const { return total_; }
    int CorrectCount() const { return correct_; }
    int WrongCount() const { return wrong_; }
    int SentencePoints() const { return sentencePoints_; }
    int Tries() const { return tries_; }
    bool Answering() const { return answering_; }
    int ExpectedAnswer() const { return expected_; }
    const std::string& SentenceSound() const { return sound_; }
    const std::string& ExplanationText() const { return explanation_; }
    const SentenceControls& Controls() const { return controls_; }
    // The DataTable row number of the current sentence.
    int CurrentDataRow() const { return dataRow_; }

    // Pictures: their places and, per slot, the file to show (it may be
    // missing; the slot then stays empty). A click on a picture chooses its
    // number; on the yes/no picture that is "yes", though its cursor does not
    // invite the click.
    const std::vector<PicturePlace>& PicturePlacesNow() const { return places_; }
    const std::vector<std::string>& PictureFiles() const { return pictures_; }
    bool PicturesShowHand() const {
        return IsPictureSentenceCode(code_) && code_ != kFitsPictureCode;
    }
    const PictureMemory& Pictures() const { return memory_; }

    // Gap filling: the frame, the tokens to lay out with LayOutGaps, the
    // expected texts and the full sentence.
    const ScreenRect& GapFrame() const { return gapFrame_; }
    const std::vector<std::string>& GapTokens() const { return gapTokens_; }
    const std::array<std::string, 3>& GapAnswersNow() const { return gapAnswers_; }
    const std::string& Solution() const { return solution_; }

    // What leaving the lesson records and shows: the points, the right and
    // wrong answers, the sentences begun and the series length.
    LessonScore Result() const;

  private:
    const DataRow& Row() const;
    const SteeringRow& Lesson() const;
    std::string SoundPath(const std::string& file) const;
    std::string LessonName() const;
    void BuildPlaces(LessonStep& step);
    void BuildYesNo();
    void BuildChoice(LessonStep& step);
    void BuildGaps(LessonStep& step);
    LessonStep Right();
    LessonStep Wrong();
    int ProgressAfter(int sentences) const;

    const CourseData& course_;
    LessonState& lesson_;
    int code_ = 0;
    int seriesLength_ = kLongestSeries;
    int asked_ = 0;
    int total_ = 0;
    int correct_ = 0;
    int wrong_ = 0;
    int sentencePoints_ = kSentencePoints;
    int tries_ = 0;
    bool answering_ = false;
    int expected_ = 0;
    int dataRow_ = 0;
    std::string sound_;
    std::string explanation_;
    SentenceControls controls_;
    std::vector<PicturePlace> places_;
    std::vector<std::string> pictures_;
    PictureMemory memory_;
    ScreenRect gapFrame_;
    std::vector<std::string> gapTokens_;
    std::array<std::string, 3> gapAnswers_{};
    std::string solution_;
};

} // namespace lumora
