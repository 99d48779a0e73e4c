// The program by keys alone, from a fresh install: a first learner created on
// the login, the main menu's topics, a topic's lessons; and what screen readers
// meet on those screens. Only key events are sent (no mouse), except where a
// test moves the mouse on purpose.
#include "accessible_tree.h"
#include "platform/text_file.h"
#include "platform/ui/keyboard_mode.h"
#include "program_screens.h"

#include <QApplication>
#include <QTest>

namespace lumora {
namespace {

class KeyboardWalk : public test::ProgramScreens {
  protected:
    KeyboardWalk() {
        SetKeyboardMode(false);
        // Away from every screen, so no control starts under the pointer.
        QCursor::setPos(0, 0);
    }
    ~KeyboardWalk() override { SetKeyboardMode(false); }

    static void Type(QWidget& window, const std::string& text) {
        for (char c : text) {
            QTest::keyClick(window.windowHandle(), c);
        }
    }

    static QWidget* Focused() { return QApplication::focusWidget(); }

    // Shows a screen as the program does and waits until it has the keys.
    static void ShowInFront(Form& form) {
        form.Show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    // The login of a fresh install, left with a new learner "Eve" by keys.
    void CreateTheFirstLearnerByKeys() {
        TForm9& login = *screens->Form9;
        ShowInFront(login);
        ASSERT_EQ(Focused(), login.ComboBox1) << "the list has the keys from the start";
        test::PressKey(login, Qt::Key_Tab);
        ASSERT_EQ(Focused(), login.B_Nowy) << "the hidden OK button is no stop";
        EXPECT_FALSE(login.FocusMark().isEmpty());
        TForm10& newUser = *screens->Form10;
        test::WhenIdle([&] {
            EXPECT_TRUE(QTest::qWaitForWindowActive(&newUser));
            EXPECT_EQ(Focused(), newUser.Edit1);
            Type(newUser, "Eve");
            // The welcome text closes by Enter.
            test::WhenIdle([&] { test::PressKey(*screens->InformacjaForm, Qt::Key_Return); });
            test::PressKey(newUser, Qt::Key_Return);
        });
        test::PressKey(login, Qt::Key_Return);
    }
};

TEST_F(KeyboardWalk, FromAFreshInstallToALessonByKeysAlone) {
    Start();
    CreateTheFirstLearnerByKeys();
    ASSERT_TRUE(screens->Form9->LoggedIn());
    EXPECT_EQ(Run().CurrentUserName, "Eve");
    EXPECT_EQ(builder.Folder().ReadBytes("user/usr.t"), "1=Eve\r\n");

    // The menu opens on its first topic, lit as under the mouse; the arrows
    // go by the pictures' places to the geography topic.
    TForm1& menu = *screens->Form1;
    ShowInFront(menu);
    EXPECT_EQ(Focused(), menu.TopicPictures[0]);
    test::PressKey(menu, Qt::Key_Left);
    EXPECT_EQ(Focused(), menu.TopicPictures[1]);
    test::PressKey(menu, Qt::Key_Left);
    ASSERT_EQ(Focused(), menu.TopicPictures[2]);
    EXPECT_EQ(menu.FrameShown(3), HoverInFrames(3).back());
    EXPECT_EQ(menu.FrameShown(2), HoverOutFrames(2).back()) << "the topic left is at rest";
    test::PressKey(menu, Qt::Key_Return);
    EXPECT_EQ(Lesson().CurrentTopic, "miejsca");

    // The topic screen starts on its first lesson, described as on hover.
    TSecondForm& topic = *screens->SecondForm;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&topic));
    topic.PaintBox1->grab();
    ASSERT_EQ(Focused(), topic.PaintBox1);
    ASSERT_EQ(topic.LessonKeys().Count(), 7);
    EXPECT_EQ(topic.LessonKeys().Current(), 0);
    EXPECT_TRUE(topic.lbl_opis->isVisible());
    test::PressKey(topic, Qt::Key_Down);
    EXPECT_EQ(topic.LessonKeys().Current(), 1);
    test::PressKey(topic, Qt::Key_End);
    EXPECT_EQ(topic.lbl_opis->Caption(), "hint 64");
    const TopicHitArea& drag = topic.HitAreas()[6];
    EXPECT_TRUE(topic.FocusMark().contains(
        topic.PaintBox1->mapTo(&topic, QPoint(drag.left + 1, drag.top + 1))));
    {
        MessageRecorder messages; // the test course has no content for the lesson
        test::PressKey(topic, Qt::Key_Return);
    }
    EXPECT_EQ(Lesson().CurrentRow, 7);

