#include "elements/markup_painter.h"
#include "platform/ui/recording_canvas.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

// Every character measures 7 pixels on the recording canvas.
struct Drawn {
    int x;
    int y;
    std::string text;
    bool bold;
    bool italic;
    friend bool operator==(const Drawn&, const Drawn&) = default;
};

std::vector<Drawn> Paint(const std::string& text, int width = 300) {
    RecordingCanvas canvas(width, 100);
    PaintMarkup(canvas, text);
    std::vector<Drawn> out;
    for (const auto& t : canvas.Texts) {
        out.push_back({t.x, t.y, t.text, t.font.bold, t.font.italic});
    }
    return out;
}

void PrintTo(const Drawn& d, std::ostream* os) {
    *os << "(" << d.x << "," << d.y << " '" << d.text << "'" << (d.bold ? " bold" : "")
        << (d.italic ? " italic" : "") << ")";
}

TEST(PaintMarkup, LowerCaseStyleMarksAreDroppedAndBreaksWorkInAnyCase) {
    EXPECT_EQ(
        Paint("<b> Hello </b> <BR> world"),
        (std::vector<Drawn>{{0, 0, "Hello ", false, false}, {0, 18, "world ", false, false}}));
    EXPECT_EQ(Paint("one <br> two <Br> three"),
              (std::vector<Drawn>{{0, 0, "one ", false, false},
                                  {0, 18, "two ", false, false},
                                  {0, 36, "three ", false, false}}));
}

TEST(PaintMarkup, ExactStyleMarksSwitchUntilSwitchedOff) {
    EXPECT_EQ(Paint("<B> a </B> b <I> c"), (std::vector<Drawn>{{0, 0, "a ", true, false},
                                                               {14, 0, "b ", false, false},
                                                               {28, 0, "c ", false, true}}));
}

TEST(PaintMarkup, MarkWrittenAgainstAWordSwallowsTheWord) {
    EXPECT_EQ(Paint("<B>Hello world"), (std::vector<Drawn>{{0, 0, "world ", false, false}}));
    EXPECT_EQ(Paint("<odd> x"), (std::vector<Drawn>{{0, 0, "x ", false, false}}));
}

TEST(PaintMarkup, WordsWrapAtTheBoxWidth) {
    // "abc " is 28 pixels, "defg " 35: together more than 50.
    EXPECT_EQ(Paint("abc defg h", 50), (std::vector<Drawn>{{0, 0, "abc ", false, false},
                                                           {0, 18, "defg ", false, false},
                                                           {35, 18, "h ", false, false}}));
    // A word wider than the box leaves an empty line above it.
    EXPECT_EQ(Paint("abcdefghij", 50), (std::vector<Drawn>{{0, 18, "abcdefghij ", false, false}}));
}

TEST(PaintMarkup, DoubleSpaceWidensTheGap) {
    EXPECT_EQ(Paint("a  b"), (std::vector<Drawn>{{0, 0, "a ", false, false},
                                                 {14, 0, " ", false, false},
                                                 {21, 0, "b ", false, false}}));
}

TEST(PaintMarkup, StartsFromTheBoxFontInArial10WithAClearBrush) {
    RecordingCanvas canvas(300, 100);
    canvas.Font = {.face = "MS Sans Serif", .size = 8, .italic = true, .colour = {200, 0, 0}};
    canvas.Brush.style = BrushStyle::Solid;
    PaintMarkup(canvas, "x");
    ASSERT_EQ(canvas.Texts.size(), 1u);
    const FontSpec& f = canvas.Texts[0].font;
    EXPECT_EQ(f.face, "Arial");
    EXPECT_EQ(f.size, 10);
    EXPECT_TRUE(f.italic);
    EXPECT_EQ(f.colour, (Rgb{200, 0, 0}));
    EXPECT_EQ(canvas.Brush.style, BrushStyle::Clear);
}

TEST(NextWord, StopsAtTheFirstSpace) {
    EXPECT_EQ(NextWord("one two"), "one");
    EXPECT_EQ(NextWord("alone"), "alone");
    EXPECT_EQ(NextWord(" lead"), "");
}

} // namespace
} // namespace lumora
