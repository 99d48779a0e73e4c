#include "course/course_data.h"
#include "elements/information_screen.h"
#include "platform/message_box.h"
#include "platform/ui/timer.h"
#include "qt_test_app.h"
#include "temp_folder.h"

#include <QImage>

#include <filesystem>

namespace lumora {
namespace {

class InformationScreen : public test::WidgetTest {
  protected:
    InformationScreen() {
        course.DataRoot = dir.Path();
        dir.MakeFolder("gfx");
        QImage background(448, 225, QImage::Format_RGB32);
        background.fill(Qt::lightGray);
        background.save(QString::fromStdString(dir / "gfx/polecenie.bmp"), "BMP");
    }

    // Shows the text and paints it once, as the display would.
    void ShowText(const std::string& text) {
        screen.HelpText = text;
        test::ShowAndWait(screen);
        screen.grab();
    }
    static std::string Lines(int n) {
        std::string text = "Line 1";
        for (int i = 2; i <= n; ++i) {
            text += " <br> Line " + std::to_string(i);
        }
        return text;
    }

    CourseData course;
    TestClock clock;
    test::TempFolder dir;
    TInformacjaForm screen{course};
};

TEST_F(InformationScreen, ShortTextNeedsNoArrows) {
    ShowText("Kliknij [iko_pomoc] aby usłyszeć polecenie.");
    EXPECT_TRUE(screen.Image2->HasImage());
    EXPECT_FALSE(screen.btn_up->isVisible());
    EXPECT_FALSE(screen.btn_dn->isVisible());
}

TEST_F(InformationScreen, ThreeMoreLinesTakeThreeStepsDown) {
    ShowText(Lines(11));
    EXPECT_FALSE(screen.btn_up->isVisible());
    ASSERT_TRUE(screen.btn_dn->isVisible());
    test::MouseClick(*screen.btn_dn, {10, 10});
    EXPECT_TRUE(screen.btn_up->isVisible());
    EXPECT_TRUE(screen.btn_dn->isVisible());
    test::MouseClick(*screen.btn_dn, {10, 10});
    test::MouseClick(*screen.btn_dn, {10, 10});
    EXPECT_FALSE(screen.btn_dn->isVisible());
    EXPECT_EQ(screen.Page().HelpScrollLine, 3);
    test::MouseClick(*screen.btn_up, {10, 10});
    EXPECT_TRUE(screen.btn_dn->isVisible());
    EXPECT_EQ(screen.Page().HelpScrollLine, 2);
}

TEST_F(InformationScreen, HeldArrowScrollsAfter400AndEvery60) {
    ShowText(Lines(20));
    test::MouseDown(*screen.btn_dn, {10, 10});
    clock.Advance(399);
    EXPECT_EQ(screen.Page().HelpScrollLine, 0);
    clock.Advance(121);
    EXPECT_EQ(screen.Page().HelpScrollLine, 3);
    test::MouseUp(*screen.btn_dn, {10, 10});
    EXPECT_EQ(screen.Page().HelpScrollLine, 4);
}

TEST_F(InformationScreen, EnterClosesOnlyWhileTheCloseMarkIsShownEscAlways) {
    ShowText("Tekst");
    screen.B_OK->hide();
    test::PressKey(screen, Qt::Key_Return);
    EXPECT_TRUE(screen.isVisible());
    test::PressKey(screen, Qt::Key_Escape);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_FALSE(screen.Image2->HasImage());

    screen.B_OK->show();
    ShowText("Tekst");
    test::PressKey(screen, Qt::Key_Enter);
    EXPECT_FALSE(screen.isVisible());
}

TEST_F(InformationScreen, DraggedByTheHandleAndCentredOnTheNextShowing) {
    ShowText("Tekst");
    const QPoint start = screen.pos();
    test::MouseDown(*screen.Label1, {10, 10});
    test::MouseMoveTo(*screen.Label1, {30, 25});
    test::MouseUp(*screen.Label1, {10, 10});
    EXPECT_EQ(screen.pos(), start + QPoint(20, 15));
    test::MouseMoveTo(*screen.Label1, {50, 30}); // no button held: no drag
    EXPECT_EQ(screen.pos(), start + QPoint(20, 15));
    screen.Close();
    ShowText("Tekst");
    EXPECT_EQ(screen.pos(), start);
}

TEST_F(InformationScreen, OverlongTextIsCutWithOneMessageAndStillShown) {
    MessageRecorder messages;
    std::string text;
    for (int i = 0; i < 6000; ++i) {
        text += "słowo ";
    }
    ShowText(text);
    EXPECT_EQ(messages.Messages(), std::vector<std::string>{"Zbyt duza liczba wyrazów!"});
    EXPECT_EQ(screen.Page().HelpWordCount(), 5000);
    EXPECT_TRUE(screen.btn_dn->isVisible());
}

TEST_F(InformationScreen, MissingBackgroundIsReportedAndTheScreenWorks) {
    MessageRecorder messages;
    std::filesystem::remove(dir / "gfx/polecenie.bmp");
    ShowText(Lines(11));
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_NE(messages.Messages()[0].find("polecenie.bmp"), std::string::npos);
    test::MouseClick(*screen.btn_dn, {10, 10});
    EXPECT_EQ(screen.Page().HelpScrollLine, 1);
    test::MouseClick(*screen.B_OK, {5, 5});
    EXPECT_FALSE(screen.isVisible());
}

} // namespace
} // namespace lumora
