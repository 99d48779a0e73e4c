#include "platform/ui/canvas.h"
#include "platform/ui/fonts.h"
#include "platform/ui/painter_canvas.h"
#include "qt_test_app.h"

#include <QFontInfo>
#include <QImage>
#include <QPainter>

namespace lumora {
namespace {

using test::WidgetTest;

TEST(FontSizes, PointsBecomePixelsAt96Dpi) {
    EXPECT_EQ((FontSpec{.size = 10}).PixelSize(), 13);
    EXPECT_EQ((FontSpec{.size = 8}).PixelSize(), 11);
    EXPECT_EQ((FontSpec{.size = 12}).PixelSize(), 16);
    EXPECT_EQ((FontSpec{.size = 10, .pixels = 13}).PixelSize(), 13);
    EXPECT_EQ((FontSpec{.size = 8, .pixels = 20}).PixelSize(), 20);
}

class Fonts : public WidgetTest {};

TEST_F(Fonts, WindowsFacesUseLiberationSans) {
    for (const char* face : {"Arial", "arial ce", "MS Sans Serif"}) {
        const QFont font = MakeFont({.face = face, .size = 10, .bold = true});
        EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("Liberation Sans")) << face;
        EXPECT_EQ(font.pixelSize(), 13);
        EXPECT_TRUE(font.bold());
    }
    EXPECT_EQ(SubstituteFontFace("Courier New"), "Courier New");
}

// Paints on a white image through a canvas.
class CanvasOnImage : public WidgetTest {
  protected:
    QImage image{60, 30, QImage::Format_ARGB32};
    void Paint(const std::function<void(Canvas&)>& draw) {
        image.fill(Qt::white);
        QPainter painter(&image);
        PainterCanvas canvas(painter, image.width(), image.height(), {0, 0, 60, 30});
        draw(canvas);
    }
};

TEST_F(CanvasOnImage, ClearBrushLeavesTheBackgroundAroundText) {
    Paint([](Canvas& c) {
        c.Brush = {BrushStyle::Clear, kBlack};
        c.Font = {.face = "Arial", .size = 10};
        c.TextOut(0, 0, "i");
    });
    EXPECT_EQ(image.pixelColor(20, 5), QColor(Qt::white));
    Paint([](Canvas& c) {
        c.Brush = {BrushStyle::Solid, {0, 0, 255}};
        c.Font = {.face = "Arial", .size = 10};
        c.TextOut(0, 0, "iiiiii");
    });
    EXPECT_EQ(image.pixelColor(1, 1), QColor(0, 0, 255));
}

TEST_F(CanvasOnImage, TextIsMeasuredInTheCurrentStyle) {
    int regular = 0;
    int bold = 0;
    Paint([&](Canvas& c) {
        c.Font = {.face = "Arial", .size = 10};
        regular = c.TextWidth("Wombat words");
        c.Font.bold = true;
        bold = c.TextWidth("Wombat words");
    });
    EXPECT_GT(regular, 40);
    EXPECT_GT(bold, regular);
}

TEST_F(CanvasOnImage, CopyKeepsTransparentPixelsOut) {
    QImage strip(4, 2, QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    strip.setPixelColor(3, 0, Qt::red);
    Paint([&](Canvas& c) { c.CopyPicture({10, 10, 2, 2}, strip, 2, 0); });
    EXPECT_EQ(image.pixelColor(10, 10), QColor(Qt::white)); // transparent source pixel
    EXPECT_EQ(image.pixelColor(11, 10), QColor(Qt::red));   // source (3, 0)
}

} // namespace
} // namespace lumora
