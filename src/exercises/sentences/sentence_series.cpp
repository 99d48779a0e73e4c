#include "sentence_series.h"

#include "course/course_file_names.h"
#include "course/load_report.h"
#include "exercises/common/swap_shuffle.h"
#include "platform/random.h"
#include "sentence_text.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace lumora {
namespace {

constexpr int kYesNoDraw = 50; // a draw below kYesBelow plays the fitting sentence
constexpr int kYesBelow = 25;

// Halves go to the even neighbour, as everywhere the program rounds.
int RoundEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

} // namespace

SentenceSeries::SentenceSeries(const CourseData& course, LessonState& lesson)
    : course_(course), lesson_(lesson) {}

bool SentenceSeries::RunsCode(int code) {
    return IsSentenceCode(code);
}

std::optional<std::string> SentenceSeries::Start() {
    code_ = lesson_.CurrentCode;
    if (!RunsCode(code_)) {
        return "Lekcja " + LessonName() + " nie jest lekcją zdań (kod " + std::to_string(code_) +
               ").";
    }
    if (lesson_.SelectedRows.empty()) {
        return "Lekcja " + LessonName() + " nie ma zdań w pliku data.t.";
    }
    asked_ = total_ = correct_ = wrong_ = 0;
    answering_ = false;
    controls_ = SentenceControls{};
    seriesLength_ = kLongestSeries;
    memory_.Clear();
    lesson_.SelectedDone.resize(lesson_.SelectedRows.size(), 0);
    SwapShuffle(lesson_.SelectedCount(), kShuffleSwaps, [this](int a, int b) {
        const auto i = static_cast<std::size_t>(a);
        const auto j = static_cast<std::size_t>(b);
        std::swap(lesson_.SelectedRows[i], lesson_.SelectedRows[j]);
        std::swap(lesson_.SelectedDone[i], lesson_.SelectedDone[j]);
    });
    return std::nullopt;
}

std::optional<LessonStep> SentenceSeries::Next() {
    seriesLength_ = std::min(seriesLength_, lesson_.SelectedCount());
    tries_ = 0;
    ++asked_;
    if (asked_ > seriesLength_) {
        answering_ = false;
        return std::nullopt;
    }
    const auto position = static_cast<std::size_t>(asked_ - 1);
    dataRow_ = lesson_.SelectedRows[position];
    sentencePoints_ = kSentencePoints;
    LessonStep step;
    controls_ = SentenceControls{};
    BuildPlaces(step);
    memory_.NewRound();
    controls_.progress = ProgressAfter(asked_ - 1);
    answering_ = true;
    explanation_ = Row().Field14;
    lesson_.SelectedDone[position] = 1;
    if (code_ == kFitsPictureCode) {
        BuildYesNo();
    } else if (code_ == kGapSentenceCode) {
        BuildGaps(step);
    } else {
        BuildChoice(step);
    }
    step.cues.push_back(kSentenceCue);
    return step;
}

void SentenceSeries::BuildPlaces(LessonStep& step) {
    places_.clear();
    pictures_.clear();
    gapTokens_.clear();
    gapAnswers_ = {};
    solution_.clear();
    if (code_ == kGapSentenceCode) {
        const GapFramePlace frame = PlaceGapFrame(Lesson());
        gapFrame_ = frame.rect;
        if (frame.message) {
            step.messages.push_back(PlainFault(*frame.message));
        }
        return;
    }
    PicturePlaces places = PlacePictures(code_, Lesson());
    places_ = std::move(places.pictures);
    if (places.message) {
        step.messages.push_back(PlainFault(*places.message));
    }
}

void SentenceSeries::BuildYesNo() {
    controls_.yesNo = true;
    const int n = Random(kYesNoDraw) + 1;
    if (n < kYesBelow) {
        sound_ = SoundPath(Row().SoundFile);
        explanation_ = Row().Field14;
        expected_ = 1;
    } else {
        sound_ = SoundPath(Row().Field9);
        explanation_ = Row().Field15;
        expected_ = 2;
    }
    pictures_ = {SentencePicturePath(course_, lesson_, Row().PictureFile)};
}

void SentenceSeries::BuildChoice(LessonStep& step) {
    controls_.prompt = kChoosePicturePrompt;
    const int n = PictureCount(code_);
    expected_ = Random(n) + 1;
    sound_ = SoundPath(Row().SoundFile);
    ChoiceRound round = DrawChoiceRound(course_, lesson_, static_cast<std::size_t>(asked_ - 1), n,
                                        expected_, memory_);
    pictures_ = std::move(round.pictures);
    for (auto& m : round.messages) {
        step.messages.push_back(PlainFault(std::move(m)));
    }
}

