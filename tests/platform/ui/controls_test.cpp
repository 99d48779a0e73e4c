#include "platform/message_box.h"
#include "platform/ui/control.h"
#include "platform/ui/edit_box.h"
#include "platform/ui/form.h"
#include "platform/ui/label.h"
#include "platform/ui/picture.h"
#include "qt_test_app.h"
#include "temp_folder.h"

#include <QImage>
#include <QTest>

namespace lumora {
namespace {

using test::MouseClick;
using test::MouseDown;
using test::MouseMoveTo;
using test::MouseUp;

class Controls : public test::WidgetTest {
  protected:
    void SetUp() override {
        form = std::make_unique<Form>(200, 100);
        control = new Control(form.get());
        control->SetBounds(20, 20, 40, 30);
        control->OnClick = [this] { ++clicks; };
        control->OnMouseEnter = [this] { events += "enter "; };
        control->OnMouseLeave = [this] { events += "leave "; };
        test::ShowAndWait(*form);
    }
    std::unique_ptr<Form> form;
    Control* control = nullptr;
    int clicks = 0;
    std::string events;
};

TEST_F(Controls, ClickNeedsPressAndReleaseOverTheControl) {
    MouseClick(*control, {5, 5});
    MouseClick(*control, {6, 6});
    EXPECT_EQ(clicks, 2);
    MouseDown(*control, {5, 5});
    MouseUp(*form, {150, 80}); // released elsewhere
    EXPECT_EQ(clicks, 2);
    MouseDown(*form, {150, 80});
    MouseUp(*control, {5, 5}); // pressed elsewhere
    EXPECT_EQ(clicks, 2);
}

TEST_F(Controls, QuickDoubleClickClicksOnce) {
    QTest::mouseDClick(form->windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(30, 30));
    EXPECT_EQ(clicks, 1);
}

TEST_F(Controls, EnterAndLeaveAreReportedEvenWhenDisabled) {
    control->setEnabled(false);
    MouseMoveTo(*form, {150, 80});
    MouseMoveTo(*control, {5, 5});
    MouseMoveTo(*form, {150, 80});
    EXPECT_EQ(events, "enter leave ");
    MouseClick(*control, {5, 5});
    EXPECT_EQ(clicks, 0);
}

class Pictures : public test::WidgetTest {
  protected:
    test::TempFolder dir;
    Form form{200, 100};
    Picture* picture = new Picture(&form);
};

TEST_F(Pictures, MissingOrBrokenFileIsReportedWithItsName) {
    MessageRecorder messages;
    dir.WriteBytes("broken.bmp", "BM not really a bitmap");
    EXPECT_FALSE(picture->LoadFromFile(dir / "missing.bmp"));
    EXPECT_FALSE(picture->LoadFromFile(dir / "broken.bmp"));
    EXPECT_FALSE(picture->HasImage());
    ASSERT_EQ(messages.Messages().size(), 2u);
    EXPECT_NE(messages.Messages()[0].find(dir / "missing.bmp"), std::string::npos);
    EXPECT_NE(messages.Messages()[1].find(dir / "broken.bmp"), std::string::npos);
    EXPECT_NE(messages.Messages()[0], messages.Messages()[1]);
}

TEST_F(Pictures, AutoSizeTakesThePictureSizeAndTransparencyShowsTheFormBehind) {
    QImage bmp(30, 20, QImage::Format_RGB32);
    bmp.fill(QColor(255, 0, 255));
    bmp.setPixelColor(10, 10, Qt::green);
    ASSERT_TRUE(bmp.save(QString::fromStdString(dir / "p.bmp"), "BMP"));
    picture->SetAutoSize(true);
    picture->SetTransparent(true);
    picture->move(5, 5);
    ASSERT_TRUE(picture->LoadFromFile(dir / "p.bmp"));
    EXPECT_EQ(picture->size(), QSize(30, 20));
    const QImage shot = form.grab().toImage();
    EXPECT_EQ(shot.pixelColor(15, 15), QColor(Qt::green));
    EXPECT_EQ(shot.pixelColor(6, 6), QColor(Qt::black)); // magenta left out
}

TEST_F(Pictures, StretchFillsTheControl) {
    QImage small(2, 2, QImage::Format_RGB32);
    small.fill(Qt::red);
    picture->SetBounds(0, 0, 100, 50);
    picture->SetStretch(true);
    picture->SetImage(small);
    const QImage shot = form.grab().toImage();
    EXPECT_EQ(shot.pixelColor(90, 45), QColor(Qt::red));
}

class Labels : public test::WidgetTest {
  protected:
    Form form{300, 200};
    Label* label = new Label(&form);
};

TEST_F(Labels, AutoSizeWithWordWrapGrowsOnlyDownwards) {
    label->SetBounds(0, 0, 80, 10);
    label->SetFont({.face = "Arial", .size = 10});
    label->SetWordWrap(true);
    label->SetAutoSize(true);
    label->SetCaption("one two three four five six seven eight");
    EXPECT_EQ(label->width(), 80);
    EXPECT_GT(label->height(), 3 * 13);
}

TEST_F(Labels, CarriageReturnBreaksTheLine) {
    label->SetFont({.face = "Arial", .size = 10});
    label->SetAutoSize(true);
    label->SetCaption("Points 5");
    const int oneLine = label->height();
    label->SetCaption("Points 5\rTotal 12");
    EXPECT_GE(label->height(), 2 * oneLine);
}

class EditBoxes : public test::WidgetTest {};

TEST_F(EditBoxes, TypingStopsAtTheMaximumLength) {
    Form form(200, 50);
    auto* edit = new EditBox(&form);
    edit->SetMaxLength(4);
    test::ShowAndWait(form);
    edit->setFocus();
    QTest::keyClicks(edit, "abcdef");
    EXPECT_EQ(edit->Text(), "abcd");
}

} // namespace
} // namespace lumora
