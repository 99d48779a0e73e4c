// Screens by keys alone: the moves of Tab and the arrows, the keyboard mode
// and its focus ring, and what screen readers are told.
#include "platform/ui/accessibility.h"
#include "platform/ui/edit_box.h"
#include "platform/ui/focus_ring.h"
#include "platform/ui/form.h"
#include "platform/ui/keyboard_grid.h"
#include "platform/ui/keyboard_navigation.h"
#include "platform/ui/label.h"
#include "platform/ui/paint_box.h"
#include "platform/ui/picture.h"
#include "qt_test_app.h"

#include <QAccessible>
#include <QApplication>

namespace lumora {
namespace {

TEST(GridSteps, AListStopsAtItsEndsOrWrapsRound) {
    EXPECT_EQ(GridStep(0, 3, 1, Qt::Key_Down, false), 1);
    EXPECT_EQ(GridStep(2, 3, 1, Qt::Key_Down, false), 2);
    EXPECT_EQ(GridStep(2, 3, 1, Qt::Key_Down, true), 0);
    EXPECT_EQ(GridStep(0, 3, 1, Qt::Key_Up, true), 2);
    EXPECT_EQ(GridStep(1, 3, 1, Qt::Key_Right, false), 2) << "Left and Right move in a list too";
    EXPECT_EQ(GridStep(1, 3, 1, Qt::Key_Home, false), 0);
    EXPECT_EQ(GridStep(1, 3, 1, Qt::Key_End, false), 2);
    EXPECT_EQ(GridStep(-1, 3, 1, Qt::Key_Down, false), 0) << "the first move from none";
    EXPECT_EQ(GridStep(-1, 3, 1, Qt::Key_Up, false), 2);
    EXPECT_EQ(GridStep(1, 3, 1, Qt::Key_A, false), -1) << "not a move";
    EXPECT_EQ(GridStep(-1, 0, 1, Qt::Key_Down, false), -1) << "nothing to move to";
}

TEST(GridSteps, RowsOfColumnsWithARaggedLastRow) {
    // 0 1 2
    // 3 4
    EXPECT_EQ(GridStep(1, 5, 3, Qt::Key_Down, false), 4);
    EXPECT_EQ(GridStep(2, 5, 3, Qt::Key_Down, false), 2) << "nothing below";
    EXPECT_EQ(GridStep(4, 5, 3, Qt::Key_Up, false), 1);
    EXPECT_EQ(GridStep(2, 5, 3, Qt::Key_Right, false), 3) << "on into the next row";
    EXPECT_EQ(GridStep(4, 5, 3, Qt::Key_Down, true), 1) << "back to the top of its column";
    EXPECT_EQ(GridStep(2, 5, 3, Qt::Key_Up, true), 2) << "column 2 has one item";
    EXPECT_EQ(GridStep(0, 5, 3, Qt::Key_Up, true), 3);
}

TEST(GridSteps, RefusedItemsAreSteppedOver) {
    const auto odd = [](int i) { return i % 2 == 1; };
    EXPECT_EQ(GridStep(1, 6, 1, Qt::Key_Down, false, odd), 3);
    EXPECT_EQ(GridStep(5, 6, 1, Qt::Key_Down, false, odd), 5);
    EXPECT_EQ(GridStep(5, 6, 1, Qt::Key_Down, true, odd), 1);
    EXPECT_EQ(GridStep(-1, 6, 1, Qt::Key_Home, false, odd), 1);
    EXPECT_EQ(GridStep(3, 6, 1, Qt::Key_Down, false, [](int i) { return i == 3; }), 3);
}

TEST(TabOrder, RowsTopToBottomThenLeftToRight) {
    // Two buttons on a row, the right one 4 px higher; a wide field below.
    const std::vector<QRect> places = {{10, 100, 200, 20}, {120, 10, 30, 30}, {10, 14, 30, 30}};
    EXPECT_EQ(ReadingOrder(places), (std::vector<int>{2, 1, 0}));
}

TEST(TabOrder, ArrowsGoToTheNearestPlaceThatWay) {
    // A 3 x 2 board with the lower row shifted right.
    const std::vector<QRect> places = {{0, 0, 10, 10},   {20, 0, 10, 10},  {40, 0, 10, 10},
                                       {10, 20, 10, 10}, {30, 20, 10, 10}, {50, 20, 10, 10}};
    EXPECT_EQ(NearestInDirection(places, 0, Qt::Key_Right), 1);
    EXPECT_EQ(NearestInDirection(places, 2, Qt::Key_Right), 5);
    EXPECT_EQ(NearestInDirection(places, 5, Qt::Key_Right), -1);
    EXPECT_EQ(NearestInDirection(places, 1, Qt::Key_Down), 3);
    EXPECT_EQ(NearestInDirection(places, 4, Qt::Key_Up), 1);
    EXPECT_EQ(NearestInDirection(places, 0, Qt::Key_Up), -1);
    EXPECT_EQ(NearestInDirection(places, 0, Qt::Key_Space), -1);
}

// A screen with three buttons made out of reading order, a text field, a
// background picture, a plain text, a hidden button and a painted list.
class KeyForm : public Form {
  public:
    KeyForm() : Form(300, 200) {
        background = new Picture(this);
        background->SetBounds(0, 0, 300, 200);
        right = Button(200, 10, "Dalej");
        left = Button(10, 12, "Wstecz");
        field = new EditBox(this);
        field->SetBounds(10, 60, 120, 20);
        field->setAccessibleName("Imię");
        hidden = Button(150, 10, "Ukryty");
        hidden->hide();
        text = new Label(this);
        text->SetBounds(10, 170, 100, 20);
        text->SetCaption("Wybierz\r\nodpowiedź");
        list = new PaintBox(this);
        list->SetBounds(150, 60, 100, 90);
        list->setAccessibleName("Odpowiedzi");
        grid = std::make_unique<KeyboardGrid>(*list);
        grid->SetCount(3);
        grid->ItemRect = [](int i) { return QRect(0, 30 * i, 100, 30); };
        grid->ItemName = [](int i) { return "odpowiedź " + std::to_string(i + 1); };
        grid->OnMove = [this](int i) { log += "move:" + std::to_string(i) + " "; };
        grid->OnActivate = [this](int i) { log += "pick:" + std::to_string(i) + " "; };
    }

