#include "platform/path_resolver.h"
#include "platform/text_file.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

using test::TempFolder;

TEST(SplitLines, CrLfBareLfAndBareCrEndLines) {
    struct Case {
        std::string text;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\rb", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"", {}},
        {"\r\n", {""}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SplitLines(c.text), c.lines) << c.text;
    }
}

TEST(ReadTextLines, ConvertsFromWindows1250) {
    TempFolder dir;
    dir.WriteBytes("a.t", "kuchnia=\xB3y\xBFka=\r\nsecond\n");
    const auto lines = ReadTextLines(dir / "a.t");
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, (std::vector<std::string>{"kuchnia=łyżka=", "second"}));
    EXPECT_FALSE(ReadTextLines(dir / "missing.t"));
}

TEST(ResolvePath, MatchesEveryComponentWithoutRegardToCase) {
    TempFolder dir;
    dir.WriteBytes("gfx/main.bmp", "x");
    dir.WriteBytes("Sample/Dom/sl/Cat.WAV", "x");
    EXPECT_EQ(ResolvePath(dir.Path(), "Gfx\\main.bmp"), dir / "gfx/main.bmp");
    EXPECT_EQ(ResolvePath(dir.Path(), "GFX\\MAIN.BMP"), dir / "gfx/main.bmp");
    EXPECT_EQ(ResolvePath(dir.Path(), "sample\\dom\\SL\\cat.wav"), dir / "Sample/Dom/sl/Cat.WAV");
    // A name that does not exist keeps what does and the rest as written.
    EXPECT_EQ(ResolvePath(dir.Path(), "GFX\\new.bmp"), dir / "gfx/new.bmp");
    EXPECT_EQ(ResolvePath(dir.Path(), "tmp1.Wav"), dir / "tmp1.Wav");
}

TEST(ResolvePath, PrefersTheExactName) {
    TempFolder dir;
    dir.WriteBytes("Data.t", "1");
    dir.WriteBytes("data.t", "2");
    EXPECT_EQ(ResolvePath(dir.Path(), "data.t"), dir / "data.t");
    EXPECT_EQ(ResolvePath(dir.Path(), "Data.t"), dir / "Data.t");
}

TEST(WriteFileAtomic, ReplacesTheWholeFileAndLeavesNoTemporary) {
    TempFolder dir;
    dir.WriteBytes("usr.t", "old contents that are longer");
    EXPECT_FALSE(WriteFileAtomic(dir / "usr.t", "new"));
    EXPECT_EQ(dir.ReadBytes("usr.t"), "new");
    EXPECT_FALSE(FileExists(dir / "usr.t.tmp"));
}

TEST(WriteFileAtomic, AFailedWriteKeepsTheOldFile) {
    TempFolder dir;
    dir.WriteBytes("pkt.txt", "old");
    // A folder where the temporary file should go makes the write fail.
    dir.WriteBytes("pkt.txt.tmp/blocker", "x");
    const auto error = WriteFileAtomic(dir / "pkt.txt", "new");
    ASSERT_TRUE(error);
    EXPECT_NE(error->find("pkt.txt"), std::string::npos);
    EXPECT_EQ(dir.ReadBytes("pkt.txt"), "old");
}

TEST(WriteFileAtomic, AMissingFolderIsReportedNotCreated) {
    TempFolder dir;
    EXPECT_TRUE(WriteFileAtomic(dir / "nowhere/usr.t", "x"));
    EXPECT_FALSE(DirectoryExists(dir / "nowhere"));
}

} // namespace
} // namespace lumora
