// Kills a process that keeps saving the user files at random moments, and
// checks after every kill that each file is whole: byte for byte the old or
// the new version, never cut short, empty or missing, and that what a killed
// save leaves behind does not disturb the next reading.
//
// LUMORA_KILL_SEED replays a run; LUMORA_KILLS sets the number of kills.
#include "course/course_loaders.h"
#include "course/user_settings.h"
#include "platform/text_file.h"
#include "temp_folder.h"
#include "user_file_versions.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace lumora {
namespace {

using Clock = std::chrono::steady_clock;
using test::TemporariesIn;
using test::UserFileVersion;

unsigned EnvNumber(const char* name, unsigned fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? static_cast<unsigned>(std::stoul(value)) : fallback;
}

// Saves the two versions in turn until it is killed; a failed save ends
// the child with status 3, which the parent reports.
[[noreturn]] void SaveForever(const UserFileVersion& a, const UserFileVersion& b) {
    for (;;) {
        if (!a.SaveAll().empty() || !b.SaveAll().empty()) {
            ::_exit(3);
        }
    }
}

// The time the child takes to save both versions once.
Clock::duration RoundTime(const UserFileVersion& a, const UserFileVersion& b) {
    constexpr int kRounds = 20;
    const auto start = Clock::now();
    for (int i = 0; i < kRounds; ++i) {
        a.SaveAll();
        b.SaveAll();
    }
    return (Clock::now() - start) / kRounds;
}

// Reads the three files as the program does at start-up and login; each
// must read without a fault and give the version its bytes are of.
void ExpectReadable(const std::string& folder, bool largeUsers, bool largePoints,
                    bool largeSettings) {
    UserList users;
    EXPECT_TRUE(users.Read(folder + "usr.t").empty());
    EXPECT_EQ(users.Count(), largeUsers ? UserList::kMaxUsers : 3);
    PointsTable points;
    const PointsLoad load = points.LoadPoints(folder + "1/");
    EXPECT_FALSE(load.error || load.damage);
    EXPECT_EQ(points.Count(), largePoints ? PointsTable::kMaxRows : 40);
    CourseData course;
    course.UserDataFolder = folder;
    std::vector<LoadFault> faults;
    LoadReport report([&](const LoadFault& f) { faults.push_back(f); }, false);
    UserSettings settings;
    LoadUserSettings(course, settings, report);
    EXPECT_TRUE(faults.empty());
    EXPECT_EQ(settings.AnimMenu, largeSettings ? 123456789 : 0);
    EXPECT_TRUE(TemporariesIn(folder).empty() && TemporariesIn(folder + "1/").empty())
        << "the readers remove what a killed save left";
}

TEST(KilledSaves, LeaveEveryFileWholeAndReadable) {
    const unsigned seed = EnvNumber("LUMORA_KILL_SEED", std::random_device{}());
    const unsigned kills = EnvNumber("LUMORA_KILLS", 1000);
    test::TempFolder dir;
    ASSERT_FALSE(CreateFolder(dir / "1"));
    const UserFileVersion small(dir.Path(), false);
    const UserFileVersion large(dir.Path(), true);
    const auto round = RoundTime(large, small);
    ASSERT_TRUE(small.SaveAll().empty());
    const auto paths = small.Paths();
    const auto smallBytes = small.Bytes();
    const auto largeBytes = large.Bytes();
    std::cout << "seed " << seed << ", " << kills << " kills, one round of saves takes "
              << std::chrono::duration_cast<std::chrono::microseconds>(round).count() << " us\n";

    // Kill anywhere in the child's first round, in which it saves each file
    // twice, so that every step of every save (writing, syncing, renaming)
    // is hit.
    std::mt19937 rng(seed);
    std::uniform_int_distribution<Clock::rep> delay(0, round.count());
    unsigned largeFound[3] = {};
    unsigned leftTemporaries = 0;
    const auto start = Clock::now();
    for (unsigned k = 1; k <= kills; ++k) {
        const auto wait = Clock::duration(delay(rng));
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            SaveForever(large, small);
        }
        std::this_thread::sleep_for(wait);
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
            << "the saving child ended by itself, status " << status;

        bool isLarge[3] = {};
        for (std::size_t f = 0; f < paths.size(); ++f) {
            const auto bytes = ReadFileBytes(paths[f]);
            ASSERT_TRUE(bytes) << paths[f] << " is missing after kill " << k << ", seed " << seed;
            ASSERT_TRUE(*bytes == smallBytes[f] || *bytes == largeBytes[f])
                << paths[f] << " is torn after kill " << k << " (" << bytes->size()
                << " bytes), seed " << seed;
            isLarge[f] = *bytes == largeBytes[f];
            largeFound[f] += isLarge[f] ? 1 : 0;
        }
        leftTemporaries +=
            TemporariesIn(dir.Path()).empty() && TemporariesIn(dir / "1/").empty() ? 0 : 1;
        ExpectReadable(dir.Path(), isLarge[0], isLarge[1], isLarge[2]);
        if (testing::Test::HasFailure()) {
            FAIL() << "after kill " << k << ", seed " << seed;
        }
    }
    const auto seconds =
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count() /
        1000.0;
    std::cout << kills << " kills in " << seconds << " s, every file whole after each; "
              << "found the new usr.t " << largeFound[0] << " times, pkt.txt " << largeFound[1]
              << ", ini_hdd.t " << largeFound[2] << "; " << leftTemporaries
              << " kills left a temporary file\n";
    // Kills that all landed between saves would prove nothing.
    EXPECT_GT(leftTemporaries, kills / 10);
    for (unsigned found : largeFound) {
        EXPECT_GT(found, 0u);
        EXPECT_LT(found, kills);
    }
}

} // namespace
} // namespace lumora