void SentenceSeries::BuildGaps(LessonStep& step) {
    controls_.prompt = kFillGapPrompt;
    sound_ = SoundPath(Row().SoundFile);
    GapSentence sentence = PrepareGapSentence(Row().EnglishText);
    std::string faults;
    for (GapFault fault : sentence.faults) {
        // A sentence without a gap says so in its own text.
        if (fault != GapFault::NoGap) {
            faults += (faults.empty() ? "" : "; ") + GapFaultLearnerText(fault);
        }
    }
    if (!faults.empty()) {
        // Where the author finds the row, once the course was read from files.
        const std::string text = "Zdanie „" + Row().EnglishText + "” lekcji " + LessonName() +
                                 " jest błędne: " + faults + ".";
        step.messages.push_back(Row().Line > 0 ? LoadFault{kDataFile, Row().Line, text}
                                               : PlainFault(text));
    }
    gapTokens_ = std::move(sentence.tokens);
    gapAnswers_ = GapAnswers(gapTokens_);
    solution_ = SolutionText(Row().EnglishText);
    controls_.check = true;
    controls_.gapFrame = true;
}

LessonStep SentenceSeries::Choose(int answer) {
    if (!answering_ || !IsPictureSentenceCode(code_)) {
        return {};
    }
    if (answer == expected_) {
        return Right();
    }
    LessonStep step = Wrong();
    if (!answering_) {
        controls_.yesNo = false;
        controls_.prompt = kWrongAgainPrompt;
        step.cues.push_back(kFailureNextCue);
    }
    return step;
}

LessonStep SentenceSeries::Check(const std::array<std::string, 3>& entries) {
    if (!answering_ || code_ != kGapSentenceCode) {
        return {};
    }
    LessonStep step = GapsRight(gapAnswers_, entries) ? Right() : Wrong();
    if (answering_) {
        step.emptyEntry = true;
        return step;
    }
    controls_.gapFrame = false;
    controls_.solution = true;
    controls_.explanation = !explanation_.empty();
    return step;
}

LessonStep SentenceSeries::Right() {
    answering_ = false;
    ++correct_;
    controls_.yesNo = false;
    controls_.check = false;
    controls_.ok = true;
    controls_.prompt = kRightPrompt;
    total_ += sentencePoints_;
    controls_.progress = ProgressAfter(asked_);
    return LessonStep::Playing({kPraiseCue});
}

LessonStep SentenceSeries::Wrong() {
    ++wrong_;
    if (tries_ == 0) {
        tries_ = 1;
        controls_.prompt = kWrongPrompt;
        // Yes/no and a choice of two are too easy to guess for a second try
        // to earn anything.
        sentencePoints_ = code_ <= kTwoPicturesCode ? 0 : RoundEven(sentencePoints_ / 2.0);
        return LessonStep::Playing({kFailureCue});
    }
    sentencePoints_ = 0;
    answering_ = false;
    controls_.ok = true;
    controls_.check = false;
    return LessonStep::Playing({kFailureCue});
}

EnterAction SentenceSeries::OnEnter() const {
    if (controls_.check) {
        return EnterAction::Check;
    }
    return controls_.ok ? EnterAction::Next : EnterAction::Nothing;
}

int SentenceSeries::ProgressAfter(int sentences) const {
    if (seriesLength_ <= 0) {
        return 0;
    }
    return RoundEven(static_cast<double>(sentences) / seriesLength_ * kProgressWidth);
}

LessonScore SentenceSeries::Result() const {
    // After the last sentence the count has gone one past the series.
    return {total_, correct_, wrong_, std::min(asked_, seriesLength_), seriesLength_};
}

const DataRow& SentenceSeries::Row() const {
    static const DataRow kNoRow;
    if (dataRow_ < 1 || dataRow_ > static_cast<int>(course_.DataTable.size())) {
        return kNoRow;
    }
    return course_.DataTable[static_cast<std::size_t>(dataRow_ - 1)];
}

const SteeringRow& SentenceSeries::Lesson() const {
    static const SteeringRow kNoLesson;
    const SteeringRow* row = course_.Steering(lesson_.CurrentRow);
    return row != nullptr ? *row : kNoLesson;
}

std::string SentenceSeries::SoundPath(const std::string& file) const {
    return course_.DataPath("sample\\" + lesson_.CurrentTopic + "\\zd\\" + file);
}

std::string SentenceSeries::LessonName() const {
    return "„" + lesson_.CurrentContent + "”";
}

} // namespace lumora
