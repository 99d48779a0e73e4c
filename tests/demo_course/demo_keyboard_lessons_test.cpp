// Every lesson kind of the demo course by keys alone, as a learner without a
// mouse meets it: logged in by Enter, the lesson chosen on its topic screen by
// the arrows and opened by Enter, played to its end, left by Escape (or by its
// own end) through the result box, and its points found in pkt.txt. Only key
// events are sent, no mouse event.
#include "accessible_tree.h"
#include "course/lesson_kinds.h"
#include "exercises/crossword/crossword_screen.h"
#include "exercises/definitions/definitions_screen.h"
#include "exercises/drag_drop/drag_drop_screen.h"
#include "exercises/multiple_choice/choice_screen.h"
#include "exercises/presentation/presentation_screen.h"
#include "exercises/reveal/reveal_screen.h"
#include "exercises/sentences/sentence_screen.h"
#include "exercises/true_false/true_false_screen.h"
#include "exercises/typing/typing_screen.h"
#include "exercises/word_search/word_search_screen.h"
#include "keyboard_roster.h"
#include "platform/blocking_wait.h"
#include "platform/message_box.h"
#include "platform/random.h"
#include "platform/text_helpers.h"
#include "platform/ui/keyboard_mode.h"
#include "platform/ui/screen_pause.h"
#include "qt_test_app.h"

#include <QApplication>
#include <QCursor>
#include <QTest>

#include <algorithm>
#include <functional>

namespace lumora::test {
namespace {

class DemoKeyboardLessons : public WidgetTest {
  protected:
    DemoKeyboardLessons() {
        FixRandomSeed(5);
        SetKeyboardMode(false);
        QCursor::setPos(0, 0);
        previousWait_ = SetBlockingWaitHook([](int) {});
        previousPause_ = SetPauseScreensHook([](int) {});
        roster_ = std::make_unique<KeyboardRoster>();
    }
    ~DemoKeyboardLessons() override {
        roster_.reset();
        SetPauseScreensHook(previousPause_);
        SetBlockingWaitHook(previousWait_);
        SetKeyboardMode(false);
        ReleaseRandomSeed();
    }

    int FirstRowOf(int code) const {
        const int row = roster_->FirstRowOf(code);
        EXPECT_GT(row, 0) << "no lesson of code " << code;
        return row;
    }
    template <class Screen> Screen& OpenFromTopic(int row) {
        auto* screen = dynamic_cast<Screen*>(roster_->OpenFromTopic(row));
        EXPECT_NE(screen, nullptr);
        return *screen;
    }
    PointsRow Record(int row) const { return roster_->Record(row); }
    int ResultsShown() const { return roster_->ResultsShown(); }

    static QWidget* Focused() { return QApplication::focusWidget(); }

    // Presses the key until done says so (or gives up after many presses).
    static void PressUntil(QWidget& form, int key, const std::function<bool()>& done) {
        for (int n = 0; n < 200 && !done(); ++n) {
            PressKey(form, key);
        }
        ASSERT_TRUE(done()) << "key " << key;
    }

    static void TabTo(QWidget& form, const QWidget* control) {
        PressUntil(form, Qt::Key_Tab, [control] { return Focused() == control; });
    }

    static void Type(QWidget& form, const std::string& text) {
        for (char c : text) {
            QTest::keyClick(form.windowHandle(), c);
        }
    }

    // Escape leaves, Enter closes the result box; the lesson screen is gone.
    void LeaveByEscape(QWidget& screen) {
        const int before = ResultsShown();
        PressKey(screen, Qt::Key_Escape);
        EXPECT_EQ(ResultsShown(), before + 1);
        EXPECT_FALSE(screen.isVisible());
    }

    MessageRecorder messages;

    std::unique_ptr<KeyboardRoster> roster_;