    Label* Button(int x, int y, const std::string& hint) {
        auto* button = new Label(this);
        button->SetBounds(x, y, 30, 30);
        SetHint(*button, hint);
        button->OnClick = [this, hint] { log += "click:" + hint + " "; };
        return button;
    }

    std::string log;
    bool escapeTaken = false;
    Picture* background;
    Label* right;
    Label* left;
    Label* hidden;
    Label* text;
    EditBox* field;
    PaintBox* list;
    std::unique_ptr<KeyboardGrid> grid;

  protected:
    void FormKeyDown(int& key, Qt::KeyboardModifiers) override {
        if (key == Qt::Key_Escape && escapeTaken) {
            log += "screen-escape ";
            key = 0;
        }
    }
};

class Keyboard : public test::WidgetTest {
  protected:
    Keyboard() {
        SetKeyboardMode(false);
        form.OnEscape = [this] { form.log += "exit "; };
        test::ShowAndWait(form);
        form.activateWindow();
        QApplication::processEvents();
        // The window gave its edit box the focus; the tests start from none.
        form.setFocus();
    }
    ~Keyboard() override { SetKeyboardMode(false); }

    void Tab(Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        test::PressKey(form, Qt::Key_Tab, modifiers);
    }

    KeyForm form;
};

TEST_F(Keyboard, TabVisitsTheStopsInReadingOrderAndShiftTabGoesBack) {
    const std::vector<QWidget*> order = {form.left, form.right, form.field, form.list};
    EXPECT_EQ(form.TabStops(), order) << "no picture, text or hidden button among them";
    for (QWidget* expected : order) {
        Tab();
        EXPECT_EQ(QApplication::focusWidget(), expected);
    }
    Tab();
    EXPECT_EQ(QApplication::focusWidget(), form.left) << "round again";
    Tab(Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), form.list);
    test::PressKey(form, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), form.field);
}

TEST_F(Keyboard, EnterOrSpacePressTheFocusedButtonAndEscapeRunsTheExit) {
    Tab();
    test::PressKey(form, Qt::Key_Return);
    Tab();
    test::PressKey(form, Qt::Key_Space);
    test::PressKey(form, Qt::Key_Escape);
    EXPECT_EQ(form.log, "click:Wstecz click:Dalej exit ");
}

