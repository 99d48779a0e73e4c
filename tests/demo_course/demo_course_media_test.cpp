// The artwork and sounds that the screens load by fixed names, checked in the
// demo course that the build made.
#include "course/main_menu_topics.h"
#include "demo_course.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>

namespace lumora::test {
namespace {

struct Bitmap {
    int width = 0;
    int height = 0;
    int bits = 0;
    std::string bytes;
};

std::uint32_t Le32(const std::string& b, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

Bitmap ReadBitmap(const std::string& relative) {
    Bitmap bmp;
    bmp.bytes = FileStart(DemoCourse().course, relative, 1 << 20);
    if (bmp.bytes.size() < 54 || !bmp.bytes.starts_with("BM")) {
        return {};
    }
    bmp.width = static_cast<int>(Le32(bmp.bytes, 18));
    bmp.height = static_cast<int>(Le32(bmp.bytes, 22));
    bmp.bits = static_cast<unsigned char>(bmp.bytes[28]);
    return bmp;
}

// The colour (as 0xRRGGBB) of a pixel of a bottom-up 24-bit bitmap, counting
// rows from the bottom.
std::uint32_t Pixel24(const Bitmap& bmp, int x, int rowFromBottom) {
    const std::size_t rowSize = (static_cast<std::size_t>(bmp.width) * 3 + 3) & ~std::size_t(3);
    const std::size_t at = Le32(bmp.bytes, 10) + static_cast<std::size_t>(rowFromBottom) * rowSize +
                           static_cast<std::size_t>(x) * 3;
    return static_cast<std::uint32_t>(static_cast<unsigned char>(bmp.bytes[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bmp.bytes[at + 1])) << 8 |
           static_cast<unsigned char>(bmp.bytes[at]);
}

void ExpectBitmap(const std::string& relative, int width, int height) {
    const Bitmap bmp = ReadBitmap(relative);
    EXPECT_EQ(bmp.width, width) << relative;
    EXPECT_EQ(bmp.height, height) << relative;
}

void ExpectSound(const std::string& relative) {
    const std::string head = FileStart(DemoCourse().course, relative, 12);
    EXPECT_TRUE(head.starts_with("RIFF") && head.substr(8) == "WAVE") << relative;
}

TEST(DemoCourseMedia, MenusAndTopicScreensFindTheirPictures) {
    ExpectBitmap("Gfx\\main.bmp", 800, 600);
    for (int k = 1; k <= 60; ++k) {
        ExpectBitmap("menu_but\\m_on_mouse_" + std::to_string(k) + ".bmp", 83, 83);
    }
    for (const auto& topic : DemoCourse().course.TopicTable) {
        ExpectBitmap("tla\\menu\\" + topic.FolderName + ".bmp", 800, 600);
    }
    ExpectBitmap("gfx\\question1.bmp", 246, 138);
    ExpectBitmap("gfx\\informacja.bmp", 455, 101);
    for (const char* result : {"", "1", "2", "3"}) {
        ExpectBitmap("gfx\\statystyka" + std::string(result) + ".bmp", 277, 134);
    }
    ExpectBitmap("gfx\\polecenie.bmp", 448, 225);
    ExpectBitmap("gfx\\logowanie.bmp", 246, 187);
    ExpectBitmap("gfx\\nowy_user.bmp", 280, 106);
    ExpectBitmap("gfx\\topten_tlo.bmp", 800, 600);
    ExpectBitmap("gfx\\blank_tlo.bmp", 800, 600);
}

TEST(DemoCourseMedia, TheMenuLinksOpenPagesOfTheCourse) {
    for (const char* page : {kAboutPageFile, kHelpPageFile}) {
        EXPECT_NE(FileStart(DemoCourse().course, page, 200).find("charset=\"windows-1250\""),
                  std::string::npos)
            << page;
    }
}

TEST(DemoCourseMedia, ButtonStripsShowTheirButtonsOverATransparentGround) {
    const char* names[] = {"cw_sprawdz",   "cw_jeszcze_raz", "cw_koniec",     "cw_pomoc",
                           "ok",           "anuluj",         "nowy_user",     "op_dol",
                           "op_gora",      "mikrofonik",     "glosniczek",    "cw_glosnik",
                           "strz_up",      "strz_dn",        "nast",          "cw_yes",
                           "cw_no",        "play",           "stop",          "pause",
                           "cw_polecenie", "cw_drukuj",      "cw_czytaj_all", "cw_slownik"};
    for (const char* name : names) {
        const std::string file = std::string("btn\\") + name + ".bmp";
        const Bitmap bmp = ReadBitmap(file);
        ASSERT_EQ(bmp.width, 66) << file;
        ASSERT_EQ(bmp.height, 33) << file;
        ASSERT_EQ(bmp.bits, 24) << file;
        // The lower-left colour is left out when the strip is drawn: it must
        // be the ground, not the button.
        const std::uint32_t ground = Pixel24(bmp, 0, 0);
        EXPECT_EQ(Pixel24(bmp, 65, 32), ground) << file;
        EXPECT_NE(Pixel24(bmp, 16, 16), ground) << file << ": normal frame";
        EXPECT_NE(Pixel24(bmp, 33 + 16, 16), ground) << file << ": lit frame";
    }
}

TEST(DemoCourseMedia, PromptsCommentsAndFeedbackSoundsExist) {
    for (int m : {1, 3, 6, 7, 8, 9, 13, 15, 16, 17, 20, 21, 23, 24, 26}) {
        ExpectSound("polecenia\\menu\\m" + std::to_string(m) + ".wav");
    }
    for (const char* name : {"e", "l", "t1", "t2", "q6_1", "q6_2"}) {
        ExpectSound(std::string("polecenia\\") + name + ".wav");
    }
    const std::pair<int, int> comments[] = {{1, 12}, {2, 8}, {3, 6}, {4, 9}, {5, 6}};
    for (const auto& [set, count] : comments) {
        for (int n = 1; n <= count; ++n) {
            ExpectSound("polecenia\\q" + std::to_string(set) + "_" + std::to_string(n) + ".wav");
        }
    }
    for (int n = 1; n <= 3; ++n) {
        ExpectSound("wav\\Ok_" + std::to_string(n) + ".wav");
        ExpectSound("wav\\No_" + std::to_string(n) + ".wav");
    }
    ExpectSound("wav\\click.wav");
}

TEST(DemoCourseMedia, StayUnderSixtyMegabytes) {
    namespace fs = std::filesystem;
    std::uintmax_t total = 0;
    for (const char* folder :
         {"gfx", "menu_but", "tla", "btn", "obrazki", "sample", "Teksty_wav", "polecenia", "wav",
          "krzyzowka", "odkrywanki", "wpisywania", "Pseudo"}) {
        const fs::path path = fs::path(LUMORA_DEMO_COURSE_DIR) / folder;
        ASSERT_TRUE(fs::is_directory(path)) << path;
        for (const auto& entry : fs::recursive_directory_iterator(path)) {
            total += entry.is_regular_file() ? entry.file_size() : 0;
        }
    }
    EXPECT_LT(total, 60u * 1024 * 1024);
}

} // namespace
} // namespace lumora::test
