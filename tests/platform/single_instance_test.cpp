#include "platform/single_instance.h"
#include "platform/text_file.h"
#include "temp_folder.h"

#include <gtest/gtest.h>
#include <optional>
#include <sys/wait.h>
#include <unistd.h>

namespace lumora {
namespace {

TEST(SingleInstanceLock, ASecondHolderIsRefusedUntilTheFirstEnds) {
    test::TempFolder dir;
    const std::string file = dir / "lumora.lock";
    {
        SingleInstanceLock first(file);
        ASSERT_TRUE(first.Held());
        SingleInstanceLock second(file);
        EXPECT_FALSE(second.Held());
    }
    SingleInstanceLock again(file);
    EXPECT_TRUE(again.Held());
}

TEST(SingleInstanceLock, AKilledHolderDoesNotBlockTheNextStart) {
    test::TempFolder dir;
    const std::string file = dir / "lumora.lock";
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        SingleInstanceLock lock(file);
        const char c = lock.Held() ? 'y' : 'n';
        (void)!::write(ready[1], &c, 1);
        ::pause();
        ::_exit(0);
    }
    char c = 0;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    ASSERT_EQ(c, 'y');
    EXPECT_FALSE(SingleInstanceLock(file).Held());
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_TRUE(SingleInstanceLock(file).Held());
}

TEST(SingleInstanceLock, APlaceThatCannotHoldTheLockPassesToTheNext) {
    test::TempFolder dir;
    dir.WriteBytes("planted", "someone else's file");
    ::symlink((dir / "planted").c_str(), (dir / "link.lock").c_str());
    const std::vector<LockPlace> places = {
        {dir / "no/runtime/folder/lumora.lock", false}, // missing, not made
        {dir / "link.lock", false},                     // a link is never followed
        {dir / "data/Lumora_demo/lumora.lock", true},   // made with its folder
    };
    SingleInstanceLock first(places);
    EXPECT_EQ(first.Result(), SingleInstanceLock::State::Held);
    EXPECT_FALSE(PathExists(dir / "no"));
    EXPECT_EQ(dir.ReadBytes("planted"), "someone else's file");
    SingleInstanceLock second(places);
    EXPECT_EQ(second.Result(), SingleInstanceLock::State::OtherCopy);
}

TEST(SingleInstanceLock, NoPlaceAtAllIsToldApartFromAnotherCopy) {
    test::TempFolder dir;
    dir.WriteBytes("file", "x");
    SingleInstanceLock lock(std::vector<LockPlace>{{dir / "file/sub/lumora.lock", true},
                                                   {dir / "missing/lumora.lock", false}});
    EXPECT_EQ(lock.Result(), SingleInstanceLock::State::Unavailable);
    EXPECT_FALSE(lock.Held());
}

TEST(SingleInstanceLock, CopiesOnOneDataFolderShareTheLockWhateverTheirEnvironment) {
    test::TempFolder dir;
    dir.MakeFolder("run");
    test::ScopedEnv data("XDG_DATA_HOME", dir / "home/.local/share");
    std::optional<SingleInstanceLock> first;
    {
        test::ScopedEnv runtime("XDG_RUNTIME_DIR", dir / "run");
        first.emplace(SingleInstanceLock::DefaultPlaces());
        ASSERT_TRUE(first->Held());
        EXPECT_TRUE(PathExists(dir / "home/.local/share/Lumora_demo/lumora.lock"));
    }
    test::ScopedEnv noRuntime("XDG_RUNTIME_DIR");
    EXPECT_EQ(SingleInstanceLock(SingleInstanceLock::DefaultPlaces()).Result(),
              SingleInstanceLock::State::OtherCopy);
    // The same folder named through a link is the same folder.
    ASSERT_EQ(::symlink((dir / "home").c_str(), (dir / "link").c_str()), 0);
    EXPECT_EQ(
        SingleInstanceLock(SingleInstanceLock::PlacesFor(dir / "link/.local/share/Lumora_demo/"))
            .Result(),
        SingleInstanceLock::State::OtherCopy);
    // Another folder of learners' data is another lock.
    EXPECT_TRUE(
        SingleInstanceLock(SingleInstanceLock::PlacesFor(dir / "other/Lumora_demo/")).Held());
}

TEST(SingleInstanceLock, TheFallbackInTheTemporaryFolderIsNamedAfterTheDataFolder) {
    test::TempFolder dir;
    dir.MakeFolder("a");
    ASSERT_EQ(::symlink((dir / "a").c_str(), (dir / "b").c_str()), 0);
    const auto a = SingleInstanceLock::PlacesFor(dir / "a/");
    ASSERT_EQ(a.size(), 2u);
    EXPECT_EQ(a[0].file, dir / "a/lumora.lock");
    EXPECT_EQ(a[1].file.rfind("/tmp/lumora-", 0), 0u);
    EXPECT_EQ(SingleInstanceLock::PlacesFor(dir / "b")[1].file, a[1].file);
    EXPECT_NE(SingleInstanceLock::PlacesFor(dir / "c/")[1].file, a[1].file);
}

} // namespace
} // namespace lumora