  private:
    std::function<void(int)> previousWait_;
    std::function<void(int)> previousPause_;
};

TEST_F(DemoKeyboardLessons, TrueFalseByArrowsAndSpace) {
    const int row = FirstRowOf(kTrueFalseCode);
    auto& screen = OpenFromTopic<TC_TF_Form>(row);
    screen.pb_tresc->repaint();
    const auto& statements = screen.Content().statements;
    PressKey(screen, Qt::Key_Down); // the first arrow brings the focus to the boxes
    EXPECT_EQ(Focused(), screen.L[0]);
    for (int n = 0; n < static_cast<int>(statements.size()); ++n) {
        const int column = statements[static_cast<std::size_t>(n)].truth ? 0 : 1;
        PressUntil(screen, Qt::Key_Down, [&] { return screen.Keys().Row() == n; });
        PressUntil(screen, column == 0 ? Qt::Key_Left : Qt::Key_Right,
                   [&] { return screen.Keys().Column() == column; });
        EXPECT_FALSE(screen.FocusMark().isEmpty());
        PressKey(screen, Qt::Key_Space);
    }
    TabTo(screen, screen.btn_ok);
    PressKey(screen, Qt::Key_Return);
    EXPECT_EQ(screen.State().Right(), static_cast<int>(statements.size()));
    LeaveByEscape(screen);
    EXPECT_EQ(Record(row).Points, 5 * static_cast<int>(statements.size()));
    EXPECT_TRUE(Record(row).Done);
}

TEST_F(DemoKeyboardLessons, MultipleChoiceByArrowsAndSpace) {
    const int row = FirstRowOf(kMultipleChoiceCode);
    auto& screen = OpenFromTopic<TC_MC_Form>(row);
    screen.pb_tresc->repaint();
    const auto& questions = screen.Content().questions;
    for (int q = 0; q < static_cast<int>(questions.size()); ++q) {
        const ChoicePick right{q, questions[static_cast<std::size_t>(q)].right};
        PressUntil(screen, Qt::Key_Down, [&] { return screen.Keys().Current() == right; });
        EXPECT_EQ(Focused(), screen.pb_tresc);
        PressKey(screen, Qt::Key_Space);
    }
    TabTo(screen, screen.btn_ok);
    PressKey(screen, Qt::Key_Return);
    EXPECT_EQ(screen.State().Right(), screen.State().Questions());
    LeaveByEscape(screen);
    EXPECT_EQ(Record(row).Points, screen.State().Points());
    EXPECT_GT(Record(row).Points, 0);
}

// Carries every word of a sorting lesson to its target by keys.
template <class Screen, class TargetOf>
void CarryEveryWord(Screen& screen, int count, TargetOf targetOf) {
    for (int w = 0; w < count; ++w) {
        PressKey(screen, Qt::Key_Down); // the first arrow may only bring the focus
        for (int n = 0; n < 100 && screen.Keys().Word() != w; ++n) {
            PressKey(screen, screen.Keys().Word() < w ? Qt::Key_Down : Qt::Key_Up);
        }
        ASSERT_EQ(screen.Keys().Word(), w);
        PressKey(screen, Qt::Key_Space);
        ASSERT_TRUE(screen.Keys().Carrying());
        const int target = targetOf(w);
        for (int n = 0; n < 100 && screen.Keys().Target() != target; ++n) {
            PressKey(screen, screen.Keys().Target() < target ? Qt::Key_Right : Qt::Key_Left);
        }
        ASSERT_EQ(screen.Keys().Target(), target);
        PressKey(screen, Qt::Key_Space);
        EXPECT_FALSE(screen.Keys().Carrying());
    }
}

TEST_F(DemoKeyboardLessons, DragAndDropBySpaceArrowsAndSpace) {
    const int row = FirstRowOf(kDragAndDropCode);
    auto& screen = OpenFromTopic<TC_DDForm>(row);
    const DragDropBoard& board = *screen.Board();
    ASSERT_GE(board.Count(), 2);

    // Escape puts a word carried back where it lay; Tab moves it as the
    // arrows do.
    PressKey(screen, Qt::Key_Down);
    PressKey(screen, Qt::Key_Home);
    const QPoint home = screen.lbl[0]->pos();
    PressKey(screen, Qt::Key_Space);
    PressKey(screen, Qt::Key_Tab);
    EXPECT_EQ(screen.Keys().Target(), 1);
    EXPECT_NE(screen.lbl[0]->pos(), home) << "the word stands over the first column";
    PressKey(screen, Qt::Key_Escape);
    EXPECT_TRUE(screen.isVisible());
    EXPECT_EQ(board.ColumnOf(0), 0);
    EXPECT_EQ(screen.lbl[0]->pos(), home);

    CarryEveryWord(screen, board.Count(), [&](int w) { return board.Word(w).column; });
    for (int w = 0; w < board.Count(); ++w) {
        EXPECT_EQ(board.ColumnOf(w), board.Word(w).column) << board.Word(w).text;
    }
    TabTo(screen, screen.btn_ok);
    PressKey(screen, Qt::Key_Return);
    EXPECT_EQ(board.RightCount(), board.Count());
    LeaveByEscape(screen);
    EXPECT_EQ(Record(row).Points, 5 * board.Count());
}

TEST_F(DemoKeyboardLessons, DefinitionsBySpaceArrowsAndSpace) {
    const int row = FirstRowOf(kDefinitionsCode);
    auto& screen = OpenFromTopic<TC_DefForm>(row);
    const DefinitionsBoard& board = *screen.Board();
    CarryEveryWord(screen, board.Count(), [&](int n) { return board.ItemOf(n) + 1; });
    for (int n = 0; n < board.Count(); ++n) {
        EXPECT_EQ(board.SlotOf(n), board.ItemOf(n)) << n;
    }
    TabTo(screen, screen.btn_sprawdz);
    PressKey(screen, Qt::Key_Return);
    EXPECT_EQ(board.RightCount(), board.Count());
    LeaveByEscape(screen);
    EXPECT_EQ(Record(row).Points, 5 * board.Count());
}

TEST_F(DemoKeyboardLessons, TypingByEnterTheAnswersAndTab) {
    const int row = FirstRowOf(kTypingCode);
    auto& screen = OpenFromTopic<TCW_Wpisywanie1Form>(row);
    screen.DXRamka->repaint();
    const TypingState& state = screen.State();
    std::vector<int> gapWords;
    for (int w = 0; w < state.Words(); ++w) {
        if (state.IsGap(w)) {
            gapWords.push_back(w);
        }
    }
    ASSERT_EQ(gapWords.size(), state.Text().answers.size());
    PressKey(screen, Qt::Key_Return);
    for (std::size_t g = 0; g < gapWords.size(); ++g) {
        if (!screen.Edit1->isVisible()) {
            // Out of view: the scroll button by Tab, back to the text, Enter
            // opens the first gap shown and Tab goes on to this one.
            TabTo(screen, screen.btn_dn);
            PressKey(screen, Qt::Key_Return);
            TabTo(screen, screen.DXRamka);
            PressKey(screen, Qt::Key_Return);
            PressUntil(screen, Qt::Key_Tab, [&] { return state.OpenGap() == gapWords[g]; });
        }
        ASSERT_EQ(state.OpenGap(), gapWords[g]);
        ASSERT_EQ(Focused(), screen.Edit1);
        Type(screen, state.Text().answers[g]);
        if (g + 1 < gapWords.size()) {
            PressKey(screen, Qt::Key_Tab);
        }
    }
    PressKey(screen, Qt::Key_Escape); // closes the gap, leaves nothing
    EXPECT_TRUE(screen.isVisible());
    TabTo(screen, screen.btn_sprawdz);
    PressKey(screen, Qt::Key_Return);
    EXPECT_EQ(state.RightCount(), state.Gaps());
    LeaveByEscape(screen);
    EXPECT_EQ(Record(row).Points, 2 * state.Gaps());
}

TEST_F(DemoKeyboardLessons, EverySentenceKindByArrowsSpaceTypingAndEnter) {
    for (int code : {1, 2, 3, 4, 9}) {
        SCOPED_TRACE("code " + std::to_string(code));
        const int row = FirstRowOf(code);
        auto& screen = OpenFromTopic<TForm2>(row);
        const int before = ResultsShown();
        int asked = 0;
        while (screen.isVisible() && asked++ < 40) {
            const SentenceSeries& series = screen.Series();
            if (series.Code() == 9) {
                for (std::size_t g = 0; g < screen.Gaps().fields.size(); ++g) {
                    if (!screen.Gaps().fields[g].Shown()) {
                        continue;
                    }
                    TabTo(screen, screen.E_Wpis[g]);
                    Type(screen, screen.Gaps().fields[g].answer);
                }
            } else {
                const std::vector<Control*> choices = screen.KeyChoices();
                const Control* right =
                    series.Code() == 1
                        ? static_cast<Control*>(series.ExpectedAnswer() == 1 ? screen.K_tak
                                                                             : screen.K_nie)
                        : screen.MImage.at(static_cast<std::size_t>(series.ExpectedAnswer() - 1));
                const int index = static_cast<int>(
                    std::find(choices.begin(), choices.end(), right) - choices.begin());
                ASSERT_LT(index, static_cast<int>(choices.size()));
                PressKey(screen, Qt::Key_Left);
                PressUntil(screen, Qt::Key_Right, [&] { return screen.Keys().Index() == index; });
                EXPECT_EQ(Focused(), right);
                PressKey(screen, Qt::Key_Space);
            }
            PressKey(screen, Qt::Key_Return); // checks the gaps, or goes on
            if (series.Code() == 9 && screen.isVisible() && !screen.K_ok->isHidden()) {
                PressKey(screen, Qt::Key_Return);
            }
        }
        EXPECT_FALSE(screen.isVisible());
        EXPECT_EQ(ResultsShown(), before + 1);
        EXPECT_EQ(Record(row).Points, 10 * screen.Series().SeriesLength());
    }
}

TEST_F(DemoKeyboardLessons, CrosswordByLettersAndItsOwnEnd) {
    const int row = FirstRowOf(kCrosswordCode);
    auto& screen = OpenFromTopic<TKrzyzowkaForm>(row);
    const Crossword& game = *screen.Game();
    const int rows = game.RowCount();
    for (int n = 0; n < rows && screen.isVisible(); ++n) {
        const std::string word = LowerAZ(game.Row(game.ActiveRow()).word);
        Type(screen, word);
    }
    EXPECT_FALSE(screen.isVisible()) << "the last row solved ends the crossword";
    EXPECT_EQ(Record(row).Points, 10 * rows);
}

TEST_F(DemoKeyboardLessons, RevealGameByTypedAnswersAndEscape) {
    const int row = FirstRowOf(kRevealCode);
    auto& screen = OpenFromTopic<TOdkrywanieForm>(row);
    const RevealGame& game = *screen.Game();
    ASSERT_EQ(Focused(), screen.Edit1);
    for (int n = 0; n < 40 && game.State() != RevealGame::Phase::Finished; ++n) {
        Type(screen, game.Word(game.Position()).english);
        PressKey(screen, Qt::Key_Return);
    }
    ASSERT_EQ(game.State(), RevealGame::Phase::Finished);
    // Tab reaches the board, the arrows go from tile to tile.
    TabTo(screen, screen.Image1);
    PressKey(screen, Qt::Key_Down);
    const int below = screen.Tiles().Current();
    PressKey(screen, Qt::Key_Right);
    EXPECT_EQ(screen.Tiles().Current(), below + 1);
    // Every tile is off now, also those no word lifted.
    for (int i = 0; i < kRevealTiles; ++i) {
        EXPECT_NE(screen.Tiles().ItemName(i).find(": odkryte"), std::string::npos) << i;
    }
    LeaveByEscape(screen);
    EXPECT_EQ(Record(row).Points, game.Points());
    EXPECT_GT(Record(row).Points, 0);
}

// Where a word of the list reads in the grid, left to right or downwards.
std::pair<GridCell, GridCell> PlaceOf(const WordSearch& game, const std::string& word) {
    const std::string wanted = LowerAZ(word);
    for (int r = 1; r <= game.Rows(); ++r) {
        for (int c = 1; c <= game.Columns(); ++c) {
            std::string across, down;
            for (int k = c; k <= game.Columns(); ++k) {
                across += LowerAZ(game.Letter(r, k));
                if (across == wanted) {
                    return {{r, c}, {r, k}};
                }
            }
            for (int k = r; k <= game.Rows(); ++k) {
                down += LowerAZ(game.Letter(k, c));
                if (down == wanted) {
                    return {{r, c}, {k, c}};
                }
            }
        }
    }
    ADD_FAILURE() << word << " is not in the grid";
    return {};
}

TEST_F(DemoKeyboardLessons, WordSearchByACellCursorAndSpace) {
    const int row = FirstRowOf(kWordSearchCode);
    auto& screen = OpenFromTopic<TPseudo_Form>(row);
    const WordSearch& game = *screen.Game();
    const auto moveTo = [&](GridCell cell) {
        PressUntil(screen, Qt::Key_Up, [&] { return screen.Keys().Row() == 0; });
        PressUntil(screen, Qt::Key_Left, [&] { return screen.Keys().Column() == 0; });
        PressUntil(screen, Qt::Key_Down, [&] { return screen.Keys().Row() == cell.row - 1; });
        PressUntil(screen, Qt::Key_Right,
                   [&] { return screen.Keys().Column() == cell.column - 1; });
    };
    for (const std::string& word : game.Words()) {
        const auto [first, last] = PlaceOf(game, word);
        moveTo(first);
        PressKey(screen, Qt::Key_Space);
        moveTo(last);
        PressKey(screen, Qt::Key_Space);
    }
    EXPECT_EQ(game.FoundCount(), game.WordCount());
    ASSERT_FALSE(messages.Messages().empty());
    EXPECT_EQ(messages.Messages().back(), kWordSearchDoneMessage);
    // It keeps no points and shows no result box: Escape just closes it.
    const int before = ResultsShown();
    PressKey(screen, Qt::Key_Escape);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(ResultsShown(), before);
}

// Moves the focus by the arrows, the way the target lies, until it is there.
void ArrowTo(QWidget& form, const QWidget* target) {
    for (int n = 0; n < 30 && QApplication::focusWidget() != target; ++n) {
        const QWidget* now = QApplication::focusWidget();
        ASSERT_NE(now, nullptr);
        const QPoint d = target->geometry().center() - now->geometry().center();
        PressKey(form, std::abs(d.x()) > std::abs(d.y())
                           ? (d.x() > 0 ? Qt::Key_Right : Qt::Key_Left)
                           : (d.y() > 0 ? Qt::Key_Down : Qt::Key_Up));
    }
    ASSERT_EQ(QApplication::focusWidget(), target);
}

TEST_F(DemoKeyboardLessons, VocabularyPageWordsByArrows) {
    const int row = FirstRowOf(kVocabularyCode);
    auto& screen = OpenFromTopic<TPrezentacjaForm>(row);
    QTest::qWait(10 * TPrezentacjaForm::kRevealStep); // the words come one by one
    PressKey(screen, Qt::Key_Down);
    ASSERT_TRUE(std::find(screen.lbl.begin(), screen.lbl.end(), Focused()) != screen.lbl.end());
    ArrowTo(screen, screen.lbl[1]);
    EXPECT_FALSE(screen.FocusMark().isEmpty());
    PressKey(screen, Qt::Key_Escape);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_TRUE(Record(row).Done);
}

// The microphone cannot be held by keys: Space starts the recording, the
// next Space ends it and plays it back; a held Space is one press.
TEST_F(DemoKeyboardLessons, VocabularyWordRecordedBySpaceAndSpace) {
    const int row = FirstRowOf(kVocabularyCode);
    auto& screen = OpenFromTopic<TPrezentacjaForm>(row);
    QTest::qWait(10 * TPrezentacjaForm::kRevealStep);
    PressKey(screen, Qt::Key_Down);
    ArrowTo(screen, screen.lbl[1]);
    PressKey(screen, Qt::Key_Return); // hears the word
    ASSERT_TRUE(screen.btn_mikrofonik->isVisible());
    TabTo(screen, screen.btn_mikrofonik);
    PressKey(screen, Qt::Key_Space);
    ASSERT_TRUE(roster_->TheRecording().RecordingActive());
    QKeyEvent held(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
    QApplication::sendEvent(screen.windowHandle(), &held);
    EXPECT_TRUE(roster_->TheRecording().RecordingActive());
    QTest::qWait(400);
    PressKey(screen, Qt::Key_Space);
    EXPECT_FALSE(roster_->TheRecording().RecordingActive());
    EXPECT_EQ(screen.RecordedRow(), screen.WordOrder().at(1));
    PressKey(screen, Qt::Key_Escape);
}

TEST_F(DemoKeyboardLessons, VocabularyPictureChoiceByTabArrowsAndSpace) {
    const int row = FirstRowOf(31);
    auto& screen = OpenFromTopic<TPrezentacjaForm>(row);
    QTest::qWait(10 * TPrezentacjaForm::kRevealStep);
    const int questions = screen.Choice().QuestionCount();
    for (int n = 0; n < 40 && screen.isVisible() && !screen.Choice().Finished(); ++n) {
        const QWidget* right =
            screen.img.at(static_cast<std::size_t>(screen.Choice().CorrectSlot() - 1));
        if (std::find(screen.img.begin(), screen.img.end(), Focused()) == screen.img.end()) {
            PressUntil(screen, Qt::Key_Tab, [&] {
                return std::find(screen.img.begin(), screen.img.end(), Focused()) !=
                       screen.img.end();
            });
        }
        ArrowTo(screen, right);
        PressKey(screen, Qt::Key_Space);
    }
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(Record(row).Points, 10 * questions);
}

TEST_F(DemoKeyboardLessons, VocabularyTypingDrillByTypingAndEnter) {
    const int row = FirstRowOf(32);
    auto& screen = OpenFromTopic<TPrezentacjaForm>(row);
    QTest::qWait(10 * TPrezentacjaForm::kRevealStep);
    const int count = screen.Typing().Count();
    for (int p = 1; p <= count && screen.isVisible(); ++p) {
        const int word = screen.WordOrder().at(static_cast<std::size_t>(p - 1));
        ASSERT_EQ(Focused(), screen.ed_wpis);
        Type(screen,
             roster_->Course().DataTable.at(static_cast<std::size_t>(word - 1)).EnglishText);
        PressKey(screen, Qt::Key_Return);
    }
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(Record(row).Points, 80);
}

// Screen readers meet one lesson of each kind as a window named by the
// lesson, with every control and painted item named.
TEST_F(DemoKeyboardLessons, OneLessonOfEachKindIsNamedThroughout) {
    for (int code :
         {kTrueFalseCode, kMultipleChoiceCode, kDragAndDropCode, kDefinitionsCode, kTypingCode, 1,
          2, 9, kCrosswordCode, kRevealCode, kWordSearchCode, kVocabularyCode, 31, 32}) {
        SCOPED_TRACE("code " + std::to_string(code));
        const int row = FirstRowOf(code);
        auto& screen = OpenFromTopic<LessonScreen>(row);
        const auto tree = AccessibleTree(screen);
        ASSERT_FALSE(tree.empty());
        EXPECT_EQ(tree.front().name, "Ćwiczenie: " + roster_->Course().Steering(row)->Title);
        EXPECT_TRUE(Unnamed(tree).empty()) << DescribeTree(tree);
        const auto items = std::count_if(tree.begin(), tree.end(), [](const AccessibleNode& n) {
            return n.role == QAccessible::ListItem || n.role == QAccessible::Cell ||
                   n.role == QAccessible::Button;
        });
        EXPECT_GE(items, 3) << DescribeTree(tree);
        PressKey(screen, Qt::Key_Escape);
        EXPECT_FALSE(screen.isVisible());
    }
}

} // namespace
} // namespace lumora::test