TEST_F(Keyboard, KeysTheScreenUsesKeepTheirMeaning) {
    form.escapeTaken = true;
    test::PressKey(form, Qt::Key_Escape);
    EXPECT_EQ(form.log, "screen-escape ");
    form.log.clear();
    Tab();
    test::PressKey(form, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(form.log, "") << "Ctrl+Enter is no press";
    // Out of the keyboard mode a focused button is no longer pressed by keys.
    SetKeyboardMode(false);
    test::PressKey(form, Qt::Key_Space);
    EXPECT_EQ(form.log, "");
}

TEST_F(Keyboard, TheRingShowsOnlyInTheKeyboardModeAndAMouseMoveHidesIt) {
    test::MouseMoveTo(form, QPoint(5, 5));
    EXPECT_FALSE(KeyboardModeOn());
    form.left->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(form.FocusMark().isEmpty()) << "a focus given by the program shows no ring";
    const QImage before = form.grab().toImage();
    Tab(Qt::ShiftModifier);
    EXPECT_TRUE(KeyboardModeOn());
    ASSERT_EQ(QApplication::focusWidget(), form.list);
    const int out = FocusRing::kOutset + FocusRing::kWidth;
    EXPECT_EQ(form.FocusMark(), QRect(150 - out, 60 - out, 100 + 2 * out, 30 + 2 * out))
        << "round the current item";
    EXPECT_NE(form.grab().toImage(), before);
    test::MouseMoveTo(form, QPoint(40, 40));
    EXPECT_FALSE(KeyboardModeOn());
    EXPECT_TRUE(form.FocusMark().isEmpty());
    EXPECT_EQ(form.grab().toImage(), before) << "the mouse sees the screen as before";
}

TEST_F(Keyboard, ArrowsMoveThroughAGridAndTheRingFollows) {
    form.list->setFocus();
    SetKeyboardMode(true);
    test::PressKey(form, Qt::Key_Down);
    test::PressKey(form, Qt::Key_Down);
    test::PressKey(form, Qt::Key_Down);
    EXPECT_EQ(form.grid->Current(), 2);
    EXPECT_EQ(form.FocusMark().top(), 60 + 60 - FocusRing::kOutset - FocusRing::kWidth);
    test::PressKey(form, Qt::Key_Space);
    EXPECT_EQ(form.log, "move:0 move:1 move:2 pick:2 ")
        << "the first item became current with the focus";
}

TEST_F(Keyboard, TheFirstArrowGoesIntoAnArrowGroupThatArrowsMoveIn) {
    form.AddArrowGroup({form.left, form.right});
    test::PressKey(form, Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), form.left);
    test::PressKey(form, Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), form.right);
    test::PressKey(form, Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), form.right) << "nothing further right";
    Tab();
    EXPECT_EQ(QApplication::focusWidget(), form.field) << "the group is one stop";
    Tab(Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), form.right) << "back on the member left last";
}

// The accessible tree of a widget, one "role name" line per node.
void Describe(QAccessibleInterface* node, int depth, std::string& out) {
    out += std::string(static_cast<std::size_t>(depth) * 2, ' ') +
           std::to_string(static_cast<int>(node->role())) + " " +
           node->text(QAccessible::Name).toStdString() + "\n";
    for (int i = 0; i < node->childCount(); ++i) {
        Describe(node->child(i), depth + 1, out);
    }
}

TEST_F(Keyboard, ScreenReadersMeetNamedControlsAndPaintedItems) {
    form.SetAccessibleTitle("Pytanie");
    std::string tree;
    Describe(QAccessible::queryAccessibleInterface(&form), 0, tree);
    const auto line = [](QAccessible::Role role, const std::string& name) {
        return std::to_string(static_cast<int>(role)) + " " + name + "\n";
    };
    EXPECT_EQ(tree, line(QAccessible::Window, "Pytanie") + "  " +
                        line(QAccessible::Button, "Dalej") + "  " +
                        line(QAccessible::Button, "Wstecz") + "  " +
                        line(QAccessible::EditableText, "Imię") + "  " +
                        line(QAccessible::StaticText, "Wybierz odpowiedź") + "  " +
                        line(QAccessible::List, "Odpowiedzi") + "    " +
                        line(QAccessible::ListItem, "odpowiedź 1") + "    " +
                        line(QAccessible::ListItem, "odpowiedź 2") + "    " +
                        line(QAccessible::ListItem, "odpowiedź 3"));
    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(form.left);
    ASSERT_NE(button->actionInterface(), nullptr);
    button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(form.log, "click:Wstecz ");
}

TEST_F(Keyboard, MovesAmongPaintedItemsAreAnnounced) {
    std::vector<std::string> heard;
    const auto previous = ListenToAnnouncements([&heard](QAccessibleEvent& event) {
        if (event.type() == QAccessible::Focus) {
            heard.push_back(event.accessibleInterface()->text(QAccessible::Name).toStdString());
        }
    });
    Tab();
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(form.left)->state().focused);
    form.list->setFocus(Qt::TabFocusReason);
    SetKeyboardMode(true);
    test::PressKey(form, Qt::Key_Down);
    ListenToAnnouncements(previous);
    const std::vector<std::string> expected = {"odpowiedź 1", "odpowiedź 2"};
    EXPECT_EQ(heard, expected);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(form.list);
    ASSERT_NE(list->focusChild(), nullptr);
    EXPECT_EQ(list->focusChild()->text(QAccessible::Name).toStdString(), "odpowiedź 2");
}

} // namespace
} // namespace lumora
