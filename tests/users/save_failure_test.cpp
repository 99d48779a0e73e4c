// Saves that the system refuses (a file-size limit, a full disk, a read-only
// folder) tell the learner which file and why, and keep the old files whole.
// Each case runs in a child process, which can take a limit or a mount of its
// own without touching the test program; the child sends back what it saw.
#include "course/course_loaders.h"
#include "platform/message_box.h"
#include "platform/text_file.h"
#include "temp_folder.h"
#include "user_file_versions.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fcntl.h>
#include <functional>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace lumora {
namespace {

using test::TemporariesIn;
using test::UserFileVersion;

constexpr int kSkipped = 77;

struct ChildResult {
    int status = -1; // the exit status; kSkipped when the case cannot run here
    std::vector<std::string> lines;
};

// Runs `body` in a child process; each string it writes to `out` comes back
// as one line (lines must not hold a line end).
ChildResult RunInChild(const std::function<int(std::vector<std::string>& out)>& body) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) {
        return {};
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        std::vector<std::string> out;
        const int status = body(out);
        std::string text;
        for (const auto& line : out) {
            text += line + "\n";
        }
        (void)!::write(pipeEnds[1], text.data(), text.size());
        ::_exit(status);
    }
    ::close(pipeEnds[1]);
    std::string text;
    char buf[4096];
    for (ssize_t n; (n = ::read(pipeEnds[0], buf, sizeof buf)) > 0;) {
        text.append(buf, static_cast<std::size_t>(n));
    }
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    ChildResult result;
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.lines = SplitLines(text);
    return result;
}

// The messages of a failed save of all three files, then whether each file
// still holds `kept` byte for byte and whether any temporary was left.
void SaveAndReport(const UserFileVersion& next, const UserFileVersion& kept,
                   std::vector<std::string>& out) {
    for (const auto& message : next.SaveAll()) {
        out.push_back(message);
    }
    const auto paths = kept.Paths();
    for (std::size_t f = 0; f < paths.size(); ++f) {
        out.push_back(ReadFileBytes(paths[f]) == kept.Bytes()[f] ? "kept" : "changed");
    }
    const std::string folder = kept.Data().UserDataFolder;
    out.push_back(TemporariesIn(folder).empty() && TemporariesIn(folder + "1/").empty()
                      ? "no temporaries"
                      : "temporaries left");
}

std::vector<std::string> ExpectedReport(const UserFileVersion& version, const std::string& reason) {
    std::vector<std::string> lines;
    for (const auto& path : version.Paths()) {
        lines.push_back("Nie można zapisać pliku \"" + path + "\": " + reason +
                        ". Poprzednia zawartość pliku została zachowana.");
    }
    lines.insert(lines.end(), {"kept", "kept", "kept", "no temporaries"});
    return lines;
}

class SaveFailureTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(CreateFolder(dir / "1"));
        ASSERT_TRUE(old.SaveAll().empty());
    }
    test::TempFolder dir;
    UserFileVersion old{dir.Path(), false};
    UserFileVersion next{dir.Path(), true};
};

// A file-size limit refuses the writes as a full disk does, and needs no
// privileges: the process is told "File too large" instead of being stopped.
TEST_F(SaveFailureTest, AFileSizeLimitFailsEachSaveWithAMessageAndKeepsTheOldFile) {
    const auto result = RunInChild([&](std::vector<std::string>& out) {
        ReportFileSizeLimitAsSaveFailure();
        const rlimit limit{16, RLIM_INFINITY};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        SaveAndReport(next, old, out);
        return 0;
    });
    ASSERT_EQ(result.status, 0);
    EXPECT_EQ(result.lines, ExpectedReport(old, std::strerror(EFBIG)));
}

