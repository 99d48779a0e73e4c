#include "course_builder.h"
#include "users/login.h"
#include "users/points_table.h"
#include "users/session.h"
#include "users/user_registry.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

class LoginTest : public testing::Test {
  protected:
    void SetUp() override {
        course = b.Load();
        users.Append({"Ann", 1});
        users.Append({" Eve ", 3});
    }
    test::CourseBuilder b;
    CourseData course;
    UserList users;
    Session session;
    PointsTable& points = session.points;
};

TEST_F(LoginTest, NewUserGetsAFolderAndAPointsFileFromTheCourse) {
    EXPECT_FALSE(LogIn(course, session, users, 2));
    EXPECT_EQ(session.CurrentUserName, "Eve");
    EXPECT_EQ(session.CurrentUserFolder, b.UserFolder() + "3/");
    EXPECT_EQ(points.Count(), static_cast<int>(course.SteeringTable.size()));
    EXPECT_EQ(b.Folder().ReadBytes("user/3/pkt.txt").size(), course.SteeringTable.size() * 44);
}

TEST_F(LoginTest, ExistingPointsAreKept) {
    b.Folder().WriteBytes("user/1/pkt.txt", EncodePointsRecord({"kuchnia_1", 30, 25, true}));
    EXPECT_FALSE(LogIn(course, session, users, 1));
    // The lessons the file does not hold get their rows; the file itself is
    // rewritten only when points are recorded.
    EXPECT_EQ(points.Count(), static_cast<int>(course.SteeringTable.size()));
    EXPECT_EQ(points.Rows()[0].Points, 25);
    EXPECT_EQ(points.Total(), 25);
    EXPECT_EQ(b.Folder().ReadBytes("user/1/pkt.txt").size(), 44u);
}

TEST_F(LoginTest, AFolderThatCannotBeMadeIsReported) {
    b.Folder().WriteBytes("user/1", "a file where the folder should be");
    const auto error = LogIn(course, session, users, 1);
    ASSERT_TRUE(error);
    EXPECT_NE(error->find("user/1"), std::string::npos);
    EXPECT_TRUE(LogIn(course, session, users, 5));
}

} // namespace
} // namespace lumora
