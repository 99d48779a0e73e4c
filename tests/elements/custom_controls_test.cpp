#include "elements/button_strips.h"
#include "elements/fcs_image.h"
#include "elements/help_art.h"
#include "elements/image_list.h"
#include "elements/link_label.h"
#include "elements/transparent_button.h"
#include "platform/message_box.h"
#include "platform/ui/address_opener.h"
#include "platform/ui/form.h"
#include "platform/ui/recording_canvas.h"
#include "platform/ui/timer.h"
#include "qt_test_app.h"
#include "temp_folder.h"

#include <QCursor>
#include <QImage>
#include <QTest>

#include <filesystem>

namespace lumora {
namespace {

const QColor kFrame0(200, 0, 0);
const QColor kFrame1(0, 200, 0);
const QColor kKey(255, 0, 255);

// A strip of two frames, red then green, whose lower-left pixel (the
// transparent colour) is magenta.
void WriteStrip(const std::string& path, int width = 66, int height = 33) {
    QImage strip(width, height, QImage::Format_RGB32);
    strip.fill(kFrame0);
    for (int x = width / 2; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            strip.setPixelColor(x, y, kFrame1);
        }
    }
    strip.setPixelColor(0, height - 1, kKey);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    ASSERT_TRUE(strip.save(QString::fromStdString(path), "BMP"));
}

class ImageList : public test::WidgetTest {
  protected:
    test::TempFolder dir;
    TMyImageList list;
};

TEST_F(ImageList, FrameWidthIsTheStripWidthByFrames) {
    WriteStrip(dir / "a.bmp", 66);
    WriteStrip(dir / "b.bmp", 99);
    EXPECT_EQ(list.AddStrip(dir / "a.bmp", 2, 7, 9), 0);
    EXPECT_EQ(list.AddStrip(dir / "b.bmp", 3, 0, 0), 1);
    EXPECT_EQ(list.FrameWidth(0), 33);
    EXPECT_EQ(list.FrameHeight(0), 33);
    EXPECT_EQ(list.DefaultTop(0), 7);
    EXPECT_EQ(list.DefaultLeft(0), 9);
    EXPECT_EQ(list.FrameWidth(1), 33);
    EXPECT_EQ(list.FrameWidth(2), 33); // beyond the list
    EXPECT_EQ(list.DefaultLeft(-1), 33);
}

// A strip is measured from its header when added and decoded once, when it
// is first drawn.
TEST_F(ImageList, AStripIsDecodedOnceWhenFirstDrawn) {
    WriteStrip(dir / "a.bmp", 66, 30);
    WriteStrip(dir / "b.bmp");
    list.AddStrip(dir / "a.bmp", 2, 0, 0);
    list.AddStrip(dir / "b.bmp", 2, 0, 0);
    EXPECT_EQ(list.FrameWidth(0), 33);
    EXPECT_EQ(list.FrameHeight(0), 30);
    EXPECT_FALSE(list.Decoded(0));
    RecordingCanvas canvas(33, 30);
    list.Draw(canvas, 0, 0);
    EXPECT_TRUE(list.Decoded(0));
    EXPECT_FALSE(list.Decoded(1));
    // Drawn again from what was decoded, not read again.
    std::filesystem::remove(dir / "a.bmp");
    list.Draw(canvas, 0, 1);
    ASSERT_EQ(canvas.Pictures.size(), 2u);
    EXPECT_EQ(list.Entry(0)->Bitmap.pixelColor(40, 0), kFrame1);
    // A strip whose file went before its first use draws nothing.
    std::filesystem::remove(dir / "b.bmp");
    list.Draw(canvas, 1, 0);
    EXPECT_EQ(canvas.Pictures.size(), 2u);
    EXPECT_EQ(list.FrameWidth(1), 33);
}

TEST_F(ImageList, UnreadableOrIndivisibleStripsAreRefused) {
    WriteStrip(dir / "odd.bmp", 67);
    EXPECT_THROW(
        {
            try {
                list.AddStrip(dir / "odd.bmp", 2, 0, 0);
            } catch (const ImageListError& e) {
                EXPECT_STREQ(e.what(), "Dlugosc obrazka nie dzieli sie przez podana liczbe klatek");
                throw;
            }
        },
        ImageListError);
    EXPECT_THROW(list.AddStrip(dir / "odd.bmp", 0, 0, 0), ImageListError);
    try {
        list.AddStrip(dir / "none.bmp", 2, 0, 0);
        ADD_FAILURE();
    } catch (const ImageListError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Nie moge otworzyc pliku : \"" + (dir / "none.bmp") + "\"");
    }
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(ImageList, DrawCopiesTheFrameIntoTheClipRectangle) {
    WriteStrip(dir / "a.bmp");
    list.AddStrip(dir / "a.bmp", 2, 0, 0);
    RecordingCanvas canvas(33, 33);
    list.Draw(canvas, 0, 1);
    canvas.SetClipRect({5, 6, 10, 10});
    list.Draw(canvas, 0, 1);
    list.Draw(canvas, 3, 0); // beyond the list
    canvas.SetClipRect({0, 0, 0, 0});
    list.Draw(canvas, 0, 0); // empty clip
    ASSERT_EQ(canvas.Pictures.size(), 2u);
    EXPECT_EQ(canvas.Pictures[0].target, (Rect{0, 0, 33, 33}));
    EXPECT_EQ(canvas.Pictures[0].sourceLeft, 33);
    EXPECT_EQ(canvas.Pictures[1].target, (Rect{5, 6, 10, 10}));
    EXPECT_EQ(canvas.Pictures[1].sourceLeft, 38);
    EXPECT_EQ(canvas.Pictures[1].sourceTop, 6);
    EXPECT_EQ(canvas.Brush.style, BrushStyle::Clear);
    // The transparent colour is left out of the stored strip.
    EXPECT_EQ(list.Entry(0)->Bitmap.pixelColor(0, 32).alpha(), 0);
    EXPECT_EQ(list.Entry(0)->Bitmap.pixelColor(40, 32), kFrame1);
}

class ButtonStrips : public test::WidgetTest {
  protected:
    test::TempFolder dir;
    TMyImageList list;
    void WriteAll(const std::string& folder) {
        for (const char* file : kButtonStripFiles) {
            std::string name = file;
            name.replace(0, 4, "BTN/"); // the resolver finds any letter case
            WriteStrip(dir / (folder + name));
        }
    }
};

TEST_F(ButtonStrips, FoundInTheCourseFolderWhenTheWorkingDirectoryHasNone) {
    WriteAll("course/");
    EXPECT_TRUE(LoadButtonStrips(list, dir / "course/"));
    EXPECT_EQ(list.Count(), 24);
    EXPECT_EQ(list.FrameWidth(23), 33);
}

TEST_F(ButtonStrips, WorkingDirectoryComesFirst) {
    WriteAll("cwd/");
    const auto saved = std::filesystem::current_path();
    std::filesystem::current_path(dir / "cwd");
    EXPECT_EQ(ButtonStripFolder(dir / "course/"), dir / "cwd/");
    std::filesystem::current_path(saved);
    EXPECT_EQ(ButtonStripFolder(dir / "course/"), dir / "course/");
}

TEST_F(ButtonStrips, FirstMissingStripStopsTheFillingWithItsMessage) {
    MessageRecorder messages;
    WriteAll("course/");
    std::filesystem::remove(dir / "course/BTN/ok.bmp");
    EXPECT_FALSE(LoadButtonStrips(list, dir / "course/"));
    EXPECT_EQ(list.Count(), 4);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_NE(messages.Messages()[0].find("Nie moge otworzyc pliku : \""), std::string::npos);
    EXPECT_NE(messages.Messages()[0].find("ok.bmp\""), std::string::npos);
}

TEST_F(ImageList, HelpTextsShowTheButtonsRestingFrameCentred) {
    WriteStrip(dir / "b.bmp");
    list.AddStrip(dir / "b.bmp", 2, 0, 0);
    QImage fallback(57, 34, QImage::Format_ARGB32);
    fallback.fill(Qt::blue);
    const QImage icon = InlineButtonIcon(list, 0, fallback);
    ASSERT_EQ(icon.size(), QSize(57, 34));
    EXPECT_EQ(icon.pixelColor(28, 17), kFrame0);
    EXPECT_EQ(icon.pixelColor(12, 0), kFrame0); // 33 wide from x 12, 33 high from y 0
    EXPECT_EQ(icon.pixelColor(11, 17).alpha(), 0);
    EXPECT_EQ(icon.pixelColor(45, 17).alpha(), 0);
    EXPECT_EQ(icon.pixelColor(12, 32).alpha(), 0); // the strip's transparent colour
    EXPECT_EQ(InlineButtonIcon(list, 1, fallback), fallback);
}

// A button on a black form, drawn from a red/green strip.
class Buttons : public test::WidgetTest {
  protected:
    void SetUp() override {
        WriteStrip(dir / "b.bmp");
        list.AddStrip(dir / "b.bmp", 2, 40, 50);
        button = new TTransparentButton(&form);
        button->SetImageList(&list);
        button->move(10, 10);
        button->SetBitmapNormal(0);
        button->OnClick = [this] { ++clicks; };
        button->OnMouseEnter = [this] { ++entries; };
        test::ShowAndWait(form);
        test::MouseMoveTo(form, {150, 80});
    }
    QColor Shown() { return form.grab().toImage().pixelColor(26, 20); }

