// Copies of the program on the computers of a class, all working on one
// learners' folder at once: learners added, points saved, copies killed.
#include "course/course_data.h"
#include "platform/text_file.h"
#include "temp_folder.h"
#include "users/login.h"
#include "users/points_table.h"
#include "users/session.h"
#include "users/user_registry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <map>
#include <random>
#include <regex>
#include <set>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace lumora {
namespace {

using test::TempFolder;

constexpr int kCopies = 8;
constexpr int kLearnersEach = 25;

// One copy of the program that read the list once and adds its learners;
// ends with 0 when each was accepted or refused only for a full list.
[[noreturn]] void AddLearners(const std::string& usr, int copy) {
    UserList stale;
    stale.Read(usr);
    for (int i = 0; i < kLearnersEach; ++i) {
        UserList list = stale;
        const auto r = list.AddAndSave(usr, "c" + std::to_string(copy) + "_" + std::to_string(i));
        if (r.result != UserList::NameCheck::Accepted && r.result != UserList::NameCheck::Full) {
            ::_exit(1);
        }
    }
    ::_exit(0);
}

std::vector<pid_t> StartAdders(const std::string& usr) {
    std::vector<pid_t> children;
    for (int c = 0; c < kCopies; ++c) {
        const pid_t child = ::fork();
        if (child == 0) {
            AddLearners(usr, c);
        }
        children.push_back(child);
    }
    return children;
}

// Every line of usr.t whole, no identifier twice, every learner with a folder.
void ExpectWholeList(const TempFolder& dir, std::size_t expected) {
    const std::string bytes = dir.ReadBytes("usr.t");
    const std::regex line("([0-9]+)=c[0-7]_[0-9]+\r\n");
    std::set<std::string> ids;
    std::size_t lines = 0;
    for (auto it = std::sregex_iterator(bytes.begin(), bytes.end(), line);
         it != std::sregex_iterator(); ++it) {
        ++lines;
        EXPECT_TRUE(ids.insert((*it)[1]).second) << "identifier " << (*it)[1] << " twice";
        EXPECT_TRUE(DirectoryExists(dir / (*it)[1].str())) << "learner " << (*it)[1];
    }
    EXPECT_EQ(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')), lines)
        << "a line that is not whole";
    if (expected > 0) {
        EXPECT_EQ(lines, expected);
    }
    UserList all;
    EXPECT_TRUE(all.Read(dir / "usr.t").empty());
}

TEST(SharedFolder, EightCopiesAddingTwentyFiveLearnersEachFillTheListWithoutAClash) {
    TempFolder dir;
    int ended = 0;
    for (const pid_t child : StartAdders(dir / "usr.t")) {
        int status = 0;
        ::waitpid(child, &status, 0);
        ended += WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    EXPECT_EQ(ended, kCopies);
    // Two hundred were asked for; the list holds 150, and the rest are
    // refused as over the limit, not lost or doubled.
    ExpectWholeList(dir, UserList::kMaxUsers);
}

TEST(SharedFolder, CopiesKilledAtRandomMomentsLeaveNoLearnerHalfMade) {
    TempFolder dir;
    std::mt19937 rng(std::random_device{}());
    const std::vector<pid_t> children = StartAdders(dir / "usr.t");
    std::set<pid_t> killed;
    std::uniform_int_distribution<int> pick(0, kCopies - 1);
    std::uniform_int_distribution<int> wait(0, 40);
    for (int k = 0; k < 3; ++k) {
        std::this_thread::sleep_for(std::chrono::milliseconds(wait(rng)));
        const pid_t victim = children[static_cast<std::size_t>(pick(rng))];
        ::kill(victim, SIGKILL);
        killed.insert(victim);
    }
    for (const pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        if (killed.count(child) == 0) {
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a survivor failed";
        }
    }
    ExpectWholeList(dir, 0);
    UserList all;
    all.Read(dir / "usr.t");
    // Each survivor added all its learners, or the list filled up.
    const int survivors = kCopies - static_cast<int>(killed.size());
    EXPECT_GE(all.Count(), std::min(UserList::kMaxUsers, survivors * kLearnersEach));
}

CourseData CourseOfLessons(int count) {
    CourseData course;
    for (int i = 1; i <= count; ++i) {
        SteeringRow row;
        row.Content = "lesson_" + std::to_string(i);
        row.Code = 30;
        course.SteeringTable.push_back(row);
    }
    return course;
}

constexpr int kLessons = 40;
constexpr int kAdds = 1000;

// The lesson and points of add i of copy w.
std::pair<int, int> Add(int w, int i) {
    return {(i * 7 + w * 3) % kLessons, (i * 37 + w * 101) % 500};
}

TEST(SharedFolder, TwoCopiesAddingPointsToOneLearnerKeepEveryBestResultAndDoneMark) {
    TempFolder dir;
    const CourseData course = CourseOfLessons(kLessons + 5); // five lessons never done
    {
        PointsTable fresh;
        fresh.InitPointsFromSteering(course);
        ASSERT_FALSE(fresh.SavePoints(dir.Path()));
    }
    std::vector<pid_t> children;
    for (int w = 0; w < 2; ++w) {
        const pid_t child = ::fork();
        if (child == 0) {
            PointsTable table; // logged in once, like a copy of the program
            table.LoadPoints(dir.Path());
            for (int i = 0; i < kAdds; ++i) {
                const auto [lesson, points] = Add(w, i);
                table.Apply("lesson_" + std::to_string(lesson + 1), 30, points);
                if (table.MergeAndSave(dir.Path())) {
                    ::_exit(1);
                }
            }
            ::_exit(0);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    std::map<int, int> best;
    for (int w = 0; w < 2; ++w) {
        for (int i = 0; i < kAdds; ++i) {
            const auto [lesson, points] = Add(w, i);
            best[lesson] = std::max(best[lesson], points);
        }
    }
    PointsTable saved;
    ASSERT_FALSE(saved.LoadPoints(dir.Path()).damage);
    ASSERT_EQ(saved.Count(), kLessons + 5);
    for (int lesson = 0; lesson < kLessons + 5; ++lesson) {
        const PointsRow& row = saved.Rows()[static_cast<std::size_t>(lesson)];
        EXPECT_EQ(row.Points, best.count(lesson) ? best[lesson] : 0) << row.Name;
        EXPECT_EQ(row.Done, best.count(lesson) == 1) << row.Name;
    }
}

TEST(SharedFolder, ASaveKeepsWhatAnotherComputerSavedSinceTheLogin) {
    TempFolder dir;
    const CourseData course = CourseOfLessons(3);
    PointsTable here;
    here.InitPointsFromSteering(course);
    // The other computer saved: lesson 1 better than ours, lesson 2 done
    // with nothing, a record of another lesson in place 3, and a fourth.
    dir.WriteBytes("pkt.txt", EncodePointsRecord({"lesson_1", 30, 80, true}) +
                                  EncodePointsRecord({"lesson_2", 30, 0, true}) +
                                  EncodePointsRecord({"other", 35, 90, true}) +
                                  EncodePointsRecord({"lesson_4", 30, 7, true}));
    here.Apply("lesson_1", 30, 50);
    here.Apply("lesson_3", 30, 20);
    ASSERT_FALSE(here.MergeAndSave(dir.Path()));
    EXPECT_EQ(dir.ReadBytes("pkt.txt"), EncodePointsRecord({"lesson_1", 30, 80, true}) +
                                            EncodePointsRecord({"lesson_2", 30, 0, true}) +
                                            EncodePointsRecord({"lesson_3", 30, 20, true}) +
                                            EncodePointsRecord({"lesson_4", 30, 7, true}));
    EXPECT_EQ(here.Total(), 107) << "the table is what was saved";
}

TEST(SharedFolder, ALearnerOpenOnAnotherComputerIsSaidAndTheLoginGoesOn) {
    TempFolder dir;
    Session session;
    session.CurrentUserName = "Ann";
    session.CurrentUserFolder = dir.Path();
    const LearnerPresence first = MarkLearnerOpen(session);
    EXPECT_FALSE(first.warning);
    dir.WriteBytes(kLoginLockFile, "sala-07\n"); // as the first computer wrote it
    const LearnerPresence second = MarkLearnerOpen(session);
    ASSERT_TRUE(second.warning);
    EXPECT_EQ(*second.warning, "Ann ma już otwarty kurs na komputerze „sala-07”. Możesz pracować "
                               "dalej: punkty z obu komputerów zostaną zachowane.");
}

} // namespace
} // namespace lumora
