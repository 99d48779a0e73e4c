#include "qt_test_app.h"

#include "platform/ui/fonts.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace lumora::test {

QApplication& TestApplication() {
    static QApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        static int argc = 1;
        static char name[] = "lumora-tests";
        static char* argv[] = {name, nullptr};
        auto* created = new QApplication(argc, argv);
        InstallFontSubstitutions();
        return created;
    }();
    return *app;
}

void QtAppEnvironment::SetUp() {
    TestApplication();
}

WidgetTest::WidgetTest() {
    TestApplication();
}

void WhenIdle(std::function<void()> fn) {
    QTimer::singleShot(0, &TestApplication(), std::move(fn));
}

void ShowAndWait(QWidget& window) {
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
}

void MouseMoveTo(QWidget& window, QPoint at) {
    QTest::mouseMove(window.window()->windowHandle(), window.mapTo(window.window(), at));
}

void MouseDown(QWidget& window, QPoint at) {
    QTest::mousePress(window.window()->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      window.mapTo(window.window(), at));
}

void MouseUp(QWidget& window, QPoint at) {
    QTest::mouseRelease(window.window()->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                        window.mapTo(window.window(), at));
}

void MouseClick(QWidget& window, QPoint at) {
    MouseDown(window, at);
    MouseUp(window, at);
}

void PressKey(QWidget& window, int key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(window.window()->windowHandle(), static_cast<Qt::Key>(key), modifiers);
}

} // namespace lumora::test
