#include "platform/path_resolver.h"
#include "platform/text_file.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

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

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) {
        names.push_back(e.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ReadFileBytes, OnlyAFileThatDoesNotExistIsMissing) {
    TempFolder dir;
    dir.MakeFolder("folder.t");
    ::symlink("loop.t", (dir / "loop.t").c_str());
    ::mkfifo((dir / "pipe.t").c_str(), 0600);
    struct Case {
        std::string name;
        bool missing;
        std::string reason;
    };
    const Case cases[] = {
        {"absent.t", true, "No such file or directory"},
        {"folder.t", false, "Is a directory"},
        {"loop.t", false, "Too many levels of symbolic links"},
        {"pipe.t", false, "Not a regular file"}, // refused at once, never waited on
    };
    for (const auto& c : cases) {
        ReadFailure failure;
        EXPECT_FALSE(ReadFileBytes(dir / c.name, &failure)) << c.name;
        EXPECT_EQ(failure.missing, c.missing) << c.name;
        EXPECT_EQ(failure.reason, c.reason) << c.name;
        EXPECT_FALSE(ReadTextLines(dir / c.name)) << c.name;
    }
}

bool EvenLength(std::string_view bytes) {
    return bytes.size() % 2 == 0;
}

TEST(ReadFileBytesPatiently, ATornFileIsReadAgainUntilItIsWhole) {
    test::TempFolder dir;
    dir.WriteBytes("pkt.txt", "abc");
    // Another computer's save lands while the reader waits.
    std::thread writer([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        WriteFileAtomic(dir / "pkt.txt", "abcd");
    });
    EXPECT_EQ(ReadFileBytesPatiently(dir / "pkt.txt", EvenLength), "abcd");
    writer.join();
    // One that stays torn is given as it is, after about a third of a second.
    const auto start = std::chrono::steady_clock::now();
    dir.WriteBytes("usr.t", "xyz");
    EXPECT_EQ(ReadFileBytesPatiently(dir / "usr.t", EvenLength), "xyz");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    ReadFailure failure;
    EXPECT_FALSE(ReadFileBytesPatiently(dir / "none", EvenLength, &failure));
    EXPECT_TRUE(failure.missing);
}

TEST(WriteFileAtomic, ReplacesTheWholeFileAndLeavesNoTemporary) {
    TempFolder dir;
    dir.WriteBytes("usr.t", "old contents that are longer");
    EXPECT_FALSE(WriteFileAtomic(dir / "usr.t", "new"));
    EXPECT_EQ(dir.ReadBytes("usr.t"), "new");
    EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"usr.t"});
}

TEST(WriteFileAtomic, AFailedRenameKeepsTheOldFileAndLeavesNoTemporary) {
    TempFolder dir;
    dir.WriteBytes("pkt.txt/kept", "x"); // a folder in the file's place
    const auto error = WriteFileAtomic(dir / "pkt.txt", "new");
    ASSERT_TRUE(error);
    EXPECT_NE(error->find("pkt.txt"), std::string::npos);
    EXPECT_EQ(dir.ReadBytes("pkt.txt/kept"), "x");
    EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"pkt.txt"});
}

TEST(WriteFileAtomic, NeverWritesThroughALinkAtATemporaryName) {
    TempFolder dir;
    dir.WriteBytes("elsewhere", "untouched");
    ::symlink((dir / "elsewhere").c_str(), (dir / "usr.t.tmp").c_str());
    EXPECT_FALSE(WriteFileAtomic(dir / "usr.t", "1=Ann\r\n"));
    EXPECT_EQ(dir.ReadBytes("elsewhere"), "untouched");
    EXPECT_EQ(dir.ReadBytes("usr.t"), "1=Ann\r\n");
}

TEST(WriteFileAtomic, KeepsThePermissionsOfTheFileItReplaces) {
    TempFolder dir;
    dir.WriteBytes("ini_hdd.t", "old");
    ::chmod((dir / "ini_hdd.t").c_str(), 0640);
    EXPECT_FALSE(WriteFileAtomic(dir / "ini_hdd.t", "new"));
    struct stat st {};
    ASSERT_EQ(::stat((dir / "ini_hdd.t").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(RemoveStaleTemporaries, RemovesOnlyTheTemporariesOfThatFile) {
    TempFolder dir;
    for (const char* name : {"usr.t", "usr.t.tmp", "usr.t.tmp.a1B2c3", "usr.t.tmp.toolong7",
                             "usr.t.tmpX", "pkt.txt.tmp.a1B2c3"}) {
        dir.WriteBytes(name, "x");
    }
    dir.MakeFolder("usr.t.tmp.Folder"); // not a file: left alone
    RemoveStaleTemporaries(dir / "usr.t");
    EXPECT_EQ(FolderEntries(dir.Path()),
              (std::vector<std::string>{"pkt.txt.tmp.a1B2c3", "usr.t", "usr.t.tmp.Folder",
                                        "usr.t.tmp.toolong7", "usr.t.tmpX"}));
}

TEST(CreateFolders, MakesEveryMissingLevel) {
    TempFolder dir;
    EXPECT_FALSE(CreateFolders(dir / "home/.local/share/Lumora_demo/"));
    EXPECT_TRUE(DirectoryExists(dir / "home/.local/share/Lumora_demo"));
    EXPECT_FALSE(CreateFolders(dir / "home/.local/share/Lumora_demo"));

    dir.WriteBytes("blocked", "a file where a folder should be");
    const auto error = CreateFolders(dir / "blocked/Lumora_demo/");
    ASSERT_TRUE(error);
    EXPECT_NE(error->find("blocked"), std::string::npos);
}

TEST(WriteFileAtomic, AMissingFolderIsReportedNotCreated) {
    TempFolder dir;
    EXPECT_TRUE(WriteFileAtomic(dir / "nowhere/usr.t", "x"));
    EXPECT_FALSE(DirectoryExists(dir / "nowhere"));
}

} // namespace
} // namespace lumora
