#include "platform/text_file.h"
#include "platform/ui/image_file.h"
#include "qt_test_app.h"
#include "temp_folder.h"

#include <QColor>
#include <QImage>

#include <cstdint>

namespace lumora {
namespace {

using test::WidgetTest;

class ImageFiles : public WidgetTest {
  protected:
    std::string Save(const std::string& name, const char* format) {
        QImage image(6, 4, QImage::Format_RGB32);
        image.fill(QColor(10, 200, 30));
        const std::string path = dir_ / name;
        EXPECT_TRUE(image.save(QString::fromStdString(path), format));
        return path;
    }

    test::TempFolder dir_;
};

void PutLe(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xffu);
    }
}

// A 6 x 4, 24-bit BMP of one colour, written by hand: Qt's writer would load
// the plugins this test looks for.
std::string GreenBitmap() {
    constexpr int kWidth = 6;
    constexpr int kHeight = 4;
    constexpr int kRow = 20; // 18 bytes padded to a multiple of 4
    std::string out = "BM";
    PutLe(out, 54 + kRow * kHeight, 4);
    PutLe(out, 0, 4);
    PutLe(out, 54, 4);
    PutLe(out, 40, 4);
    PutLe(out, kWidth, 4);
    PutLe(out, kHeight, 4);
    PutLe(out, 1, 2);
    PutLe(out, 24, 2);
    for (int i = 0; i < 6; ++i) {
        PutLe(out, 0, 4);
    }
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            out += "\x1e\xc8\x0a"; // blue, green, red
        }
        out += std::string(kRow - 3 * kWidth, '\0');
    }
    return out;
}

// Each image plugin Qt asks about a file is loaded into the process for good.
bool ImagePluginLoaded() {
    const std::string maps = ReadFileBytes("/proc/self/maps").value_or("");
    return maps.find("imageformats/") != std::string::npos;
}

TEST_F(ImageFiles, BitmapsLoadWithoutLoadingImagePlugins) {
    dir_.WriteBytes("a.BMP", GreenBitmap());
    ASSERT_FALSE(ImagePluginLoaded());
    const LoadedImage loaded = LoadImageFile(dir_ / "a.BMP");
    ASSERT_FALSE(loaded.image.isNull()) << loaded.error;
    EXPECT_EQ(loaded.image.size(), QSize(6, 4));
    EXPECT_EQ(loaded.image.pixelColor(0, 0), QColor(10, 200, 30));
    EXPECT_FALSE(ImagePluginLoaded());
}

TEST_F(ImageFiles, APictureWhoseNameLiesAboutItsFormatStillLoads) {
    const std::string png_named_bmp = Save("b.bmp", "PNG");
    EXPECT_EQ(ReadImage(png_named_bmp).size(), QSize(6, 4));
    dir_.WriteBytes("c.bmp", "BM not a bitmap");
    const LoadedImage broken = LoadImageFile(dir_ / "c.bmp");
    EXPECT_TRUE(broken.image.isNull());
    EXPECT_NE(broken.error.find("is not a valid image"), std::string::npos) << broken.error;
}

} // namespace
} // namespace lumora
