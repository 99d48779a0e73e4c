// The typing screen: opening gaps by click and by Tab or Enter, typing,
// marking with the answers filled in, the hint over the exclamation picture,
// scrolling, and the points it leaves with.
#include "elements/result_box.h"
#include "exercises/typing/typing_screen.h"
#include "story_course.h"

namespace lumora {
namespace {

// Five gaps: cat, mat (prefilled "m"), was, dog, bird.
constexpr const char* kText = "szer_px=60\ntytul_tekst=The cat\npuste_luk=0\n"
                              "The &cat sat on the *m &mat. It &was happy.\n"
                              "The &dog and the &bird\\birdie sang.\n";

class TypingScreenTest : public test::StoryCourse {
  protected:
    TypingScreenTest() { Use(kText); }

    void Use(const std::string& text, const std::string& layout = "24,62*420,118*30,118*690,410") {
        builder.Write("wpisywania/kot.fcs", text);
        UseLesson({.code = 37, .body = "37#kot", .layout = layout});
        course.TextTable[15] = "Punkty:";
    }
    void Open() {
        ASSERT_TRUE(screen.Load());
        test::ShowAndWait(screen);
        screen.DXRamka->repaint();
    }
    const GapArea& Area(int gap) { return screen.GapAreas().at(static_cast<std::size_t>(gap)); }
    void ClickGap(int gap) {
        const GapArea& a = Area(gap);
        test::MouseClick(*screen.DXRamka, {a.left + 3, a.top + 3});
    }
    void Type(const std::string& text) { screen.Edit1->SetText(text); }
    int OpenWord() { return screen.State().OpenGap(); }
    int WordOfGap(int gap) { return Area(gap).word; }
    std::string Leave() {
        std::string caption;
        test::WhenIdle([&] {
            caption = result.Label1->Caption();
            clock.Advance(TWynik_Form::kCloseAfter);
        });
        screen.btn_exit->Click();
        return caption.substr(0, caption.find('\r'));
    }

    TCW_Wpisywanie1Form screen{context};
    TWynik_Form& result = testRun.run.result;
};

TEST_F(TypingScreenTest, GapsOpenByClickTabAndEnterAndMarkingFillsTheAnswers) {
    Open();
    ASSERT_EQ(screen.GapAreas().size(), 5u);
    // The prefill shows until the gap is opened, then comes into the editor.
    EXPECT_EQ(screen.State().Word(WordOfGap(1)).text, "m");
    ClickGap(1);
    EXPECT_EQ(OpenWord(), WordOfGap(1));
    EXPECT_TRUE(screen.Edit1->isVisible());
    EXPECT_EQ(screen.Edit1->Text(), "m");
    EXPECT_EQ(screen.Edit1->geometry(),
              QRect(screen.DXRamka->x() + Area(1).left, screen.DXRamka->y() + Area(1).top, 60, 18));
    Type("Mat ");
    test::PressKey(screen, Qt::Key_Tab);
    EXPECT_EQ(OpenWord(), WordOfGap(2));
    EXPECT_EQ(screen.State().Word(WordOfGap(1)).text, "Mat"); // kept trimmed
    Type("is");
    test::PressKey(screen, Qt::Key_Return);
    EXPECT_EQ(OpenWord(), WordOfGap(3));
    Type("dog");
    test::PressKey(screen, Qt::Key_Tab);
    Type("birdie");
    test::PressKey(screen, Qt::Key_Backtab, Qt::ShiftModifier); // Shift+Tab goes on too
    EXPECT_EQ(OpenWord(), WordOfGap(0));                        // from the last gap to the first
    Type("cat.");
    EXPECT_EQ(screen.State().Actions(), 5);

    screen.btn_sprawdz->Click();
    EXPECT_FALSE(screen.Edit1->isVisible());
    EXPECT_TRUE(screen.btn_sprawdz->isHidden());
    EXPECT_FALSE(screen.lbl_jeszcze_raz->isHidden());
    EXPECT_EQ(side.plays, std::vector<std::string>{CourseFile("wav/No_1.wav")});
    EXPECT_EQ(screen.State().RightCount(), 3);
    EXPECT_EQ(screen.State().WrongCount(), 2);
    // Wrong gaps show their answers; the case of a right one is the answer's;
    // the alternative typed stays.
    std::vector<std::string> shown;
    for (int g = 0; g < 5; ++g) {
        shown.push_back(screen.State().Word(WordOfGap(g)).text);
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"cat", "mat", "was", "dog", "birdie"}));

