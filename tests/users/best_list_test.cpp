#include "temp_folder.h"
#include "users/best_list.h"
#include "users/points_table.h"
#include "users/user_registry.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

using test::TempFolder;

// A user with a folder and a points file holding the given points.
void AddUser(const TempFolder& dir, UserList& users, const std::string& name, int id,
             const std::vector<int>& points) {
    users.Append({name, id});
    std::string bytes;
    for (int p : points) {
        bytes += EncodePointsRecord({"k", 30, p, true});
    }
    dir.WriteBytes(std::to_string(id) + "/pkt.txt", bytes);
}

std::vector<BestEntry> Sorted(const TempFolder& dir, const UserList& users) {
    auto list = BuildBestList(users, dir.Path());
    SortBestList(list);
    return list;
}

class BestListTest : public testing::Test {
  protected:
    void AddUser(const std::string& name, int id, const std::vector<int>& points) {
        lumora::AddUser(dir, users, name, id, points);
    }
    std::vector<BestEntry> Sorted() { return lumora::Sorted(dir, users); }

    TempFolder dir;
    UserList users;
};

TEST_F(BestListTest, UsersWithoutAPointsFileAreLeftOut) {
    AddUser("Ann", 1, {10, 20});
    users.Append({"NoFolder", 2});
    users.Append({"NoFile", 3});
    dir.MakeFolder("3");
    const auto list = BuildBestList(users, dir.Path());
    ASSERT_EQ(list.size(), 11u);
    EXPECT_EQ(list[0].name, "Ann");
    EXPECT_EQ(list[0].total, 30);
    EXPECT_EQ(list[1].name, "Brian");
    EXPECT_EQ(list[10].name, "Britney");
}

TEST_F(BestListTest, RanksAndTheirSounds) {
    struct Case {
        std::vector<int> points;
        int rank;
        std::string sound;
    };
    const Case cases[] = {
        {{4000}, 1, "polecenia\\t1.wav"},      // equal to Brian: users come first
        {{3000, 999}, 2, "polecenia\\t2.wav"}, // 3999
        {{1500}, 5, "polecenia\\menu\\m24.wav"},
        {{0}, 11, "polecenia\\menu\\m24.wav"},
    };
    for (const auto& c : cases) {
        TempFolder fresh;
        UserList only;
        lumora::AddUser(fresh, only, "Eve", 1, c.points);
        const auto list = lumora::Sorted(fresh, only);
        const int rank = BestListRank(list, "Eve");
        EXPECT_EQ(rank, c.rank);
        EXPECT_EQ(RankSoundName(rank), c.sound);
    }
}

TEST_F(BestListTest, EqualTotalsKeepUserOrder) {
    AddUser("Ann", 1, {500});
    AddUser("Bob", 2, {600});
    AddUser("Cid", 3, {500});
    const auto list = Sorted();
    std::vector<std::string> names;
    for (const auto& e : list) {
        names.push_back(e.name);
    }
    EXPECT_EQ(names,
              (std::vector<std::string>{"Brian", "Oscar", "Vivien", "Paul", "Chris", "Doris", "Bob",
                                        "John", "Ann", "Cid", "Martin", "Jennifer", "Britney"}));
}

TEST_F(BestListTest, ANameEqualToAFixedNameTakesTheLaterRank) {
    AddUser("Paul", 1, {1900});
    const auto list = Sorted();
    EXPECT_EQ(BestListRank(list, "Paul"), 5); // user Paul 4th, fixed Paul 5th
    EXPECT_EQ(BestListRank(list, "Nobody"), -1);
    EXPECT_EQ(RankSoundName(-1), "polecenia\\menu\\m24.wav");
}

} // namespace
} // namespace lumora
