// The soak's failure reports: whatever ends a run (a fault signal, a hang)
// prints the replay command and the last 50 events, oldest first, and ends
// the process with a status that says which; and its command line refuses
// what it cannot run.
#include "event_log.h"
#include "failure_guard.h"
#include "soak_options.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <list>
#include <string>
#include <thread>
#include <vector>

namespace lumora::soak {
namespace {

std::string DumpOf(const EventLog& log, const char* reason) {
    std::FILE* file = std::tmpfile();
    log.Dump(fileno(file), reason);
    std::rewind(file);
    std::string text;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) {
        text.append(buffer, n);
    }
    std::fclose(file);
    return text;
}

// A log that lives to the end of the test program, as the soak's does.
EventLog& LogWithEvents(int count) {
    static std::list<EventLog> logs;
    EventLog& log = logs.emplace_back();
    log.SetReplayLine("lumora-soak --seed 42 --events 900");
    for (int i = 1; i <= count; ++i) {
        log.Add(static_cast<std::uint64_t>(i), ("TForm1: key " + std::to_string(i)).c_str());
    }
    return log;
}

TEST(SoakEventLog, KeepsTheLastFiftyEventsOldestFirstWithTheReplayCommand) {
    const std::string dump = DumpOf(LogWithEvents(120), "hang");
    EXPECT_NE(dump.find("lumora-soak: hang\nreplay: lumora-soak --seed 42 --events 900\n"),
              std::string::npos);
    EXPECT_NE(dump.find("the last 50 events, oldest first:\n  71 TForm1: key 71\n"),
              std::string::npos);
    EXPECT_EQ(dump.find("  70 TForm1"), std::string::npos);
    EXPECT_LT(dump.find("  119 TForm1: key 119\n"), dump.find("  120 TForm1: key 120\n"));
    EXPECT_EQ(dump.substr(dump.size() - 22), "  120 TForm1: key 120\n");

    const std::string few = DumpOf(LogWithEvents(3), "crash");
    EXPECT_NE(few.find("the last 3 events, oldest first:\n  1 TForm1: key 1\n  2 TForm1: key 2\n"
                       "  3 TForm1: key 3\n"),
              std::string::npos);
}

TEST(SoakEventLog, CutsALongEventToItsLine) {
    EventLog& log = LogWithEvents(0);
    log.Add(7, std::string(500, 'x').c_str());
    const std::string dump = DumpOf(log, "crash");
    EXPECT_NE(dump.find("  7 " + std::string(EventLog::kLineSize - 3, 'x') + "\n"),
              std::string::npos);
}

TEST(SoakEventLog, FormatsNumbersWithoutTheCLibrary) {
    char buffer[21];
    EXPECT_STREQ(FormatNumber(0, buffer), "0");
    EXPECT_STREQ(FormatNumber(18446744073709551615ull, buffer), "18446744073709551615");
}

using SoakFailureDeathTest = testing::Test;

TEST_F(SoakFailureDeathTest, ACrashPrintsTheSeedAndTheLastEventsAndStillEndsByItsSignal) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer's own fault handler ends the process with its report";
#endif
    EXPECT_EXIT(
        {
            InstallCrashReport(LogWithEvents(60));
            std::raise(SIGSEGV);
        },
        testing::KilledBySignal(SIGSEGV),
        "crash: SIGSEGV\nreplay: lumora-soak --seed 42 --events 900\nthe last 50 events, oldest "
        "first:\n  11 TForm1: key 11\n(.|\n)*  60 TForm1: key 60\n");
    // A real fault: the handler returns, the access faults again and the
    // previous handler (here the default) ends the process.
    EXPECT_EXIT(
        {
            InstallCrashReport(LogWithEvents(1));
            volatile int* wild = reinterpret_cast<volatile int*>(std::strtoul("8", nullptr, 10));
            *wild = 1;
        },
        testing::KilledBySignal(SIGSEGV), "crash: SIGSEGV\n(.|\n)*  1 TForm1: key 1\n");
    EXPECT_EXIT(
        {
            InstallCrashReport(LogWithEvents(2));
            std::abort();
        },
        testing::KilledBySignal(SIGABRT), "crash: SIGABRT\nreplay: lumora-soak --seed 42");
}

TEST_F(SoakFailureDeathTest, NoStepForTheLimitIsAHangWithItsOwnStatus) {
    EXPECT_EXIT(
        {
            Watchdog watchdog(LogWithEvents(5), std::chrono::milliseconds(200));
            std::this_thread::sleep_for(std::chrono::seconds(5));
            std::exit(0);
        },
        testing::ExitedWithCode(kHangExitStatus),
        "hang: no input step for 200 ms\nreplay: lumora-soak --seed 42(.|\n)*  5 TForm1: key 5\n");
}

TEST(SoakWatchdog, StepsComingInTimeKeepTheRunGoing) {
    Watchdog watchdog(LogWithEvents(1), std::chrono::milliseconds(200));
    for (int i = 0; i < 20; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(40));
        watchdog.Beat();
    }
    SUCCEED(); // the watchdog would have ended the test program
}

SoakOptions Parse(std::vector<const char*> args) {
    args.insert(args.begin(), "lumora-soak");
    return ParseSoakOptions(static_cast<int>(args.size()), const_cast<char**>(args.data()));
}

TEST(SoakOptions, ReadsAReplayAndRefusesWhatItCannotRun) {
    const SoakOptions replay = Parse({"--seed", "4000000000", "--events", "100000"});
    ASSERT_TRUE(replay.ok) << replay.error;
    EXPECT_EQ(replay.seed, 4000000000u);
    EXPECT_EQ(replay.events, 100000u);
    EXPECT_EQ(replay.cycles, 0);

    const SoakOptions memory = Parse({"--cycles", "50", "--max-growth-mib", "10"});
    ASSERT_TRUE(memory.ok) << memory.error;
    EXPECT_EQ(memory.events, 0u);
    EXPECT_EQ(memory.maxGrowthMiB, 10.0);

    for (const auto& bad : std::vector<std::vector<const char*>>{
             {"--seed", "-1"},
             {"--events", "12x"},
             {"--cycles", "0"},
             {"--events", "10", "--cycles", "2"},
             {"--seed"},
             {"--colour", "red"},
         }) {
        EXPECT_FALSE(Parse(bad).ok) << bad.front();
    }
}

} // namespace
} // namespace lumora::soak