    // Tab reaches the topic's other buttons; Escape goes back to the menu.
    test::PressKey(topic, Qt::Key_Tab);
    EXPECT_EQ(Focused(), topic.btn_polecenie);
    test::PressKey(topic, Qt::Key_Escape);
    EXPECT_FALSE(topic.isVisible());
}

TEST_F(KeyboardWalk, TabReachesTheMenusOtherButtonsAndEscapeAsksToEnd) {
    Start();
    TForm1& menu = *screens->Form1;
    ShowInFront(menu);
    test::PressKey(menu, Qt::Key_Right);
    ASSERT_EQ(Focused(), menu.TopicPictures[0]) << "the first arrow goes to the first topic";
    std::vector<QWidget*> visited;
    for (int i = 0; i < 7; ++i) {
        test::PressKey(menu, Qt::Key_Tab);
        visited.push_back(Focused());
    }
    const std::vector<QWidget*> expected = {menu.lbl_najlepsi,    menu.btn_www,   menu.lbl_opcje,
                                            menu.btn_www2,        menu.lbl_about, menu.k_koniec,
                                            menu.TopicPictures[0]};
    EXPECT_EQ(visited, expected) << "reading order: top to bottom, left to right";
    test::WhenIdle([&] { test::PressKey(*screens->QuestionForm, Qt::Key_Escape); });
    test::PressKey(menu, Qt::Key_Escape);
    EXPECT_EQ(screens->QuestionForm->Label1->Caption(), "text 3");
    EXPECT_FALSE(menu.EndConfirmed()) << "No was answered";
}

TEST_F(KeyboardWalk, AMouseMoveHidesTheFocusMarkAndTheScreenLooksAsBefore) {
    Start();
    TForm9& login = *screens->Form9;
    ShowInFront(login);
    const QImage before = login.grab().toImage();
    test::PressKey(login, Qt::Key_Tab);
    test::PressKey(login, Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(Focused(), login.ComboBox1);
    EXPECT_FALSE(login.FocusMark().isEmpty());
    EXPECT_NE(login.grab().toImage(), before);
    test::MouseMoveTo(login, {5, 5});
    EXPECT_FALSE(KeyboardModeOn());
    EXPECT_TRUE(login.FocusMark().isEmpty());
    EXPECT_EQ(login.grab().toImage(), before);
}

// Screen readers: every screen a window named by its role, everything in it
// named. A lesson screen is read the same way: open it, then ReadScreen.
class AccessibleScreens : public test::ProgramScreens {
  protected:
    // The screen's tree as a screen reader meets it, checked for a window of
    // that name with nothing unnamed in it.
    std::vector<test::AccessibleNode> ReadScreen(Form& screen, const std::string& title) {
        const auto tree = test::AccessibleTree(screen);
        EXPECT_FALSE(tree.empty());
        if (!tree.empty()) {
            EXPECT_EQ(tree.front().name, title);
            EXPECT_TRUE(tree.front().role == QAccessible::Window ||
                        tree.front().role == QAccessible::Dialog);
        }
        EXPECT_TRUE(test::Unnamed(tree).empty()) << test::DescribeTree(tree);
        return tree;
    }
};

TEST_F(AccessibleScreens, TheLoginTheMenuAndATopicAreNamedInPolish) {
    WriteUsers("1=Ann\n2=Bob\n");
    Start();
    test::ShowAndWait(*screens->Form9);
    const auto login = ReadScreen(*screens->Form9, "Logowanie");
    EXPECT_EQ(test::CountOf(login, QAccessible::List, "Uczniowie"), 1);
    EXPECT_EQ(test::CountOf(login, QAccessible::ListItem, "Bob"), 1);
    for (const char* button : {"hint 29", "hint 30", "hint 31"}) {
        EXPECT_EQ(test::CountOf(login, QAccessible::Button, button), 1) << button;
    }

    test::ShowAndWait(*screens->Form1);
    const auto menu = ReadScreen(*screens->Form1, "Menu główne");
    for (int hint = 1; hint <= 12; ++hint) {
        EXPECT_EQ(test::CountOf(menu, QAccessible::Button, "hint " + std::to_string(hint)), 1);
    }
    EXPECT_EQ(test::CountOf(menu, QAccessible::Button, "Koniec programu"), 1);
    EXPECT_EQ(test::CountOf(menu, QAccessible::Link, "Pomoc"), 1);

    TSecondForm& topic = PaintedPlacesTopic();
    const auto places = ReadScreen(topic, "Temat: hint 3");
    EXPECT_EQ(test::CountOf(places, QAccessible::List, "Ćwiczenia"), 1);
    EXPECT_EQ(std::count_if(places.begin(), places.end(),
                            [](const auto& n) { return n.role == QAccessible::ListItem; }),
              7);
    EXPECT_EQ(test::CountOf(places, QAccessible::ListItem, "Drag, hint 64"), 1)
        << test::DescribeTree(places);
    EXPECT_EQ(test::CountOf(places, QAccessible::Button, "Powrót do menu"), 1);
}

} // namespace
} // namespace lumora