    test::TempFolder dir;
    TMyImageList list;
    Form form{200, 100};
    TTransparentButton* button = nullptr;
    int clicks = 0;
    int entries = 0;
};

TEST_F(Buttons, LightsUpUnderTheMouseAndClicksOnce) {
    EXPECT_EQ(Shown(), kFrame0);
    test::MouseMoveTo(*button, {16, 16});
    EXPECT_EQ(button->Stan(), 1);
    EXPECT_EQ(Shown(), kFrame1);
    test::MouseClick(*button, {16, 16});
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button->Stan(), 1);
    test::MouseMoveTo(form, {150, 80});
    EXPECT_EQ(button->Stan(), 0);
    EXPECT_EQ(Shown(), kFrame0);
    EXPECT_EQ(entries, 1);
}

TEST_F(Buttons, DisabledButtonStaysDarkButGoesOutOnLeaving) {
    button->SetStan(1);
    button->setEnabled(false);
    test::MouseMoveTo(*button, {16, 16});
    test::MouseMoveTo(form, {150, 80});
    EXPECT_EQ(button->Stan(), 0);
    test::MouseMoveTo(*button, {16, 16});
    EXPECT_EQ(button->Stan(), 0);
    EXPECT_EQ(entries, 0);
    test::MouseClick(*button, {16, 16});
    EXPECT_EQ(clicks, 0);
}