    // The hint over a wrong gap's exclamation picture is what was typed.
    screen.DXRamka->repaint();
    test::MouseMoveTo(*screen.DXRamka, {Area(0).left + 5, Area(0).top + 5});
    EXPECT_EQ(screen.DXRamka->toolTip(), QStringLiteral("cat."));
    EXPECT_EQ(screen.DXRamka->cursor().shape(), Qt::PointingHandCursor);
    test::MouseMoveTo(*screen.DXRamka, {Area(0).left + 30, Area(0).top + 5});
    EXPECT_EQ(screen.DXRamka->toolTip(), QString());
    ClickGap(2); // locked once marked
    EXPECT_EQ(screen.State().Actions(), 5);

    EXPECT_EQ(Leave(), "Punkty: 6");
    EXPECT_TRUE(RecordedAsDone(6));
}

TEST_F(TypingScreenTest, AnEmptyWrongGapShowsItsAnswerAndPictureButNoHint) {
    Use("szer_px=60\nt\npuste_luk=1\nA &cat and a &dog.\n");
    Open();
    EXPECT_EQ(screen.State().Word(1).text, ""); // underscores are painted for it
    ClickGap(1);
    Type("dog");
    screen.btn_sprawdz->Click();
    screen.DXRamka->repaint();
    EXPECT_EQ(screen.State().Word(1).text, "cat");
    test::MouseMoveTo(*screen.DXRamka, {Area(0).left + 5, Area(0).top + 5});
    EXPECT_EQ(screen.DXRamka->toolTip(), QString());
    EXPECT_EQ(screen.DXRamka->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(Leave(), "Punkty: 2");
}

TEST_F(TypingScreenTest, ScrollingStopsAtItsLimitsAndClosesTheEditor) {
    std::string text = "szer_px=60\nt\np\n";
    for (int line = 0; line < 12; ++line) {
        text += "Line " + std::to_string(line) + " has a &gap <BR>\n";
    }
    Use(text, "24,62*420,118*30,118*300,100");
    Open();
    const int limit = screen.ScrollLimit();
    EXPECT_GT(limit, 0);
    EXPECT_FALSE(screen.btn_dn->isHidden());
    EXPECT_TRUE(screen.btn_up->isHidden());
    ClickGap(0);
    Type("x");
    screen.btn_dn->Click();
    EXPECT_FALSE(screen.Edit1->isVisible());
    EXPECT_EQ(OpenWord(), -1);
    EXPECT_EQ(screen.State().Word(WordOfGap(0)).text, "x");
    for (int i = 0; i < limit + 2; ++i) {
        screen.btn_dn->Click();
    }
    EXPECT_EQ(screen.ScrollPosition(), limit);
    EXPECT_TRUE(screen.btn_dn->isHidden());
    EXPECT_FALSE(screen.btn_up->isHidden());
    // A gap scrolled out of view is not opened by Tab: the editor closes.
    screen.DXRamka->repaint();
    const std::size_t last = screen.GapAreas().size() - 1;
    ClickGap(static_cast<int>(last));
    ASSERT_TRUE(screen.Edit1->isVisible());
    test::PressKey(screen, Qt::Key_Tab);
    EXPECT_FALSE(screen.Edit1->isVisible());
    EXPECT_EQ(OpenWord(), -1);
    for (int i = 0; i < limit + 2; ++i) {
        screen.btn_up->Click();
    }
    EXPECT_EQ(screen.ScrollPosition(), 0);
    EXPECT_TRUE(screen.btn_up->isHidden());
}

TEST_F(TypingScreenTest, LeavingTheNextRoundUnmarkedGivesNothing) {
    Open();
    ClickGap(0);
    Type("cat");
    screen.btn_sprawdz->Click();
    EXPECT_EQ(screen.State().RightCount(), 1);
    screen.lbl_jeszcze_raz->Click();
    EXPECT_FALSE(screen.State().Marked());
    screen.DXRamka->repaint();
    EXPECT_EQ(screen.State().Word(WordOfGap(0)).text, ""); // read anew
    EXPECT_EQ(Leave(), "Punkty: 0");
    EXPECT_TRUE(RecordedAsDone(0));
}

TEST_F(TypingScreenTest, AMissingOrFaultyFileIsReportedAndTheScreenStaysClosed) {
    UseLesson({.code = 37, .body = "37#nothing"});
    EXPECT_FALSE(screen.Load());
    Use("szer_px=sixty\nt\np\nA &cat.\n");
    EXPECT_FALSE(screen.Load());
    EXPECT_EQ(messages.Messages(),
              (std::vector<std::string>{
                  "St.t record 1: wpisywania\\nothing.fcs: the file cannot be read.",
                  "St.t record 1: wpisywania\\kot.fcs, line 1: the gap width: 'sixty' is not a "
                  "valid integer value"}));
    EXPECT_FALSE(screen.isVisible());
}

} // namespace
} // namespace lumora
