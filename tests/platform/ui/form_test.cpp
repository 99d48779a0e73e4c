#include "platform/ui/edit_box.h"
#include "platform/ui/form.h"
#include "qt_test_app.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

namespace lumora {
namespace {

// A form that logs what it is told, and closes on Escape as many screens do.
class LoggingForm : public Form {
  public:
    LoggingForm() : Form(300, 200) {}
    std::string log;
    bool consumeShortCut = false;

    using Form::SetKeyPreview;
    using Form::SwallowAltF4;

  protected:
    void FormShow() override { log += "show "; }
    void FormClose() override { log += "close "; }
    bool FormShortCut(int key, Qt::KeyboardModifiers) override {
        log += "shortcut:" + std::to_string(key) + " ";
        return consumeShortCut;
    }
    void FormKeyDown(int& key, Qt::KeyboardModifiers) override {
        log += "keydown:" + std::to_string(key) + " ";
        if (key == Qt::Key_Escape) {
            Close();
        }
        if (key == Qt::Key_A) {
            key = 0;
        }
    }
    void FormClick() override { log += "click "; }
};

class Forms : public test::WidgetTest {
  protected:
    LoggingForm form;
};

TEST_F(Forms, ShownBorderlessCentredAndBlackWithTheCaption) {
    test::ShowAndWait(form);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(form.x(), screen.width() / 2 - 150);
    EXPECT_EQ(form.y(), screen.height() / 2 - 100);
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Lumora!"));
    EXPECT_EQ(form.grab().toImage().pixelColor(150, 100), QColor(Qt::black));
    EXPECT_EQ(form.log, "show ");
}

TEST_F(Forms, ShowModalReturnsWhenTheFormCloses) {
    test::WhenIdle([this] {
        EXPECT_TRUE(form.IsModal());
        form.Tag = 7;
        test::PressKey(form, Qt::Key_Escape);
    });
    form.ShowModal();
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.IsModal());
    EXPECT_EQ(form.Tag, 7);
    EXPECT_EQ(form.log, "show shortcut:16777216 keydown:16777216 close ");
}

TEST_F(Forms, ShortCutConsumesTheKeyBeforeTheKeyHandler) {
    form.consumeShortCut = true;
    test::ShowAndWait(form);
    form.log.clear();
    test::PressKey(form, Qt::Key_Escape);
    EXPECT_EQ(form.log, "shortcut:16777216 ");
    EXPECT_TRUE(form.isVisible());
}

TEST_F(Forms, KeyPreviewSeesKeysBeforeTheFocusedControl) {
    auto* edit = new EditBox(&form);
    test::ShowAndWait(form);
    edit->setFocus();
    test::PressKey(form, Qt::Key_B);
    EXPECT_EQ(edit->Text(), "b");
    EXPECT_EQ(form.log, "show shortcut:66 "); // the edit box took it
    form.SetKeyPreview(true);
    test::PressKey(form, Qt::Key_A); // consumed by the form's key handler
    test::PressKey(form, Qt::Key_C);
    EXPECT_EQ(edit->Text(), "bc");
}

TEST_F(Forms, AltF4IsSwallowedWhereAsked) {
    form.SwallowAltF4();
    form.SetKeyPreview(true);
    test::ShowAndWait(form);
    form.log.clear();
    test::PressKey(form, Qt::Key_F4, Qt::AltModifier);
    EXPECT_EQ(form.log.find(std::to_string(Qt::Key_F4)), std::string::npos) << form.log;
    EXPECT_TRUE(form.isVisible());
}

TEST_F(Forms, ClickOnTheSurfaceReachesTheForm) {
    test::ShowAndWait(form);
    test::MouseClick(form, {10, 10});
    EXPECT_EQ(form.log, "show click ");
}

} // namespace
} // namespace lumora
