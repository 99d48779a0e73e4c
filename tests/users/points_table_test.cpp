#include "course_builder.h"
#include "platform/message_box.h"
#include "users/login.h"
#include "users/points_table.h"
#include "users/session.h"
#include "users/user_registry.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

using test::CourseBuilder;

TEST(PointsRecord, FortyFourBytesLittleEndian) {
    const std::string bytes = EncodePointsRecord({"kuchnia_1", 30, 258, true});
    ASSERT_EQ(bytes.size(), 44u);
    EXPECT_EQ(bytes[0], 9);
    EXPECT_EQ(bytes.substr(1, 9), "kuchnia_1");
    EXPECT_EQ(bytes.substr(10, 22), std::string(22, '\0'));
    EXPECT_EQ(bytes.substr(32, 4), std::string("\x1E\0\0\0", 4));
    EXPECT_EQ(bytes.substr(36, 4), std::string("\x02\x01\0\0", 4));
    EXPECT_EQ(bytes.substr(40, 4), std::string("\x01\0\0\0", 4));
}

TEST(PointsRecord, NegativeValuesAndLongNames) {
    const PointsRow row{"ąąąąąąąąąąąąąąąąąąąąąąąąąąąąąąąąą", -2, -1, false};
    const std::string bytes = EncodePointsRecord(row);
    EXPECT_EQ(bytes[0], 30);
    EXPECT_EQ(bytes.substr(32, 4), std::string("\xFE\xFF\xFF\xFF", 4));
    const PointsRow back = DecodePointsRecord(bytes);
    EXPECT_EQ(back.Name, "ąąąąąąąąąąąąąąąąąąąąąąąąąąąąąą"); // cut to 30 characters
    EXPECT_EQ(back.Number, -2);
    EXPECT_EQ(back.Points, -1);
}

TEST(PointsRecord, BytesAfterTheNameLengthAreIgnored) {
    std::string bytes = EncodePointsRecord({"abc", 1, 2, false});
    bytes[4] = 'Z';
    bytes[0] = 45; // a damaged length reads at most 30 characters
    EXPECT_EQ(DecodePointsRecord(bytes).Name.size(), 30u);
    bytes[0] = 3;
    EXPECT_EQ(DecodePointsRecord(bytes).Name, "abc");
}

class PointsTableTest : public testing::Test {
  protected:
    void SetUp() override {
        b.Write("Steruj.t", "kuchnia=kuchnia_1=30=====10=\n"
                            "kuchnia=7=35======\n"
                            "dom=a_key_that_is_longer_than_thirty_chars=40======\n");
        course = b.Load();
        session.CurrentUserFolder = b.UserFolder();
    }
    std::string PointsBytes() const { return b.Folder().ReadBytes("user/pkt.txt"); }

    CourseBuilder b;
    CourseData course;
    Session session;
    PointsTable& table = session.points;
};

TEST_F(PointsTableTest, InitialisedFromTheSteeringTableAndSaved) {
    EXPECT_FALSE(table.LoadPoints(session.CurrentUserFolder).error);
    EXPECT_EQ(table.Count(), 0);
    table.InitPointsFromSteering(course);
    ASSERT_EQ(table.Count(), 4);
    EXPECT_EQ(table.Rows()[1].Name, "kuchnia_1");
    EXPECT_EQ(table.Rows()[1].Number, 31);
    EXPECT_EQ(table.Rows()[3].Name, "a_key_that_is_longer_than_thir");
    EXPECT_FALSE(table.SavePoints(session.CurrentUserFolder));
    EXPECT_EQ(PointsBytes().size(), 4 * 44u);

    PointsTable again;
    EXPECT_FALSE(again.LoadPoints(session.CurrentUserFolder).error);
    EXPECT_EQ(again.Count(), 4);
    EXPECT_EQ(again.Rows()[2].Name, "7");
    EXPECT_EQ(again.Rows()[2].Number, 35);
}

