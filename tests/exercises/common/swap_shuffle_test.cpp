#include "exercises/common/swap_shuffle.h"
#include "platform/random.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace lumora {
namespace {

std::string Shuffled(std::string items, int swaps, std::uint32_t seed) {
    FixRandomSeed(seed);
    SwapShuffle(static_cast<int>(items.size()), swaps,
                [&items](int a, int b) { std::swap(items[a], items[b]); });
    ReleaseRandomSeed();
    return items;
}

TEST(SwapShuffle, SeededShufflesGiveTheirGoldenOrder) {
    EXPECT_EQ(Shuffled("abcdefgh", 8, 7), "faedbhcg");
    EXPECT_EQ(Shuffled("abcd", 4, 11), "cbda");
    EXPECT_EQ(Shuffled("ab", 1, 3), "ba"); // two items and one exchange
}

TEST(SwapShuffle, ExchangesTwoDifferentPositionsEachTime) {
    FixRandomSeed(5);
    std::vector<std::pair<int, int>> pairs;
    SwapShuffle(3, 50, [&pairs](int a, int b) { pairs.emplace_back(a, b); });
    ReleaseRandomSeed();
    ASSERT_EQ(pairs.size(), 50u);
    for (const auto& [a, b] : pairs) {
        EXPECT_NE(a, b);
        EXPECT_TRUE(a >= 0 && a < 3 && b >= 0 && b < 3);
    }
}

TEST(SwapShuffle, FewerThanTwoPositionsDrawNothingAndEnd) {
    for (int count : {0, 1}) {
        FixRandomSeed(2);
        int exchanges = 0;
        SwapShuffle(count, 4, [&exchanges](int, int) { ++exchanges; });
        const int next = Random(1000);
        FixRandomSeed(2);
        EXPECT_EQ(next, Random(1000)) << "the generator was drawn from";
        ReleaseRandomSeed();
        EXPECT_EQ(exchanges, 0);
    }
}

TEST(SwapShuffle, AFollowedIndexStaysWithItsItem) {
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        std::string items = "abcdef";
        int where = 3; // 'd'
        FixRandomSeed(seed);
        SwapShuffle(6, 6, [&](int a, int b) {
            std::swap(items[a], items[b]);
            where = FollowSwap(where, a, b);
        });
        ReleaseRandomSeed();
        EXPECT_EQ(items[static_cast<std::size_t>(where)], 'd') << "seed " << seed;
    }
}

} // namespace
} // namespace lumora
