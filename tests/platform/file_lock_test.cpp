#include "platform/file_lock.h"
#include "platform/presence_lock.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace lumora {
namespace {

using Clock = std::chrono::steady_clock;

// A child that takes the lock, says so through a pipe and waits to be
// killed.
pid_t HoldInChild(const std::string& file) {
    int ready[2];
    if (::pipe(ready) != 0) {
        return -1;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        const FileLock lock(file);
        const char c = lock.Held() ? 'y' : 'n';
        (void)!::write(ready[1], &c, 1);
        ::pause();
        ::_exit(0);
    }
    char c = 0;
    const bool held = ::read(ready[0], &c, 1) == 1 && c == 'y';
    ::close(ready[0]);
    ::close(ready[1]);
    return held ? child : -1;
}

TEST(FileLock, AHolderInAnotherProcessExcludesUntilItIsKilled) {
    test::TempFolder dir;
    const std::string file = dir / "usr.t.lock";
    const pid_t child = HoldInChild(file);
    ASSERT_GT(child, 0);
    const int fd = OpenLockFile(file, LockFileOwner::Anyone);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(LockWholeFile(fd, false), LockResult::Busy);
    ::close(fd);

    // The next writer waits for the crashed holder, and goes on at once
    // when the system drops its lock.
    const auto start = Clock::now();
    ::kill(child, SIGKILL);
    const FileLock next(file);
    const auto waited = Clock::now() - start;
    ::waitpid(child, nullptr, 0);
    EXPECT_TRUE(next.Held());
    EXPECT_LT(waited, std::chrono::seconds(1));
}

TEST(FileLock, TwoLocksInOneProcessExcludeEachOther) {
    // Locks of the open file, not of the process: closing another descriptor
    // of the file keeps the lock, and a second taker is refused.
    test::TempFolder dir;
    const std::string file = dir / "pkt.txt.lock";
    const FileLock first(file);
    ASSERT_TRUE(first.Held());
    const int other = OpenLockFile(file, LockFileOwner::Anyone);
    ASSERT_GE(other, 0);
    EXPECT_EQ(LockWholeFile(other, false), LockResult::Busy);
    ::close(other);
    const int again = OpenLockFile(file, LockFileOwner::Anyone);
    EXPECT_EQ(LockWholeFile(again, false), LockResult::Busy) << "closing a descriptor dropped it";
    ::close(again);
}

TEST(FileLock, AFolderInPlaceOfTheFileIsNoLock) {
    test::TempFolder dir;
    dir.MakeFolder("usr.t.lock");
    EXPECT_FALSE(FileLock(dir / "usr.t.lock").Held());
}

TEST(PresenceLock, ASecondTakerLearnsTheHoldersComputer) {
    test::TempFolder dir;
    const std::string file = dir / "login.lock";
    {
        const PresenceLock first(file);
        ASSERT_EQ(first.Result(), PresenceLock::State::Held);
        const PresenceLock second(file);
        EXPECT_EQ(second.Result(), PresenceLock::State::Elsewhere);
        EXPECT_EQ(second.Holder(), ComputerName());
        EXPECT_FALSE(ComputerName().empty());
    }
    EXPECT_EQ(PresenceLock(file).Result(), PresenceLock::State::Held);
}

TEST(PresenceLock, AHolderThatWroteNoNameIsStillFound) {
    test::TempFolder dir;
    const std::string file = dir / "login.lock";
    const int fd = OpenLockFile(file, LockFileOwner::Anyone);
    ASSERT_EQ(LockWholeFile(fd, false), LockResult::Held);
    const PresenceLock later(file);
    EXPECT_EQ(later.Result(), PresenceLock::State::Elsewhere);
    EXPECT_EQ(later.Holder(), "");
    ::close(fd);
}

} // namespace
} // namespace lumora
