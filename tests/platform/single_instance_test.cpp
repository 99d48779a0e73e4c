#include "platform/single_instance.h"
#include "temp_folder.h"

#include <gtest/gtest.h>
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

} // namespace
} // namespace lumora
