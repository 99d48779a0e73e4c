#include "catalogue.h"

#include "course/lesson_kinds.h"
#include "course/lesson_state.h"
#include "crossword/crossword_screen.h"
#include "definitions/definitions_screen.h"
#include "drag_drop/drag_drop_screen.h"
#include "multiple_choice/choice_screen.h"
#include "presentation/presentation_screen.h"
#include "presentation/presentation_words.h"
#include "reveal/reveal_screen.h"
#include "sentences/sentence_screen.h"
#include "true_false/true_false_screen.h"
#include "typing/typing_screen.h"
#include "word_search/word_search_screen.h"

#include <algorithm>

namespace lumora {
namespace {

template <class Screen> std::unique_ptr<LessonScreen> Make(RunContext& context) {
    return std::make_unique<Screen>(context);
}

// Roster places: 2 sentence exercise, 3 presentation, 5 word search, 6 typing,
// 7 drag and drop, 14 multiple choice, 17 reveal game, 18 crossword,
// 19 definitions, 20 true/false.
const std::vector<ScreenEntry>& Rows() {
    static const std::vector<ScreenEntry> rows{
        {"TForm2",
         2,
         {kFitsPictureCode, kTwoPicturesCode, kThreePicturesCode, kFourPicturesCode,
          kGapSentenceCode},
         false,
         Make<TForm2>},
        {"TPrezentacjaForm",
         3,
         {kVocabularyCode, kPictureChoiceCode, kTypingDrillCode},
         false,
         Make<TPrezentacjaForm>},
        {"TPseudo_Form", 5, {kWordSearchCode}, false, Make<TPseudo_Form>},
        {"TCW_Wpisywanie1Form", 6, {kTypingCode}, true, Make<TCW_Wpisywanie1Form>},
        {"TC_DDForm", 7, {kDragAndDropCode}, true, Make<TC_DDForm>},
        {"TC_MC_Form", 14, {kMultipleChoiceCode}, true, Make<TC_MC_Form>},
        {"TOdkrywanieForm", 17, {kRevealCode}, false, Make<TOdkrywanieForm>},
        {"TKrzyzowkaForm", 18, {kCrosswordCode}, false, Make<TKrzyzowkaForm>},
        {"TC_DefForm", 19, {kDefinitionsCode}, true, Make<TC_DefForm>},
        {"TC_TF_Form", 20, {kTrueFalseCode}, true, Make<TC_TF_Form>},
    };
    return rows;
}

} // namespace

std::span<const ScreenEntry> ScreenCatalogue() {
    return Rows();
}

const ScreenEntry* ScreenFor(int code) {
    const auto& rows = Rows();
    const auto it = std::find_if(rows.begin(), rows.end(), [code](const ScreenEntry& e) {
        return std::find(e.codes.begin(), e.codes.end(), code) != e.codes.end();
    });
    return it != rows.end() ? &*it : nullptr;
}

std::vector<std::string> LessonScreens::MakeAt(RunContext& context, int rosterPlace) {
    std::vector<std::string> names;
    for (const ScreenEntry& entry : Rows()) {
        if (entry.rosterPlace != rosterPlace) {
            continue;
        }
        auto screen = entry.make(context);
        screen->setObjectName(
            QString::fromUtf8(entry.name.data(), static_cast<int>(entry.name.size())));
        names.emplace_back(entry.name);
        Add(entry, std::move(screen));
    }
    return names;
}

void LessonScreens::Add(const ScreenEntry& entry, std::unique_ptr<LessonScreen> screen) {
    entries_.push_back(&entry);
    screens_.push_back(std::move(screen));
}

LessonScreen* LessonScreens::OpenerOf(int code) const {
    for (std::size_t i = 0; i < screens_.size(); ++i) {
        const std::vector<int>& codes = entries_[i]->codes;
        if (std::find(codes.begin(), codes.end(), code) != codes.end()) {
            return screens_[i].get();
        }
    }
    return nullptr;
}

bool LessonScreens::Start(const CourseData& course, LessonState& lesson, int index) const {
    if (!BeginLesson(course, lesson, index)) {
        return false;
    }
    LessonScreen* screen = OpenerOf(lesson.CurrentCode);
    return screen != nullptr && screen->Load();
}

void LessonScreens::OnAnyClosed(const std::function<void()>& closed) {
    for (auto& screen : screens_) {
        screen->OnClosed = closed;
    }
}

} // namespace lumora
