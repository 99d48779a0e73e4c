#include "platform/text_file.h"
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

TEST(UserListFile, LinesNotUnderstoodSurviveANewUserByteForByte) {
    TempFolder dir;
    // Each kind of line the reader cannot use, between users.
    const std::string kept = std::string("1=Ann\r\n") + "2 =Bob\r\n" + // a blank before "="
                             "x7=Cid\r\n" +                            // not a number
                             std::string("5\0=Dan\r\n", 8) +           // a NUL byte
                             "\xEF\xBB\xBF"
                             "9=Eve\r\n" +        // a byte-order mark inside the file
                             "\r\n" +             // an empty line
                             "garbage \x81\r\n" + // no "=", an unassigned byte
                             "3=Fay\r\n";
    dir.WriteBytes("usr.t", kept);
    UserList users;
    const auto faults = users.Read(dir / "usr.t");
    std::vector<int> lines;
    for (const auto& f : faults) {
        lines.push_back(f.line);
    }
    EXPECT_EQ(lines, (std::vector<int>{2, 3, 4, 5}));
    ASSERT_EQ(users.Count(), 2);
    EXPECT_EQ(users.At(2)->Name, "Fay");

    const auto added = users.AddNewName("Gus");
    ASSERT_EQ(added.result, UserList::NameCheck::Accepted);
    EXPECT_EQ(added.entry.Id, 10) << "above 9 on the line that was not understood";
    EXPECT_FALSE(users.Write(dir / "usr.t"));
    EXPECT_EQ(dir.ReadBytes("usr.t"), kept + "10=Gus\r\n");
}

TEST(UserListFile, AByteOrderMarkBeforeTheFirstUserIsPassedOver) {
    TempFolder dir;
    dir.WriteBytes("usr.t", "\xEF\xBB\xBF"
                            "4=Ann\r\n");
    UserList users;
    EXPECT_TRUE(users.Read(dir / "usr.t").empty());
    ASSERT_EQ(users.Count(), 1);
    EXPECT_EQ(users.At(1)->Id, 4);
    users.AddNewName("Bob");
    users.Write(dir / "usr.t");
    EXPECT_EQ(dir.ReadBytes("usr.t"), "\xEF\xBB\xBF"
                                      "4=Ann\r\n5=Bob\r\n");
}

TEST(UserListFile, ANewIdentifierIsAboveEveryNumberedFolder) {
    TempFolder dir;
    dir.WriteText("usr.t", "1=Ann\n");
    dir.MakeFolder("12");          // a learner whose line was lost
    dir.MakeFolder("99999999999"); // beyond any identifier: passed over
    dir.MakeFolder("7b");
    UserList users;
    users.Read(dir / "usr.t");
    EXPECT_EQ(users.AddNewName("Bob").entry.Id, 13);
}

TEST(UserListFile, RepeatedIdentifiersAreReported) {
    TempFolder dir;
    dir.WriteText("usr.t", "1=Ann\n2=Bob\n1=Cid\n");
    UserList users;
    const auto faults = users.Read(dir / "usr.t");
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_EQ(faults[0].line, 3);
    EXPECT_EQ(users.Count(), 3);
    EXPECT_EQ(DescribeUserListFaults(faults, dir / "usr.t"),
              "usr.t, wiersz 3: identyfikator 1 ma też wiersz 1; obaj uczniowie mają wspólny "
              "folder i punkty.\n" +
                  (dir / "usr.t"));
}

TEST(UserListFile, AnUnreadableFileIsReportedAndNeverRewritten) {
    TempFolder dir;
    dir.WriteBytes("usr.t/inside", "x"); // a folder in the file's place
    UserList users;
    const auto faults = users.Read(dir / "usr.t");
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_EQ(faults[0].line, 0);
    EXPECT_NE(faults[0].message.find("Is a directory"), std::string::npos);
    EXPECT_EQ(users.AddNewName("Ann").result, UserList::NameCheck::Accepted);
    const auto error = users.Write(dir / "usr.t");
    ASSERT_TRUE(error);
    EXPECT_EQ(*error, "Nie można odczytać listy uczniów z pliku usr.t: Is a directory. Plik nie "
                      "zostanie zapisany, aby nie utracić żadnego ucznia.\n" +
                          (dir / "usr.t"));
    EXPECT_EQ(dir.ReadBytes("usr.t/inside"), "x");
}

