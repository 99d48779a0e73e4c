// The crossword's word list and the random parts of a new crossword.
#include "exercises/crossword/crossword_draw.h"
#include "exercises/crossword/crossword_list.h"
#include "platform/random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace lumora {
namespace {

std::vector<CrosswordLine> Lines(const std::vector<std::string>& words) {
    std::vector<std::string> text;
    for (const auto& w : words) {
        text.push_back(w + ".bmp=" + w);
    }
    return ParseCrosswordList(text).lines;
}

TEST(CrosswordList, SplitsPictureAndWordAtTheFirstEquals) {
    struct Case {
        std::string line;
        bool hasEquals;
        std::string picture, word;
        int length;
    };
    const std::vector<Case> cases{
        {" cat.bmp = House ", true, "cat.bmp", "House", 5},
        {"a.bmp=b=c", true, "a.bmp", "b=c", 3},
        {"żółw.bmp=żółw", true, "żółw.bmp", "żółw", 4}, // characters, not bytes
        {"no equals here", false, "", "", 0},
        {"", false, "", "", 0},
    };
    for (const auto& c : cases) {
        const auto list = ParseCrosswordList({c.line});
        ASSERT_EQ(list.lines.size(), 1u);
        const auto& l = list.lines[0];
        EXPECT_EQ(l.hasEquals, c.hasEquals) << c.line;
        EXPECT_EQ(l.picture, c.picture) << c.line;
        EXPECT_EQ(l.word, c.word) << c.line;
        EXPECT_EQ(l.length, c.length) << c.line;
        EXPECT_EQ(l.line, 1);
    }
}

TEST(CrosswordList, KeepsOnlyTheFirstHundredLines) {
    const auto list = ParseCrosswordList(std::vector<std::string>(105, "p.bmp=word"));
    EXPECT_EQ(list.lines.size(), 100u);
    EXPECT_EQ(list.totalLines, 105);
    EXPECT_EQ(list.lines.back().line, 100);
}

TEST(CrosswordDraw, OneWordOfEachPresentLengthFromFourToTwelve) {
    // Lengths 3, 4, 5, 5, 12, 13 and 7.
    const auto lines =
        Lines({"cat", "bird", "horse", "mouse", "hippopotamus", "hippopotamuss", "giraffe"});
    FixRandomSeed(1);
    std::map<int, int> fives;
    for (int round = 0; round < 200; ++round) {
        const auto picked = DrawCrosswordWords(lines);
        ASSERT_EQ(picked.size(), 4u);
        EXPECT_TRUE(std::is_sorted(picked.begin(), picked.end())); // file order
        std::multiset<int> lengths;
        for (int i : picked) {
            lengths.insert(lines[static_cast<std::size_t>(i)].length);
            if (lines[static_cast<std::size_t>(i)].length == 5) {
                ++fives[i];
            }
        }
        EXPECT_EQ(lengths, (std::multiset<int>{4, 5, 7, 12}));
    }
    // Both five-letter words come up, each about half of the time.
    EXPECT_GT(fives[2], 70);
    EXPECT_GT(fives[3], 70);
    ReleaseRandomSeed();
}

TEST(CrosswordDraw, NothingToDrawWithoutAWordOfFourToTwelve) {
    EXPECT_TRUE(DrawCrosswordWords(Lines({"cat", "hippopotamuss"})).empty());
    EXPECT_TRUE(DrawCrosswordWords({}).empty());
}

TEST(CrosswordDraw, SeededDrawsGiveTheGoldenRowsAndPlaces) {
    const auto lines = Lines({"bird", "wolf", "horse", "mouse", "monkey", "rabbit", "giraffe",
                              "elephant", "squirrel", "crocodile"});
    FixRandomSeed(42);
    auto rows = DrawCrosswordWords(lines);
    EXPECT_EQ(rows, (std::vector<int>{1, 3, 5, 6, 7, 9}));
    ShuffleCrosswordRows(rows);
    EXPECT_EQ(rows, (std::vector<int>{9, 6, 5, 1, 3, 7}));
    EXPECT_EQ(PlaceCrosswordPictures(6), (std::vector<int>{1, 0, 3, 4, 2, 5}));
    ReleaseRandomSeed();
}

TEST(CrosswordDraw, ShuffleExchangesDifferentRowsAndLeavesOneRowAlone) {
    FixRandomSeed(5);
    std::vector<int> one{7};
    ShuffleCrosswordRows(one); // would never end if it waited for two rows
    EXPECT_EQ(one, std::vector<int>{7});
    std::vector<int> two{1, 2};
    ShuffleCrosswordRows(two); // two exchanges of the only pair
    EXPECT_EQ(two, (std::vector<int>{1, 2}));
    ReleaseRandomSeed();
}

TEST(CrosswordDraw, PicturesTakeTheFirstPlacesEachOnce) {
    FixRandomSeed(8);
    for (int n = 1; n <= 9; ++n) {
        auto places = PlaceCrosswordPictures(n);
        std::sort(places.begin(), places.end());
        std::vector<int> expected(static_cast<std::size_t>(n));
        for (int j = 0; j < n; ++j) {
            expected[static_cast<std::size_t>(j)] = j;
        }
        EXPECT_EQ(places, expected) << n;
    }
    ReleaseRandomSeed();
    EXPECT_EQ(kCrosswordPicturePlaces[0].left, 578);
    EXPECT_EQ(kCrosswordPicturePlaces[9].top, 38);
}

TEST(CrosswordDraw, RowsAreCentredAndShiftedByWholeSquares) {
    struct Case {
        int n, k, length;
        int top, width;
    };
    const std::vector<Case> cases{
        {9, 1, 4, 172, 85}, // (220 - 198) / 2 + 140 = 151, then one square down
        {9, 9, 12, 340, 253},
        {1, 1, 5, 260, 106}, // (220 - 22) / 2 + 140 = 239
        {2, 2, 7, 270, 148}, // 228 + 42
    };
    FixRandomSeed(3);
    std::set<int> lefts;
    for (int round = 0; round < 50; ++round) {
        for (const auto& c : cases) {
            const RowGeometry g = CrosswordRowGeometry(c.n, c.k, c.length);
            EXPECT_EQ(g.top, c.top);
            EXPECT_EQ(g.width, c.width);
            lefts.insert(g.left);
        }
    }
    ReleaseRandomSeed();
    EXPECT_EQ(lefts, (std::set<int>{290, 311, 332, 353}));
}

} // namespace
} // namespace lumora