TEST_F(PointsTableTest, PointsOnlyRiseAndFinishingMarksDone) {
    table.InitPointsFromSteering(course);
    MessageRecorder messages;
    AddPoints(session, "7", 35, 0);
    EXPECT_TRUE(table.IsDone(3));
    EXPECT_EQ(table.Rows()[2].Points, 0);
    AddPoints(session, "7", 35, 20);
    AddPoints(session, "7", 35, 10);
    EXPECT_EQ(table.Rows()[2].Points, 20);
    EXPECT_EQ(table.Total(), 20);
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_FALSE(table.IsDone(1));
    EXPECT_FALSE(table.IsDone(99));

    PointsTable saved;
    saved.LoadPoints(session.CurrentUserFolder);
    EXPECT_EQ(saved.Rows()[2].Points, 20);
    EXPECT_TRUE(saved.Rows()[2].Done);
}

TEST_F(PointsTableTest, UnknownLessonIsReportedAndTheFileSavedUnchanged) {
    table.InitPointsFromSteering(course);
    table.SavePoints(session.CurrentUserFolder);
    const std::string before = PointsBytes();
    MessageRecorder messages;
    AddPoints(session, "7", 36, 50);         // right key, other kind
    AddPoints(session, "Kuchnia_1", 30, 50); // keys compare case-sensitively
    EXPECT_EQ(messages.Messages(),
              (std::vector<std::string>{kPointsNotFoundMessage, kPointsNotFoundMessage}));
    EXPECT_EQ(PointsBytes(), before);
}

TEST_F(PointsTableTest, EveryMatchingRowIsUpdated) {
    table.InitPointsFromSteering(course);
    AddPoints(session, "kuchnia_1", 30, 5);
    table.Apply("kuchnia_1", 31, 7);
    EXPECT_EQ(table.Rows()[0].Points, 5);
    EXPECT_EQ(table.Rows()[1].Points, 7);
}

TEST_F(PointsTableTest, LongKeysStillRecordTheirPoints) {
    table.InitPointsFromSteering(course);
    MessageRecorder messages;
    AddPoints(session, "a_key_that_is_longer_than_thirty_chars", 40, 12);
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(table.Rows()[3].Points, 12);
}

// Logs in as the one user whose folder is the test's user folder.
class PointsFileTest : public PointsTableTest {
  protected:
    std::optional<std::string> LogInAsAnn() {
        UserList users;
        users.Append({"Ann", 1});
        course.UserDataFolder = b.Folder() / "";
        b.Folder().MakeFolder("1");
        return LogIn(course, session, users, 1);
    }
    std::string Saved() const { return b.Folder().ReadBytes("1/pkt.txt"); }
    void Store(const std::string& bytes) const { b.Folder().WriteBytes("1/pkt.txt", bytes); }
    // The record of steering row i as a new points file holds it.
    std::string Fresh(std::size_t i) const {
        const SteeringRow& s = course.SteeringTable[i];
        return EncodePointsRecord({s.Content.substr(0, 30), s.Code, 0, false});
    }
    MessageRecorder messages;
};

TEST_F(PointsFileTest, AShortFileGainsTheCourseRowsSoEveryLessonRecordsPoints) {
    const std::string first = EncodePointsRecord({"kuchnia_1", 30, 40, true});
    Store(first);
    EXPECT_FALSE(LogInAsAnn());
    EXPECT_TRUE(messages.Messages().empty());
    AddPoints(session, "7", 35, 15); // a lesson the file did not hold
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(Saved(), first + Fresh(1) + EncodePointsRecord({"7", 35, 15, true}) + Fresh(3));
}

TEST_F(PointsFileTest, AFileLongerThanTheCourseIsNeverCut) {
    std::string bytes;
    for (int i = 0; i < 10; ++i) {
        bytes += EncodePointsRecord({"old_" + std::to_string(i), 30, i, true});
    }
    Store(bytes);
    EXPECT_FALSE(LogInAsAnn());
    AddPoints(session, "old_3", 30, 50);
    ASSERT_EQ(Saved().size(), 10 * 44u);
    EXPECT_EQ(Saved().substr(3 * 44, 44), EncodePointsRecord({"old_3", 30, 50, true}));
    EXPECT_EQ(Saved().substr(4 * 44), bytes.substr(4 * 44));
}

