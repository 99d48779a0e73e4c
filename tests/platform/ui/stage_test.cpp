#include "platform/ui/form.h"
#include "platform/ui/stage.h"
#include "qt_test_app.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <QWindow>

namespace lumora {
namespace {

class KeyForm : public Form {
  public:
    KeyForm(int width, int height) : Form(width, height) { SetKeyPreview(true); }
    std::string keys;

  protected:
    void FormKeyDown(int& key, Qt::KeyboardModifiers) override {
        keys += std::to_string(key) + " ";
    }
};

class StageTest : public test::WidgetTest {
  protected:
    StageTest() {
        host.setWindowFlag(Qt::FramelessWindowHint);
        host.setGeometry(0, 0, 1030, 770);
    }
    QWidget host;
    Stage stage{host};
    KeyForm screen{800, 600};
    KeyForm dialog{277, 134};
};

TEST_F(StageTest, ScreensAreChildWindowsCentredOnTheGrid) {
    EXPECT_EQ(Stage::Current(), &stage);
    host.show();
    screen.Show();
    ASSERT_NE(screen.windowHandle(), nullptr);
    EXPECT_EQ(screen.windowHandle()->parent(), host.windowHandle());
    // (1030 - 800) / 2 = 115 and (770 - 600) / 2 = 85, each taken down to a
    // multiple of 4 so a scaled position is a whole device pixel.
    EXPECT_EQ(screen.pos(), QPoint(112, 84));
    EXPECT_EQ(stage.CentredPosition({277, 134}), QPoint(376, 316));
}

TEST_F(StageTest, TheLastShownVisibleScreenIsInFront) {
    host.show();
    EXPECT_EQ(stage.Front(), nullptr);
    screen.Show();
    dialog.Show();
    EXPECT_EQ(stage.Front(), &dialog);
    dialog.hide();
    EXPECT_EQ(stage.Front(), &screen);
    dialog.Show();
    screen.Show();
    EXPECT_EQ(stage.Front(), &screen);
    screen.hide();
    EXPECT_EQ(stage.Front(), &dialog);
}

TEST_F(StageTest, KeysThatReachTheBackdropGoToTheScreenInFront) {
    host.show();
    screen.Show();
    dialog.Show();
    QTest::keyClick(host.windowHandle(), Qt::Key_Escape);
    EXPECT_EQ(dialog.keys, std::to_string(Qt::Key_Escape) + " ");
    EXPECT_EQ(screen.keys, "");
}

TEST_F(StageTest, InputToScreensBeneathAModalOneIsHeldBack) {
    host.show();
    screen.Show();
    stage.PushModal(dialog);
    dialog.Show();
    KeyForm message{200, 100}; // opened by the modal screen, above it
    message.Show();
    QTest::keyClick(screen.windowHandle(), Qt::Key_A);
    QTest::keyClick(dialog.windowHandle(), Qt::Key_B);
    QTest::keyClick(message.windowHandle(), Qt::Key_C);
    EXPECT_EQ(screen.keys, "");
    EXPECT_EQ(dialog.keys, std::to_string(Qt::Key_B) + " ");
    EXPECT_EQ(message.keys, std::to_string(Qt::Key_C) + " ");
    // The backdrop's own keys still reach the screen in front.
    QTest::keyClick(host.windowHandle(), Qt::Key_D);
    EXPECT_EQ(message.keys, std::to_string(Qt::Key_C) + " " + std::to_string(Qt::Key_D) + " ");

    stage.PopModal(dialog);
    QTest::keyClick(screen.windowHandle(), Qt::Key_A);
    EXPECT_EQ(screen.keys, std::to_string(Qt::Key_A) + " ");
}

TEST_F(StageTest, ClosingTheBackdropAsksInsteadOfClosing) {
    int asked = 0;
    stage.OnCloseRequest = [&] { ++asked; };
    host.show();
    QCloseEvent byWindowSystem;
    QSpontaneKeyEvent::setSpontaneous(&byWindowSystem);
    QCoreApplication::instance()->notify(&host, &byWindowSystem); // keeps it spontaneous
    QCloseEvent again; // before the first is answered: the same request
    QSpontaneKeyEvent::setSpontaneous(&again);
    QCoreApplication::instance()->notify(&host, &again);
    QCoreApplication::processEvents();
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(byWindowSystem.isAccepted());
    EXPECT_TRUE(host.isVisible());
    // The program's own end closes it without asking.
    EXPECT_TRUE(host.close());
    QCoreApplication::processEvents();
    EXPECT_EQ(asked, 1);
}

} // namespace
} // namespace lumora
