#include "course_builder.h"
#include "platform/message_box.h"
#include "users/points_table.h"

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
        course.CurrentUserFolder = b.UserFolder();
    }
    std::string PointsBytes() const { return b.Folder().ReadBytes("user/pkt.txt"); }

    CourseBuilder b;
    CourseData course;
    PointsTable table;
};

TEST_F(PointsTableTest, InitialisedFromTheSteeringTableAndSaved) {
    EXPECT_FALSE(table.LoadPoints(course.CurrentUserFolder));
    EXPECT_EQ(table.Count(), 0);
    table.InitPointsFromSteering(course);
    ASSERT_EQ(table.Count(), 4);
    EXPECT_EQ(table.Rows()[1].Name, "kuchnia_1");
    EXPECT_EQ(table.Rows()[1].Number, 31);
    EXPECT_EQ(table.Rows()[3].Name, "a_key_that_is_longer_than_thir");
    EXPECT_FALSE(table.SavePoints(course.CurrentUserFolder, course.SteeringTable.size()));
    EXPECT_EQ(PointsBytes().size(), 4 * 44u);

    PointsTable again;
    EXPECT_FALSE(again.LoadPoints(course.CurrentUserFolder));
    EXPECT_EQ(again.Count(), 4);
    EXPECT_EQ(again.Rows()[2].Name, "7");
    EXPECT_EQ(again.Rows()[2].Number, 35);
}

TEST_F(PointsTableTest, PointsOnlyRiseAndFinishingMarksDone) {
    table.InitPointsFromSteering(course);
    MessageRecorder messages;
    AddPoints(course, table, "7", 35, 0);
    EXPECT_TRUE(table.IsDone(3));
    EXPECT_EQ(table.Rows()[2].Points, 0);
    AddPoints(course, table, "7", 35, 20);
    AddPoints(course, table, "7", 35, 10);
    EXPECT_EQ(table.Rows()[2].Points, 20);
    EXPECT_EQ(table.Total(), 20);
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_FALSE(table.IsDone(1));
    EXPECT_FALSE(table.IsDone(99));

    PointsTable saved;
    saved.LoadPoints(course.CurrentUserFolder);
    EXPECT_EQ(saved.Rows()[2].Points, 20);
    EXPECT_TRUE(saved.Rows()[2].Done);
}

TEST_F(PointsTableTest, UnknownLessonIsReportedAndTheFileSavedUnchanged) {
    table.InitPointsFromSteering(course);
    table.SavePoints(course.CurrentUserFolder, course.SteeringTable.size());
    const std::string before = PointsBytes();
    MessageRecorder messages;
    AddPoints(course, table, "7", 36, 50);         // right key, other kind
    AddPoints(course, table, "Kuchnia_1", 30, 50); // keys compare case-sensitively
    EXPECT_EQ(messages.Messages(),
              (std::vector<std::string>{kPointsNotFoundMessage, kPointsNotFoundMessage}));
    EXPECT_EQ(PointsBytes(), before);
}

TEST_F(PointsTableTest, EveryMatchingRowIsUpdated) {
    table.InitPointsFromSteering(course);
    AddPoints(course, table, "kuchnia_1", 30, 5);
    table.Apply("kuchnia_1", 31, 7);
    EXPECT_EQ(table.Rows()[0].Points, 5);
    EXPECT_EQ(table.Rows()[1].Points, 7);
}

TEST_F(PointsTableTest, LongKeysStillRecordTheirPoints) {
    table.InitPointsFromSteering(course);
    MessageRecorder messages;
    AddPoints(course, table, "a_key_that_is_longer_than_thirty_chars", 40, 12);
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(table.Rows()[3].Points, 12);
}

TEST_F(PointsTableTest, ShortFileGainsZeroRecordsAtTheNextSave) {
    b.Folder().WriteBytes("user/pkt.txt", EncodePointsRecord({"kuchnia_1", 30, 40, true}) + "xx");
    EXPECT_FALSE(table.LoadPoints(course.CurrentUserFolder));
    EXPECT_EQ(table.Count(), 1); // a torn trailing record is not read
    AddPoints(course, table, "kuchnia_1", 30, 10);
    const std::string bytes = PointsBytes();
    ASSERT_EQ(bytes.size(), 4 * 44u);
    EXPECT_EQ(bytes.substr(0, 44), EncodePointsRecord({"kuchnia_1", 30, 40, true}));
    EXPECT_EQ(bytes.substr(44), std::string(3 * 44, '\0'));
}

TEST_F(PointsTableTest, ReadingStopsAt350Records) {
    std::string bytes;
    for (int i = 0; i < 360; ++i) {
        bytes += EncodePointsRecord({"k", i, 1, false});
    }
    b.Folder().WriteBytes("user/pkt.txt", bytes);
    table.LoadPoints(course.CurrentUserFolder);
    EXPECT_EQ(table.Count(), 350);
    EXPECT_EQ(PointsFileTotal(b.Folder() / "user/pkt.txt"), 360);
}

} // namespace
} // namespace lumora
