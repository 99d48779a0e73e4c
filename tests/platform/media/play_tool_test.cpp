#include <gtest/gtest.h>

#include <sys/wait.h>
#include <time.h>

#include <cstdint>
#include <cstdio>
#include <regex>
#include <string>

#include "engine_support.h"
#include "platform/text_file.h"
#include "temp_folder.h"

namespace {

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

ToolRun PlayTool(const lumora::test::TempFolder& dir, const std::string& environment,
                 const std::string& files) {
    const std::string command =
        environment + " '" + LUMORA_PLAY_TOOL + "' " + files + " 2>'" + dir.Path() + "err.txt'";
    ToolRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    char buffer[512];
    while (pipe != nullptr && std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
        run.out += buffer;
    }
    run.status = pipe != nullptr ? WEXITSTATUS(::pclose(pipe)) : -1;
    run.err = lumora::ReadFileBytes(dir / "err.txt").value_or("");
    return run;
}

TEST(PlayToolTest, SaysHowEachPlayEndedAndFailsOnABadFile) {
    lumora::test::TempFolder dir;
    lumora::test::WriteTone(dir / "tone.wav", 300);
    dir.WriteBytes("bad.mpg", std::string(3000, '\x11'));
    const ToolRun run = PlayTool(dir, "SDL_AUDIODRIVER=dummy",
                                 "'" + (dir / "tone.wav") + "' '" + (dir / "bad.mpg") + "'");
    const std::regex expected(".*tone\\.wav: successful after [0-9]+ ms, length 300 ms\n"
                              ".*bad\\.mpg: failure: .+\n");
    EXPECT_TRUE(std::regex_match(run.out, expected)) << run.out;
    EXPECT_EQ(run.status, 1);
}

TEST(PlayToolTest, WithoutASoundDeviceFallsBackOnceAndStillPlays) {
    lumora::test::TempFolder dir;
    lumora::test::WriteTone(dir / "a.wav", 200);
    lumora::test::WriteTone(dir / "b.wav", 200);
    const ToolRun run = PlayTool(dir, "SDL_AUDIODRIVER=no_such_driver",
                                 "'" + (dir / "a.wav") + "' '" + (dir / "b.wav") + "'");
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("b.wav: successful"), std::string::npos) << run.out;
    // One line for the whole run, however many files play.
    const std::string line = "lumora: no sound device";
    const std::size_t first = run.err.find(line);
    EXPECT_NE(first, std::string::npos) << run.err;
    EXPECT_EQ(run.err.find(line, first + 1), std::string::npos) << run.err;
}

std::int64_t MonotonicNanos() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

// Start-up benchmarks read this line; its form is fixed.
TEST(PlayToolTest, TracesTheFirstSoundOnceWhenAsked) {
    lumora::test::TempFolder dir;
    lumora::test::WriteTone(dir / "a.wav", 200);
    lumora::test::WriteTone(dir / "b.wav", 200);
    const std::string files = "'" + (dir / "a.wav") + "' '" + (dir / "b.wav") + "'";
    const std::int64_t before = MonotonicNanos();
    const ToolRun traced = PlayTool(dir, "SDL_AUDIODRIVER=dummy LUMORA_TRACE_SOUND=1", files);
    const std::int64_t after = MonotonicNanos();
    std::smatch found;
    ASSERT_TRUE(
        std::regex_search(traced.err, found, std::regex("(^|\n)lumora: first sound at ([0-9]+)\n")))
        << traced.err;
    const std::int64_t at = std::stoll(found[2]);
    EXPECT_GT(at, before);
    EXPECT_LT(at, after);
    EXPECT_EQ(traced.err.find("first sound", found.position(0) + found.length(0)),
              std::string::npos)
        << "one line per process: " << traced.err;

    const ToolRun quiet = PlayTool(dir, "SDL_AUDIODRIVER=dummy LUMORA_TRACE_SOUND=", files);
    EXPECT_EQ(quiet.err.find("first sound"), std::string::npos) << quiet.err;
}

} // namespace