TEST_F(Buttons, PressedStyleAndHiddenNormalState) {
    button->SetStyle(tbs_Pressed);
    test::MouseDown(*button, {16, 16});
    EXPECT_EQ(button->Stan(), 2);
    EXPECT_EQ(button->FrameToDraw(), std::optional<int>(1));
    test::MouseUp(*button, {16, 16});
    EXPECT_EQ(button->Stan(), 0);
    EXPECT_EQ(clicks, 1);
    button->SetHideNormal(true);
    EXPECT_EQ(button->FrameToDraw(), std::nullopt);
    EXPECT_EQ(Shown(), QColor(Qt::black));
}

TEST_F(Buttons, SizeAndPlaceComeFromTheStrip) {
    button->SetStyle(tbs_Highlighted | tbs_DefPoslPF);
    EXPECT_EQ(button->geometry(), QRect(50, 40, 33, 33));
    button->SetStyle(tbs_Highlighted);
    button->move(10, 10);
    button->SetBitmapNormal(9); // beyond the list: 33 x 33 and nothing drawn
    EXPECT_EQ(button->geometry(), QRect(10, 10, 33, 33));
    EXPECT_EQ(Shown(), QColor(Qt::black));
}

class ScrollArrow : public test::WidgetTest {
  protected:
    void SetUp() override {
        arrow = new TFCSImage1(&form);
        arrow->SetBounds(10, 10, 34, 34);
        arrow->OnClick = [this] { ++clicks; };
        test::ShowAndWait(form);
    }
    TestClock clock;
    Form form{100, 100};
    TFCSImage1* arrow = nullptr;
    int clicks = 0;
};

