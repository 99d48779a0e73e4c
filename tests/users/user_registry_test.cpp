#include "temp_folder.h"
#include "users/user_registry.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

using test::TempFolder;

TEST(UserListFile, ReadsIdentifiersAndNames) {
    TempFolder dir;
    dir.WriteText("usr.t", "1=Ann\n  7=Bob  \n\nno separator\n3=Ann=Lee\n4=Łucja\n");
    UserList users;
    EXPECT_TRUE(users.Read(dir / "usr.t").empty());
    ASSERT_EQ(users.Count(), 4);
    EXPECT_EQ(users.At(1)->Name, "Ann");
    EXPECT_EQ(users.At(2)->Id, 7);
    EXPECT_EQ(users.At(2)->Name, "Bob");
    EXPECT_EQ(users.At(3)->Id, 3);
    EXPECT_EQ(users.At(3)->Name, "Ann=Lee");
    EXPECT_EQ(users.At(4)->Name, "Łucja");
    EXPECT_EQ(users.At(5), nullptr);
}

TEST(UserListFile, BadIdentifierIsReportedAndTheRestRead) {
    TempFolder dir;
    dir.WriteText("usr.t", "1=Ann\n2 =Bob\n3=Eve\n");
    UserList users;
    const auto faults = users.Read(dir / "usr.t");
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_EQ(faults[0].line, 2);
    EXPECT_EQ(users.Count(), 2);
    EXPECT_EQ(users.At(2)->Name, "Eve");
}

TEST(UserListFile, AbsentFileIsAnEmptyList) {
    TempFolder dir;
    UserList users;
    EXPECT_TRUE(users.Read(dir / "usr.t").empty());
    EXPECT_EQ(users.Count(), 0);
}

TEST(UserListFile, CreatingEveAfterAnnAndBobRewritesTheFile) {
    TempFolder dir;
    dir.WriteText("usr.t", "1=Ann\n\ngarbage\n2=Bob");
    UserList users;
    users.Read(dir / "usr.t");
    const auto added = users.AddNewName("  Eve ");
    ASSERT_EQ(added.result, UserList::NameCheck::Accepted);
    EXPECT_EQ(added.entry.Id, 3);
    EXPECT_EQ(added.entry.Name, "Eve");
    EXPECT_FALSE(users.Write(dir / "usr.t"));
    EXPECT_EQ(dir.ReadBytes("usr.t"), "1=Ann\r\n2=Bob\r\n3=Eve\r\n");
}

TEST(UserListFile, NamesAreWrittenInWindows1250) {
    TempFolder dir;
    UserList users;
    users.AddNewName("Żaneta");
    users.Write(dir / "usr.t");
    EXPECT_EQ(dir.ReadBytes("usr.t"), "1=\xAF"
                                      "aneta\r\n");
    UserList again;
    again.Read(dir / "usr.t");
    EXPECT_EQ(again.At(1)->Name, "Żaneta");
}

TEST(NewUserName, DuplicatesFoldOnlyAToZ) {
    struct Case {
        std::string typed;
        UserList::NameCheck result;
    };
    const Case cases[] = {
        {" ann ", UserList::NameCheck::Duplicate},
        {"BOB", UserList::NameCheck::Duplicate},
        {"ąnia", UserList::NameCheck::Accepted}, // Ąnia differs only in a letter with a diacritic
        {"Anna", UserList::NameCheck::Accepted},
    };
    for (const auto& c : cases) {
        UserList users;
        users.Append({"Ann", 1});
        users.Append({"Bob", 2});
        users.Append({"Ąnia", 3});
        EXPECT_EQ(users.AddNewName(c.typed).result, c.result) << c.typed;
        EXPECT_EQ(users.Count(), c.result == UserList::NameCheck::Accepted ? 4 : 3);
    }
}

TEST(NewUserName, NextIdentifierIsTheHighestPlusOne) {
    UserList gaps;
    gaps.Append({"A", 2});
    gaps.Append({"B", 9});
    EXPECT_EQ(gaps.AddNewName("C").entry.Id, 10);

    UserList negative;
    negative.Append({"A", -5});
    EXPECT_EQ(negative.AddNewName("B").entry.Id, 1);

    UserList empty;
    EXPECT_EQ(empty.AddNewName("First").entry.Id, 1);
}

TEST(NewUserName, TheListHoldsOneHundredFiftyUsers) {
    UserList users;
    for (int i = 1; i <= UserList::kMaxUsers; ++i) {
        users.Append({"u" + std::to_string(i), i});
    }
    EXPECT_EQ(users.AddNewName("one more").result, UserList::NameCheck::Full);
    EXPECT_EQ(users.Count(), UserList::kMaxUsers);
}

} // namespace
} // namespace lumora