// Points earned while the disk is full are shown as not saved, stay in the
// table, and are saved with the next lesson once there is room again.
TEST_F(SaveFailureTest, PointsThatCouldNotBeSavedAreSavedByTheNextSave) {
    const auto result = RunInChild([&](std::vector<std::string>& out) {
        ReportFileSizeLimitAsSaveFailure();
        MessageRecorder messages;
        const rlimit full{16, RLIM_INFINITY};
        ::setrlimit(RLIMIT_FSIZE, &full);
        AddPoints(old.Learner(), "lekcja_2", 32, 70);
        const rlimit room{RLIM_INFINITY, RLIM_INFINITY};
        ::setrlimit(RLIMIT_FSIZE, &room);
        AddPoints(old.Learner(), "lekcja_3", 33, 80);
        out = messages.Messages();
        out.push_back(std::to_string(*PointsFileTotal(old.Paths()[1])));
        return 0;
    });
    ASSERT_EQ(result.status, 0);
    const std::string total = std::to_string(old.Points().Total() + 70 + 80);
    EXPECT_EQ(result.lines,
              (std::vector<std::string>{"Nie można zapisać pliku \"" + old.Paths()[1] +
                                            "\": File too large. Poprzednia zawartość pliku "
                                            "została zachowana.",
                                        total}));
}

TEST_F(SaveFailureTest, AFolderInThePlaceOfTheFileIsNamedInTheMessage) {
    ASSERT_FALSE(CreateFolder(dir / "2"));
    dir.WriteBytes("2/pkt.txt/kept", "x");
    const auto error = old.Points().SavePoints(dir / "2/");
    ASSERT_TRUE(error);
    // Nothing was saved there before, so nothing is said to be kept.
    EXPECT_EQ(*error, "Nie można zapisać pliku \"" + dir / "2/pkt.txt" + "\": Is a directory.");
    EXPECT_EQ(dir.ReadBytes("2/pkt.txt/kept"), "x");
}

// Gives the child a mount namespace of its own, with the user folder on a
// small file system; false (and the reason) where the system allows no such
// mount, as in an unprivileged container.
bool MountOwnFileSystem(const std::string& folder, std::string& reason) {
    if (::unshare(CLONE_NEWNS) != 0) {
        const uid_t uid = ::getuid();
        const gid_t gid = ::getgid();
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) {
            reason = std::string("no mount namespace: ") + std::strerror(errno);
            return false;
        }
        const auto put = [](const char* file, const std::string& text) {
            const int fd = ::open(file, O_WRONLY | O_CLOEXEC);
            const bool ok = fd >= 0 && ::write(fd, text.data(), text.size()) ==
                                           static_cast<ssize_t>(text.size());
            ::close(fd);
            return ok;
        };
        put("/proc/self/setgroups", "deny");
        if (!put("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
            !put("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1")) {
            reason = "the user namespace cannot map this user";
            return false;
        }
    }
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("lumora-test", folder.c_str(), "tmpfs", 0, "size=64k") != 0) {
        reason = std::string("cannot mount a file system: ") + std::strerror(errno);
        return false;
    }
    return true;
}

// Fills the file system that holds the folder until it has no room left.
void FillUp(const std::string& folder) {
    const int fd = ::open((folder + "filler").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    const std::string block(512, 'x');
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    ::close(fd);
}

TEST_F(SaveFailureTest, AFullDiskAndAReadOnlyFolderKeepTheOldFiles) {
    const std::string folder = dir.Path();
    const auto result = RunInChild([&](std::vector<std::string>& out) {
        std::string reason;
        if (!MountOwnFileSystem(folder, reason)) {
            out.push_back(reason);
            return kSkipped;
        }
        if (CreateFolder(folder + "1") || !old.SaveAll().empty()) {
            return 2;
        }
        FillUp(folder);
        SaveAndReport(next, old, out);
        ::unlink((folder + "filler").c_str());
        if (::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0) {
            return 3;
        }
        SaveAndReport(next, old, out);
        return 0;
    });
    if (result.status == kSkipped) {
        GTEST_SKIP() << "a full disk and a read-only folder need a mount of the test's own, "
                        "which this system refuses: "
                     << (result.lines.empty() ? "" : result.lines[0]);
    }
    ASSERT_EQ(result.status, 0);
    auto expected = ExpectedReport(old, std::strerror(ENOSPC));
    const auto readOnly = ExpectedReport(old, std::strerror(EROFS));
    expected.insert(expected.end(), readOnly.begin(), readOnly.end());
    EXPECT_EQ(result.lines, expected);
}

} // namespace
} // namespace lumora
