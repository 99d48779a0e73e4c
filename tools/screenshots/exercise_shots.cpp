#include "exercise_shots.h"

#include "course/course_data.h"
#include "course/lesson_kinds.h"
#include "course/lesson_state.h"
#include "course/startup_loading.h"
#include "exercises/definitions/definitions_screen.h"
#include "exercises/drag_drop/drag_drop_screen.h"
#include "exercises/multiple_choice/choice_screen.h"
#include "exercises/presentation/presentation_screen.h"
#include "exercises/sentences/sentence_screen.h"
#include "exercises/true_false/true_false_screen.h"
#include "exercises/typing/typing_screen.h"
#include "platform/path_resolver.h"
#include "platform/random.h"
#include "platform/text_file.h"
#include "sample_course.h"
#include "sound/sound_service.h"
#include "users/run_context.h"

#include <array>
#include <filesystem>

namespace lumora::shots {
namespace {

constexpr int kSampleRecord = 200;

constexpr const char* kChoiceHead = "200#roz_sample#wybor.wav#Posłuchaj i wybierz.#Sample#";
constexpr const char* kChoiceBody =
    "35#Where is Tom on <b> Saturday </b> morning?=T_At home=At school=In the park#"
    "Who plays the guitar?=Ann=T_Bob=Kate#"
    "What colour is Tom's new bike? It is the one he got for his birthday from his "
    "grandmother.=T_Red=Green=Blue=Black#";

constexpr const char* kTrueFalseHead = "200#roz_sample#prawda.wav#Posłuchaj i zdecyduj.#Sample#";
constexpr const char* kTrueFalseBody =
    "39# # #T_Tom is at home on Saturday morning.#Ann plays the guitar.#"
    "T_Tom's new bike is red, and he got it for his birthday from his grandmother.#"
    "Kate has a dog.#T_They eat pancakes for breakfast.#";

constexpr const char* kTypingHead = "200#roz_sample#wpisz.wav#Posłuchaj i wpisz.#Sample#";
constexpr const char* kTypingText[] = {
    "szer_px=80",
    "tytul_tekst=Sample",
    "puste_luk=1",
    "It is Sunday morning. Tom and his sister Ann want to make &pancakes for Mum.",
    "Tom takes two &eggs, some &milk and some flour. Ann finds a big &bowl and a spoon.",
    "They mix everything together. Then Dad helps them with the hot frying &pan. <BR>",
    "Ann puts &strawberries and honey on the pancakes. Tom makes a cup of &tea."};

constexpr const char* kTableHead = "200#roz_sample#tabela.wav#Posłuchaj i przeciągnij.#Sample#";
constexpr const char* kTableBody =
    "36#3#5#In the kitchen#In the garden#In the bathroom#fridge*1#cooker*1#kettle*1#"
    "flowers*2#tree*2#toothbrush*3#towel*3#bath*3#frying pan*1#grass*2#";

// The sorting lessons show the topic's background, as in the course.
constexpr const char* kSortingBackground = "kuchnia.png";

constexpr const char* kDefinitionsHead = "200# #definicje.wav#Dopasuj słowa.#Sample#";
constexpr const char* kDefinitionsBody =
    "38#kettle*you boil water in it#fridge*it keeps food <B> cold </B> and fresh, even on the "
    "hottest days of summer#towel*you dry yourself with it after a bath or a shower#"
    "spoon*you eat soup with it#cooker*you cook meals on it#";

// Makes a sample lesson the current one: a steering row of its own at the
// end of the table and St.t record 200. The layout pairs after the first two
// (transport bar and film) are the content area's unless given.
void UseSampleLesson(StandaloneRun& run, int code, const char* head, const char* body,
                     std::array<int, 3> pair3To5X = {30, 690, 0},
                     std::array<int, 3> pair3To5Y = {118, 410, 0}) {
    CourseData& course = run.course;
    SteeringRow row;
    row.TopicFolder = "kuchnia";
    row.Content = std::to_string(kSampleRecord);
    row.Code = code;
    row.Title = "Sample";
    row.LayoutCount = 5;
    row.LayoutX = {24, 420, pair3To5X[0], pair3To5X[1], pair3To5X[2]};
    row.LayoutY = {62, 118, pair3To5Y[0], pair3To5Y[1], pair3To5Y[2]};
    course.SteeringTable.push_back(row);
    course.StTable[kSampleRecord] = StRecord{head, body, "", 0};
    run.session.lesson.CurrentRow = static_cast<int>(course.SteeringTable.size());
    run.session.lesson.CurrentContent = row.Content;
    run.session.lesson.CurrentCode = row.Code;
}

// Clicks the n-th answer (0-based) of question q where it was painted.
void ChooseAnswer(TC_MC_Form& screen, int q, int n) {
    for (const AnswerArea& area : screen.AnswerAreas()) {
        if (area.question == q && area.option == n + 1) {
            screen.pb_trescMouseDown(area.left + 5, area.top + 5);
            return;
        }
    }
}

std::unique_ptr<QWidget> MultipleChoiceShot(StandaloneRun& run) {
    UseSampleLesson(run, kMultipleChoiceCode, kChoiceHead, kChoiceBody);
    auto screen = std::make_unique<TC_MC_Form>(run.context);
    screen->Load();
    // The first paint lays the answers out.
    screen->grab();
    const ChoiceContent& content = screen->Content();
    ChooseAnswer(*screen, 0, content.questions[0].right - 1);
    ChooseAnswer(*screen, 1, content.questions[1].right % 3);
    screen->btn_okClick();
    return screen;
}

// Ticks the first statement right, the second wrong, leaves the third and
// ticks the rest "true".
std::unique_ptr<QWidget> TrueFalseShot(StandaloneRun& run, bool marked) {
    UseSampleLesson(run, kTrueFalseCode, kTrueFalseHead, kTrueFalseBody);
    auto screen = std::make_unique<TC_TF_Form>(run.context);
    screen->Load();
    // The first paint places the boxes.
    screen->grab();
    const auto& statements = screen->Content().statements;
    for (std::size_t n = 0; n < statements.size(); ++n) {
        const bool sayTrue = n == 0 ? statements[n].truth : n == 1 ? !statements[n].truth : true;
        if (n != 2) {
            (sayTrue ? screen->L[n] : screen->R[n])->Click();
        }
    }
    if (marked) {
        screen->btn_okClick();
    }
    return screen;
}

// Types into the first gaps: right, right in capitals, wrong; the fourth is
// left open with its editor.
std::unique_ptr<QWidget> TypingShot(StandaloneRun& run, bool marked) {
    std::vector<std::string> lines(std::begin(kTypingText), std::end(kTypingText));
    CreateFolder(run.course.DataPath("wpisywania"));
    WriteFileAtomic(run.course.DataPath("wpisywania\\sample.fcs"), JoinCp1250Lines(lines));
    UseSampleLesson(run, kTypingCode, kTypingHead, "37#sample");
    auto screen = std::make_unique<TCW_Wpisywanie1Form>(run.context);
    if (!screen->Load()) {
        return screen;
    }
    screen->grab();
    const auto gapWord = [&](std::size_t g) { return screen->GapAreas().at(g).word; };
    for (const auto& [gap, typed] : std::vector<std::pair<std::size_t, std::string>>{
             {0, "pancakes"}, {1, "EGGS"}, {2, "mlik"}, {3, "bow"}}) {
        screen->OpenGap(gapWord(gap));
        screen->Edit1->SetText(typed);
        screen->grab();
    }
    if (marked) {
        screen->btn_sprawdzClick();
    }
    return screen;
}

// The first sentence lesson of that code in the sample topic, opened with a
// fixed draw. Answered: a wrong choice first (the learner may try again),
// or the gaps filled right (the whole sentence and the explanation button).
std::unique_ptr<QWidget> SentenceShot(StandaloneRun& run, int code, bool answered) {
    CourseData& course = run.course;
    auto screen = std::make_unique<TForm2>(run.context);
    for (int row = 1; row <= static_cast<int>(course.SteeringTable.size()); ++row) {
        const SteeringRow& lesson = *course.Steering(row);
        if (lesson.TopicFolder != kSentenceTopic || lesson.Code != code) {
            continue;
        }
        run.session.lesson.CurrentTopic = lesson.TopicFolder;
        run.session.lesson.CurrentRow = row;
        run.session.lesson.CurrentContent = lesson.Content;
        run.session.lesson.CurrentCode = code;
        SelectDataRows(course, run.session.lesson, lesson.Content);
        break;
    }
    FixRandomSeed(4);
    if (screen->Load() && answered) {
        const SentenceSeries& series = screen->Series();
        if (code == kGapSentenceCode) {
            for (std::size_t g = 0; g < screen->E_Wpis.size(); ++g) {
                screen->E_Wpis[g]->SetText(screen->Gaps().fields[g].answer);
            }
            screen->K_sprawdzClick();
        } else if (code == kFitsPictureCode) {
            (series.ExpectedAnswer() == 1 ? screen->K_nie : screen->K_tak)->Click();
        } else {
            screen->MImageClick(series.ExpectedAnswer() % code + 1);
        }
    } else if (code == kGapSentenceCode) {
        screen->E_Wpis[0]->SetText("bred");
    }
    ReleaseRandomSeed();
    return screen;
}

// Drags a word label to the point on its screen.
void DragWord(lumora::Dragging& drag, QWidget& word, QPoint to) {
    drag.Begin(word, word.geometry().center());
    drag.MoveTo(to);
    drag.End(to);
}

// Puts the first three words of the shuffled pool: two into their columns,
// one into the wrong column; the rest stay in the pool.
std::unique_ptr<QWidget> DragDropShot(StandaloneRun& run, bool marked) {
    UseSampleLesson(run, kDragAndDropCode, kTableHead, kTableBody, {0, 0, 600}, {0, 0, 0});
    run.course.SteeringTable.back().Background = kSortingBackground;
    auto screen = std::make_unique<TC_DDForm>(run.context);
    if (!screen->Load()) {
        return screen;
    }
    const DragDropBoard& board = *screen->Board();
    for (int w = 0; w < 3; ++w) {
        const int right = board.Word(w).column;
        const int column = w == 2 ? right % board.Table().columns + 1 : right;
        const Edges area = board.Table().DropArea(column);
        DragWord(*screen->Drag, *screen->lbl[static_cast<std::size_t>(w)],
                 {(area.left + area.right) / 2, area.top + 30});
    }
    if (marked) {
        screen->btn_OKClick();
    }
    return screen;
}

// Puts the first two words of the pool into their slots and the third into
// the slot of another definition.
std::unique_ptr<QWidget> DefinitionsShot(StandaloneRun& run, bool marked) {
    UseSampleLesson(run, kDefinitionsCode, kDefinitionsHead, kDefinitionsBody, {0, 0, 0},
                    {0, 0, 0});
    run.course.SteeringTable.back().Background = kSortingBackground;
    auto screen = std::make_unique<TC_DefForm>(run.context);
    if (!screen->Load()) {
        return screen;
    }
    const DefinitionsBoard& board = *screen->Board();
    for (int n = 0; n < 3; ++n) {
        const int item = n == 2 ? (board.ItemOf(n) + 1) % board.Count() : board.ItemOf(n);
        DragWord(*screen->Drag, *screen->lbl[static_cast<std::size_t>(n)],
                 screen->podkl[static_cast<std::size_t>(item)]->geometry().center());
    }
    if (marked) {
        screen->btn_sprawdzClick();
    }
    return screen;
}

// The presentation shows the demo course's kitchen words on its backgrounds.
void CopyFromDemo(const CourseData& course, const std::string& folder) {
    const std::string to = course.DataPath(folder);
    std::error_code error;
    std::filesystem::create_directories(to, error);
    std::filesystem::copy(ResolvePath(ChooseDataRoot(""), folder), to,
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::overwrite_existing,
                          error);
}

// The kitchen's vocabulary lesson in one mode, its pictures all shown: the
// presentation after a word was heard, the choice after a right answer, the
// typing drill with a word being typed.
std::unique_ptr<QWidget> PresentationShot(StandaloneRun& run, int code) {
    CopyFromDemo(run.course, "obrazki/kuchnia/sl");
    CopyFromDemo(run.course, "tla");
    CourseData& course = run.course;
    for (int row = 1; row <= static_cast<int>(course.SteeringTable.size()); ++row) {
        const SteeringRow& r = *course.Steering(row);
        if (r.Code == code && r.TopicFolder == "kuchnia") {
            run.session.lesson.CurrentTopic = r.TopicFolder;
            run.session.lesson.CurrentRow = row;
            run.session.lesson.CurrentContent = r.Content;
            run.session.lesson.CurrentCode = code;
            SelectDataRows(course, run.session.lesson, r.Content);
        }
    }
    auto screen = std::make_unique<TPrezentacjaForm>(run.context);
    if (!screen->Load()) {
        return screen;
    }
    WaitWithEvents(TPrezentacjaForm::kSlots * TPrezentacjaForm::kRevealStep + 100);
    if (code == kVocabularyCode) {
        screen->LabelClick(2);
    } else if (code == kVocabularyCode + 1) {
        screen->ImageClick(screen->Choice().CorrectSlot());
    } else {
        screen->ed_wpis->SetText("carr");
    }
    run.context.sound.StopMedia();
    return screen;
}

} // namespace

std::vector<ScreenShot> ExerciseScreenShots() {
    return {
        {"multiple_choice", MultipleChoiceShot},
        {"true_false", [](StandaloneRun& run) { return TrueFalseShot(run, false); }},
        {"true_false_marked", [](StandaloneRun& run) { return TrueFalseShot(run, true); }},
        {"typing", [](StandaloneRun& run) { return TypingShot(run, false); }},
        {"typing_marked", [](StandaloneRun& run) { return TypingShot(run, true); }},
        {"sentence_yes_no", [](StandaloneRun& run) { return SentenceShot(run, 1, true); }},
        {"sentence_choice_of_two", [](StandaloneRun& run) { return SentenceShot(run, 2, false); }},
        {"sentence_choice_of_three", [](StandaloneRun& run) { return SentenceShot(run, 3, true); }},
        {"sentence_choice_of_four", [](StandaloneRun& run) { return SentenceShot(run, 4, false); }},
        {"sentence_gaps", [](StandaloneRun& run) { return SentenceShot(run, 9, false); }},
        {"sentence_gaps_answered", [](StandaloneRun& run) { return SentenceShot(run, 9, true); }},
        {"drag_drop", [](StandaloneRun& run) { return DragDropShot(run, false); }},
        {"drag_drop_marked", [](StandaloneRun& run) { return DragDropShot(run, true); }},
        {"definitions", [](StandaloneRun& run) { return DefinitionsShot(run, false); }},
        {"definitions_marked", [](StandaloneRun& run) { return DefinitionsShot(run, true); }},
        {"presentation", [](StandaloneRun& run) { return PresentationShot(run, kVocabularyCode); }},
        {"presentation_choice",
         [](StandaloneRun& run) { return PresentationShot(run, kVocabularyCode + 1); }},
        {"presentation_typing",
         [](StandaloneRun& run) { return PresentationShot(run, kVocabularyCode + 2); }}};
}

} // namespace lumora::shots