TEST_F(PointsFileTest, ATornFileIsReportedKeptAsideAndSavedWhole) {
    const std::string first = EncodePointsRecord({"kuchnia_1", 30, 40, true});
    const std::string torn = first + EncodePointsRecord({"kuchnia_1", 31, 9, true}).substr(0, 20);
    Store(torn);
    EXPECT_FALSE(LogInAsAnn());
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0],
              "Plik punktów 1/pkt.txt był uszkodzony (urwany w rekordzie 2). Odczytano z niego "
              "wszystko, co się dało; kopia uszkodzonego pliku została zachowana jako "
              "1/pkt.txt.damaged.\n" +
                  (b.Folder() / "1/pkt.txt"));
    EXPECT_EQ(b.Folder().ReadBytes("1/pkt.txt.damaged"), torn);
    EXPECT_EQ(Saved(), first + Fresh(1) + Fresh(2) + Fresh(3));
    AddPoints(session, "kuchnia_1", 31, 5);
    EXPECT_EQ(Saved().substr(44, 44), EncodePointsRecord({"kuchnia_1", 31, 5, true}));
}

TEST_F(PointsFileTest, ABadDoneByteOrNameLengthKeepsTheRecordsPoints) {
    std::string bad = EncodePointsRecord({"kuchnia_1", 31, 800, false});
    bad[40] = 7; // a done flag other than 0 or 1
    const std::string longName(35, 'n');
    std::string worse = EncodePointsRecord({longName, 35, 60, true});
    worse[0] = 35;                  // a name longer than a record holds
    worse += longName.substr(0, 3); // and a torn record after it
    const std::string first = EncodePointsRecord({"kuchnia_1", 30, 40, true});
    Store(first + bad + worse);
    b.Folder().WriteBytes("1/pkt.txt.damaged", "an earlier copy");
    EXPECT_FALSE(LogInAsAnn());
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].substr(0, messages.Messages()[0].find(')') + 1),
              "Plik punktów 1/pkt.txt był uszkodzony (liczba błędnych rekordów: 2; urwany w "
              "rekordzie 4)");
    EXPECT_NE(messages.Messages()[0].find(" 1/pkt.txt.damaged.2.\n"), std::string::npos);
    EXPECT_EQ(b.Folder().ReadBytes("1/pkt.txt.damaged"), "an earlier copy");
    EXPECT_EQ(b.Folder().ReadBytes("1/pkt.txt.damaged.2"), first + bad + worse);
    EXPECT_EQ(table.Total(), 900);
    EXPECT_TRUE(table.IsDone(2));
    EXPECT_EQ(Saved(), first + EncodePointsRecord({"kuchnia_1", 31, 800, true}) +
                           EncodePointsRecord({longName.substr(0, 30), 35, 60, true}) + Fresh(3));
    EXPECT_EQ(PointsFileTotal(b.Folder() / "1/pkt.txt.damaged.2"), 900)
        << "the best list counts the points the login reads";
}

TEST_F(PointsFileTest, RecordsOfAllZerosAreFilledFromTheCourse) {
    const std::string zero = EncodePointsRecord({});
    const std::string first = EncodePointsRecord({"kuchnia_1", 30, 40, true});
    Store(first + zero + zero + zero + zero);
    EXPECT_FALSE(LogInAsAnn());
    EXPECT_TRUE(messages.Messages().empty());
    AddPoints(session, "7", 35, 15);
    EXPECT_TRUE(messages.Messages().empty()) << "the lesson has its row";
    EXPECT_EQ(Saved(), first + Fresh(1) + EncodePointsRecord({"7", 35, 15, true}) + Fresh(3) + zero)
        << "a zero record past the course stays as it is";
}

TEST_F(PointsFileTest, AnUnreadableFileRefusesTheLoginAndIsLeftAlone) {
    b.Folder().WriteBytes("1/pkt.txt/inside", "x");
    const auto error = LogInAsAnn();
    ASSERT_TRUE(error);
    EXPECT_EQ(*error, "Nie można odczytać pliku punktów 1/pkt.txt: Is a directory.\n" +
                          (b.Folder() / "1/pkt.txt"));
    EXPECT_EQ(b.Folder().ReadBytes("1/pkt.txt/inside"), "x");
}

TEST_F(PointsTableTest, ReadingStopsAt350Records) {
    std::string bytes;
    for (int i = 0; i < 360; ++i) {
        bytes += EncodePointsRecord({"k", i, 1, false});
    }
    b.Folder().WriteBytes("user/pkt.txt", bytes);
    table.LoadPoints(session.CurrentUserFolder);
    EXPECT_EQ(table.Count(), 350);
    EXPECT_EQ(PointsFileTotal(b.Folder() / "user/pkt.txt"), 360);
}

} // namespace
} // namespace lumora
