#include "platform/ui/dragging.h"
#include "platform/ui/form.h"
#include "platform/ui/label.h"
#include "qt_test_app.h"

#include <QCursor>
#include <QGuiApplication>
#include <QTest>

namespace lumora {
namespace {

using test::MouseDown;
using test::MouseMoveTo;
using test::MouseUp;

Qt::CursorShape OverrideShape() {
    const QCursor* c = QGuiApplication::overrideCursor();
    return c == nullptr ? Qt::BitmapCursor : c->shape();
}

// A 400 x 300 form: a background that accepts everywhere, a box at the right
// that refuses, and two 40 x 16 word labels, the second over the first.
class Drag : public test::WidgetTest {
  protected:
    void SetUp() override {
        background->SetBounds(0, 0, 400, 300);
        refusing->SetBounds(300, 0, 100, 300);
        for (Label* l : {word, other}) {
            l->SetBounds(l == word ? 10 : 20, 10, 40, 16);
            dragging->AddSource(*l);
            dragging->AddTarget(*l);
        }
        dragging->AddTarget(*background);
        dragging->AddTarget(*refusing, [](QWidget&) { return false; });
        dragging->FollowOffset = {9, 0};
        dragging->OnStartDrag = [this](QWidget& w) {
            events += "start " + Name(&w) + "; ";
            return allow;
        };
        dragging->OnDragOver = [this](QWidget&, QWidget* target, QPoint at) {
            overs.push_back({target, at});
        };
        dragging->OnEndDrag = [this](QWidget& w, QWidget* target, QPoint at) {
            events += "end " + Name(&w) + " on " + Name(target) + " at " + std::to_string(at.x()) +
                      "," + std::to_string(at.y()) + "; ";
        };
        test::ShowAndWait(form);
    }
    std::string Name(const QWidget* w) const {
        return w == word         ? "word"
               : w == other      ? "other"
               : w == background ? "background"
               : w == refusing   ? "refusing"
               : w == nullptr    ? "nothing"
                                 : "?";
    }

    Form form{400, 300};
    Control* background = new Control(&form);
    Control* refusing = new Control(&form);
    Label* word = new Label(&form);
    Label* other = new Label(&form);
    Dragging* dragging = new Dragging(form);
    bool allow = true;
    std::string events;
    std::vector<std::pair<QWidget*, QPoint>> overs;
};

TEST_F(Drag, TheWordFollowsThePointerAndDropsWhereItIsReleased) {
    MouseDown(form, {15, 15});
    EXPECT_EQ(dragging->Dragged(), word);
    // At once under the pointer, then with every move.
    EXPECT_EQ(word->pos(), QPoint(15 - 20 + 9, 15 - 8));
    for (int x = 20; x <= 200; x += 20) {
        MouseMoveTo(form, {x, x / 2});
        EXPECT_EQ(word->pos(), QPoint(x - 20 + 9, x / 2 - 8));
    }
    MouseUp(form, {200, 100});
    EXPECT_EQ(events, "start word; end word on word at 200,100; ");
    EXPECT_EQ(dragging->Dragged(), nullptr);
    ASSERT_EQ(overs.size(), 11u);
    EXPECT_EQ(overs.back().second, QPoint(200, 100));
    // Released, the word stays where it was dropped and no longer follows.
    MouseMoveTo(form, {250, 250});
    EXPECT_EQ(word->pos(), QPoint(189, 92));
}

TEST_F(Drag, TheDraggedWordComesToTheFront) {
    // Pressed where the two overlap, the upper one is dragged; then the
    // lower one, pressed where it shows, rises above it.
    MouseDown(form, {25, 15});
    MouseUp(form, {100, 200});
    MouseDown(form, {15, 15});
    EXPECT_EQ(dragging->Dragged(), word);
    EXPECT_EQ(form.childAt(QPoint(15, 15)), word);
    MouseUp(form, {100, 200});
    EXPECT_EQ(form.childAt(QPoint(100, 200)), word);
    EXPECT_EQ(events, "start other; end other on other at 100,200; "
                      "start word; end word on word at 100,200; ");
}

TEST_F(Drag, ARefusingTargetKeepsTheWordBackAndShowsTheRefusal) {
    MouseDown(form, {15, 15});
    EXPECT_EQ(OverrideShape(), Qt::PointingHandCursor);
    MouseMoveTo(form, {250, 50});
    const QPoint before = word->pos();
    // The pointer leaves the word behind over the refusing box.
    MouseMoveTo(form, {350, 150});
    EXPECT_EQ(word->pos(), before);
    EXPECT_EQ(overs.back().first, nullptr);
    EXPECT_EQ(OverrideShape(), Qt::ForbiddenCursor);
    MouseUp(form, {350, 150});
    EXPECT_EQ(events, "start word; end word on nothing at 350,150; ");
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(Drag, ARefusedStartLeavesTheWordAlone) {
    allow = false;
    MouseDown(form, {15, 15});
    MouseMoveTo(form, {100, 100});
    MouseUp(form, {100, 100});
    EXPECT_EQ(events, "start word; ");
    EXPECT_EQ(word->pos(), QPoint(10, 10));
    EXPECT_TRUE(overs.empty());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(Drag, ALostReleaseOrAHiddenWordEndsTheDrag) {
    MouseDown(form, {15, 15});
    // A move without the button: the release happened where the window
    // could not see it.
    QTest::mouseMove(form.windowHandle(), QPoint(120, 60));
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(120, 60), QPointF(120, 60),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(word, &move);
    EXPECT_EQ(dragging->Dragged(), nullptr);
    EXPECT_EQ(events, "start word; end word on word at 120,60; ");

    events.clear();
    MouseDown(form, {120, 60});
    word->hide();
    EXPECT_EQ(dragging->Dragged(), nullptr);
    EXPECT_EQ(events, "start word; end word on nothing at 120,60; ");
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(Drag, KeysOrTestsCanDriveTheSameDrag) {
    ASSERT_TRUE(dragging->Begin(*other, {30, 20}));
    EXPECT_FALSE(dragging->Begin(*word, {30, 20}));
    dragging->MoveTo({60, 40});
    EXPECT_EQ(other->pos(), QPoint(49, 32));
    dragging->End({60, 40});
    EXPECT_EQ(events, "start other; end other on other at 60,40; ");
}

} // namespace
} // namespace lumora
