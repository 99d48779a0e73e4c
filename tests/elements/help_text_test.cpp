#include "elements/help_page.h"
#include "elements/help_painter.h"
#include "platform/message_box.h"
#include "platform/ui/recording_canvas.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

using Words = std::vector<std::string>;

Words Split(const std::string& text) {
    HelpPage page;
    page.SplitHelpText(text);
    return page.HelpWords();
}

TEST(SplitHelpText, MarksAreFoundEvenAgainstWords) {
    EXPECT_EQ(Split("<b>bold</b> next"), (Words{"<b>", "bold", "</b>", "", "next"}));
    EXPECT_EQ(Split("  Line@next<BR>x <I>y</i>  "),
              (Words{"Line", "@", "next", "<br>", "x", "<i>", "y", "</i>"}));
    // A second space is kept with the next word; painting trims it.
    EXPECT_EQ(Split("a  b"), (Words{"a", " b"}));
    EXPECT_EQ(Split("a   b"), (Words{"a", " ", "b"}));
}

TEST(SplitHelpText, StrayAngleBracketsAreOrdinaryCharacters) {
    EXPECT_EQ(Split("a < b>c <x> <"), (Words{"a", "<", "b>c", "<x>", "<"}));
}

TEST(SplitHelpText, ResetsTheScrollAndAsksForALayout) {
    HelpPage page;
    page.HelpScrollLine = 4;
    page.SplitHelpText("x");
    EXPECT_EQ(page.HelpScrollLine, 0);
    EXPECT_TRUE(page.HelpNeedsLayout);
}

TEST(SplitHelpText, MoreThan5000WordsAreCutWithOneMessage) {
    MessageRecorder messages;
    std::string text;
    for (int i = 0; i < 5200; ++i) {
        text += "w ";
    }
    HelpPage page;
    page.SplitHelpText(text);
    EXPECT_EQ(page.HelpWordCount(), 5000);
    EXPECT_EQ(messages.Messages(), (Words{"Zbyt duza liczba wyrazów!"}));
    page.SplitHelpText("short again");
    EXPECT_EQ(page.HelpWordCount(), 2);
    EXPECT_EQ(messages.Messages().size(), 1u);
}

// Pb1 is 397 x 163; every character measures 7 pixels.
class HelpPainting : public ::testing::Test {
  protected:
    RecordingCanvas canvas{397, 163};
    HelpPage page;
    HelpIcons icons{QImage(57, 34, QImage::Format_ARGB32), QImage(57, 34, QImage::Format_ARGB32)};

    std::optional<bool> Paint(const std::string& text) {
        page.SplitHelpText(text);
        return PaintHelpText(canvas, page, icons);
    }
    static std::string Lines(int n) {
        std::string text = "line1";
        for (int i = 2; i <= n; ++i) {
            text += "@line" + std::to_string(i);
        }
        return text;
    }
};

TEST_F(HelpPainting, BoldMarkAgainstAWordMakesItBold) {
    Paint("<B>word</b> plain");
    ASSERT_EQ(canvas.Texts.size(), 2u);
    EXPECT_EQ(canvas.Texts[0].text, "word ");
    EXPECT_TRUE(canvas.Texts[0].font.bold);
    EXPECT_EQ(canvas.Texts[0].font.face, "Arial CE");
    EXPECT_EQ(canvas.Texts[0].font.colour, kBlack);
    EXPECT_EQ(canvas.Texts[1].x, 1 + 35);
    EXPECT_FALSE(canvas.Texts[1].font.bold);
}

TEST_F(HelpPainting, IconSitsInTheLineAndTheTextAfterItDrops) {
    Paint("first [iko_glosnik] second third@next");
    ASSERT_EQ(canvas.Pictures.size(), 1u);
    EXPECT_EQ(canvas.Pictures[0].target, (Rect{43, 1, 57, 34}));
    EXPECT_EQ(canvas.Pictures[0].imageKey, icons.glosnik.cacheKey());
    ASSERT_EQ(canvas.Texts.size(), 4u);
    EXPECT_EQ(canvas.Texts[1].x, 105); // 5 pixels after the icon
    EXPECT_EQ(canvas.Texts[1].y, 15);  // 14 pixels lower
    EXPECT_EQ(canvas.Texts[2].x, 105 + 49);
    EXPECT_EQ(canvas.Texts[3].y, 15 + 22); // the icon line is 36 pixels tall
}

TEST_F(HelpPainting, ScrollLineMovesTheTextUp) {
    page.SplitHelpText(Lines(3));
    page.HelpScrollLine = 1;
    PaintHelpText(canvas, page, icons);
    ASSERT_EQ(canvas.Texts.size(), 3u);
    EXPECT_EQ(canvas.Texts[0].y, -19);
    EXPECT_EQ(canvas.Texts[2].y, 21);
}

TEST_F(HelpPainting, ScrollDownArrowIsDecidedOnTheFirstPaintOnly) {
    // Eight lines end at 161, inside the 163-pixel box.
    EXPECT_EQ(Paint(Lines(8)), std::optional<bool>(false));
    EXPECT_EQ(page.HelpMaxScroll, 0);
    EXPECT_EQ(PaintHelpText(canvas, page, icons), std::nullopt);
    // A ninth line would be cut off: one step of scrolling shows it whole.
    EXPECT_EQ(Paint(Lines(9)), std::optional<bool>(true));
    EXPECT_EQ(page.HelpMaxScroll, 1);
    EXPECT_EQ(Paint(Lines(11)), std::optional<bool>(true));
    EXPECT_EQ(page.HelpMaxScroll, 3);
}

TEST(HelpScrolling, ArrowsFollowTheScrollLine) {
    HelpPage page;
    page.HelpMaxScroll = 2;
    EXPECT_EQ(page.ScrollDown().down, true);
    const ScrollArrows atEnd = page.ScrollDown();
    EXPECT_TRUE(atEnd.up);
    EXPECT_FALSE(atEnd.down);
    page.ScrollDown();
    EXPECT_EQ(page.HelpScrollLine, 2);
    EXPECT_TRUE(page.ScrollUp().up);
    const ScrollArrows atTop = page.ScrollUp();
    EXPECT_FALSE(atTop.up);
    EXPECT_TRUE(atTop.down);
    page.ScrollUp();
    EXPECT_EQ(page.HelpScrollLine, 0);
}

} // namespace
} // namespace lumora