TEST_F(ScrollArrow, HeldForASecondRepeatsAfter250AndEvery75) {
    test::MouseDown(*arrow, {5, 5});
    clock.Advance(249);
    EXPECT_EQ(clicks, 0);
    clock.Advance(1);
    EXPECT_EQ(clicks, 1);
    clock.Advance(750);
    EXPECT_EQ(clicks, 11);
    test::MouseUp(*arrow, {5, 5});
    EXPECT_EQ(clicks, 12); // the ordinary click at release
    clock.Advance(1000);
    EXPECT_EQ(clicks, 12);
}

TEST_F(ScrollArrow, QuickClicksEachCountAndHidingStopsTheRepeat) {
    QTest::mouseDClick(form.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    EXPECT_EQ(clicks, 2);
    test::MouseDown(*arrow, {5, 5});
    arrow->hide();
    clock.Advance(1000);
    EXPECT_EQ(clicks, 2);
}

class LinkLabels : public test::WidgetTest {};

TEST_F(LinkLabels, PressOpensThePrefixedAddress) {
    AddressRecorder opened;
    Form form(200, 50);
    auto* link = new TLinkLabel(&form);
    link->SetBounds(0, 0, 150, 20);
    link->LinkType = LinkType::ltmailto;
    link->SetHyperLink("kurs@example.com");
    EXPECT_EQ(link->Caption(), "kurs@example.com");
    EXPECT_TRUE(link->Font().underline);
    test::ShowAndWait(form);
    test::MouseDown(*link, {5, 5});
    test::MouseUp(*link, {5, 5});
    EXPECT_EQ(opened.Addresses(), std::vector<std::string>{"mailto:kurs@example.com"});

    auto* web = new TLinkLabel(&form);
    web->SetCaption("");
    web->SetHyperLink("www.example.com");
    web->SetCaption("shown");
    web->SetHyperLink("www.example.org");
    EXPECT_EQ(web->Caption(), "shown");
    EXPECT_EQ(web->Address(), "http://www.example.org");
}

TEST_F(LinkLabels, APageNoProgramCanOpenIsNamedInAMessage) {
    AddressRecorder opened(false); // a desktop without a browser
    MessageRecorder messages;
    Form form(200, 50);
    auto* help = new TLinkLabel(&form);
    help->SetBounds(0, 0, 150, 20);
    help->LinkType = LinkType::ltfile;
    help->PageName = "Pomoc";
    help->SetHyperLink("/kurs/www/pomoc.html");
    test::ShowAndWait(form);
    test::MouseDown(*help, {5, 5});
    test::MouseUp(*help, {5, 5});
    EXPECT_EQ(opened.Addresses(), std::vector<std::string>{"file:///kurs/www/pomoc.html"});
    EXPECT_EQ(
        messages.Messages(),
        std::vector<std::string>{"Nie udało się otworzyć strony „Pomoc”: nie znaleziono "
                                 "przeglądarki internetowej. Możesz otworzyć ją samodzielnie: "
                                 "/kurs/www/pomoc.html"});
    help->LinkType = LinkType::lthttps;
    help->PageName.clear();
    help->SetHyperLink("kurs.example.com");
    EXPECT_EQ(help->OpenFailedMessage(),
              "Nie udało się otworzyć tej strony: nie znaleziono przeglądarki internetowej. "
              "Możesz otworzyć ją samodzielnie: https://kurs.example.com");
}

TEST_F(Buttons, EachShowingStartsFromWhereThePointerIs) {
    button->SetStan(1); // lit by the pointer on the last visit
    // The screen goes while the pointer is on the button, which hears no leave.
    form.hide();
    QCursor::setPos(form.mapToGlobal(QPoint(150, 80)));
    test::ShowAndWait(form);
    EXPECT_EQ(button->Stan(), 0);
    EXPECT_EQ(Shown(), kFrame0);
    form.hide();
    QCursor::setPos(button->mapToGlobal(QPoint(16, 16)));
    test::ShowAndWait(form);
    EXPECT_EQ(button->Stan(), 1);
    // A disabled button, or one without the highlight, never starts lit.
    form.hide();
    button->setEnabled(false);
    test::ShowAndWait(form);
    EXPECT_EQ(button->Stan(), 0);
    form.hide();
    button->setEnabled(true);
    button->SetStyle(tbs_Pressed);
    test::ShowAndWait(form);
    EXPECT_EQ(button->Stan(), 0);
}

} // namespace
} // namespace lumora