TEST(UserListFile, AllFaultsMakeOneMessage) {
    EXPECT_EQ(DescribeUserListFaults({{0, "Nie można."}, {2, "Źle."}, {5, "Gorzej."}}, "/d/usr.t"),
              "Nie można.\nusr.t, wiersz 2: Źle.\nusr.t, wiersz 5: Gorzej.\n/d/usr.t");
    EXPECT_EQ(DescribeUserListFaults({}, "/d/usr.t"), "");
}

TEST(UserListFile, StaleTemporariesOfAnInterruptedSaveAreRemoved) {
    TempFolder dir;
    dir.WriteText("usr.t", "1=Ann\n");
    dir.WriteText("usr.t.tmp.Ab12Cd", "1=Ann\n2=Bo");
    UserList users;
    users.Read(dir / "usr.t");
    EXPECT_FALSE(PathExists(dir / "usr.t.tmp.Ab12Cd"));
}

TEST(UserListFile, AbsentFileIsAnEmptyList) {
    TempFolder dir;
    UserList users;
    EXPECT_TRUE(users.Read(dir / "usr.t").empty());
    EXPECT_EQ(users.Count(), 0);
}

TEST(UserListFile, CreatingEveAfterAnnAndBobRewritesTheFile) {
    TempFolder dir;
    dir.WriteText("usr.t", "1=Ann\n2=Bob");
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

// Two copies of the program that read usr.t before either added a learner.
TEST(AddingALearner, ReadsTheFileAgainSoNoLearnerIsLostOrShared) {
    TempFolder dir;
    dir.WriteText("usr.t", "1=Ann\n");
    UserList a;
    UserList b;
    a.Read(dir / "usr.t");
    b.Read(dir / "usr.t");
    EXPECT_EQ(a.AddAndSave(dir / "usr.t", "Bob").entry.Id, 2);
    dir.MakeFolder("2");
    dir.MakeFolder("7"); // a learner whose line another copy has not written yet
    const auto cee = b.AddAndSave(dir / "usr.t", "Cee");
    ASSERT_EQ(cee.result, UserList::NameCheck::Accepted);
    EXPECT_EQ(cee.entry.Id, 8);
    EXPECT_EQ(dir.ReadBytes("usr.t"), "1=Ann\r\n2=Bob\r\n8=Cee\r\n");
    ASSERT_EQ(b.Count(), 3) << "the list is the file as written";
    EXPECT_EQ(b.At(3)->Name, "Cee");
    // A name the other copy took meanwhile is a duplicate, and the list
    // stays as it was.
    EXPECT_EQ(a.AddAndSave(dir / "usr.t", "cee").result, UserList::NameCheck::Duplicate);
    EXPECT_EQ(a.Count(), 2);
    EXPECT_EQ(dir.ReadBytes("usr.t"), "1=Ann\r\n2=Bob\r\n8=Cee\r\n");
}

TEST(AddingALearner, ALockThatCannotBeHadRefusesTheLearner) {
    TempFolder dir;
    dir.WriteText("usr.t", "1=Ann\n");
    dir.MakeFolder("usr.t.lock");
    UserList users;
    users.Read(dir / "usr.t");
    const auto r = users.AddAndSave(dir / "usr.t", "Bob");
    EXPECT_EQ(r.result, UserList::NameCheck::Failed);
    EXPECT_EQ(r.detail.substr(r.detail.find('\n') + 1), dir / "usr.t.lock");
    EXPECT_EQ(users.Count(), 1);
    EXPECT_EQ(dir.ReadBytes("usr.t"), "1=Ann\r\n");
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

TEST(NewUserName, CharactersWindows1250LacksAreRefused) {
    UserList users;
    users.Append({"Mu?oz", 1});
    const auto refused = users.AddNewName(" Muñoz ");
    EXPECT_EQ(refused.result, UserList::NameCheck::Unwritable);
    EXPECT_EQ(refused.detail, "ñ");
    EXPECT_EQ(users.Count(), 1);
    EXPECT_EQ(UnwritableCharacterMessage(refused.detail),
              "Znaku „ñ” nie można użyć w imieniu. Proszę wpisać imię bez niego.");
    EXPECT_EQ(users.AddNewName("Łucja Żółć").result, UserList::NameCheck::Accepted);
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
