#include "platform/message_box.h"
#include "screen_course.h"
#include "shell/backdrop.h"
#include "shell/message_screen.h"
#include "shell/question_screen.h"

#include <QScreen>

#include <filesystem>

namespace lumora {
namespace {

class QuestionScreen : public test::ScreenCourse {
  protected:
    TQuestionForm screen{course};

    // Shows the question modally, answers it with `answer` and returns the Tag.
    int Ask(const std::function<void()>& answer) {
        screen.Label1->SetCaption("Czy na pewno?");
        test::WhenIdle(answer);
        screen.ShowModal();
        return screen.Tag;
    }
};

TEST_F(QuestionScreen, EnterAnswersYesEscapeNo) {
    EXPECT_EQ(Ask([this] { test::PressKey(screen, Qt::Key_Return); }), 1);
    EXPECT_EQ(Ask([this] { test::PressKey(screen, Qt::Key_Escape); }), 0);
    EXPECT_EQ(Ask([this] { test::PressKey(screen, Qt::Key_Enter); }), 1);
}

TEST_F(QuestionScreen, ButtonsAnswerAndAnyOtherCloseIsNo) {
    EXPECT_EQ(Ask([this] { test::MouseClick(*screen.B_OK, {16, 16}); }), 1);
    EXPECT_EQ(Ask([this] { test::MouseClick(*screen.B_Zamknij, {16, 16}); }), 0);
    EXPECT_EQ(Ask([this] { screen.Close(); }), 0);
    EXPECT_FALSE(screen.Image1->HasImage());
}

TEST_F(QuestionScreen, LaidOutWithHintsAndTheBackgroundSize) {
    screen.Show();
    EXPECT_EQ(screen.Image1->size(), QSize(246, 138));
    EXPECT_EQ(screen.B_OK->toolTip(), QStringLiteral("Tak"));
    EXPECT_EQ(screen.B_Zamknij->toolTip(), QStringLiteral("Nie"));
    EXPECT_EQ(screen.B_Zamknij->BitmapNormal(), 5);
    EXPECT_EQ(screen.B_Zamknij->pos(), QPoint(179, 97));
    screen.Close();
}

TEST_F(QuestionScreen, MissingBackgroundIsReportedAndTheButtonsStillWork) {
    MessageRecorder messages;
    std::filesystem::remove(builder.DataRoot() + "gfx/question1.bmp");
    EXPECT_EQ(Ask([this] { test::MouseClick(*screen.B_OK, {16, 16}); }), 1);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_NE(messages.Messages()[0].find("question1.bmp"), std::string::npos);
}

class MessageScreen : public test::ScreenCourse {
  protected:
    TForm20 screen{course};
};

TEST_F(MessageScreen, EscapeClosesEnterOnlyWhileTheCloseAreaIsShown) {
    screen.Label1->SetCaption("Podaj imię.");
    test::ShowAndWait(screen);
    EXPECT_TRUE(screen.img_tlo->HasImage());
    screen.B_OK->hide();
    test::PressKey(screen, Qt::Key_Return);
    EXPECT_TRUE(screen.isVisible());
    test::PressKey(screen, Qt::Key_Escape);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_FALSE(screen.img_tlo->HasImage());

    screen.B_OK->show();
    test::WhenIdle([this] { test::PressKey(screen, Qt::Key_Return); });
    screen.ShowModal();
    EXPECT_FALSE(screen.isVisible());
}

TEST_F(MessageScreen, CloseAreaClosesIt) {
    test::ShowAndWait(screen);
    test::MouseClick(*screen.B_OK, {10, 10});
    EXPECT_FALSE(screen.isVisible());
}

class Backdrop : public test::WidgetTest {};

// Without a window manager nothing carries out a full-screen request, so the
// backdrop sizes itself to the screen.
TEST_F(Backdrop, CoversTheWholeScreenItIsOnAndTakesNoInput) {
    TPodkladForm backdrop;
    backdrop.resize(640, 480);
    backdrop.CoverScreen();
    ASSERT_NE(backdrop.screen(), nullptr);
    EXPECT_EQ(backdrop.geometry(), backdrop.screen()->geometry());
    backdrop.resize(640, 480);
    backdrop.ShowBehind();
    EXPECT_TRUE(backdrop.isVisible());
    EXPECT_EQ(backdrop.geometry(), backdrop.screen()->geometry());
    EXPECT_FALSE(backdrop.isEnabled());
}

} // namespace
} // namespace lumora
