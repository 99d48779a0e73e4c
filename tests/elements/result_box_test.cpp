#include "course/course_data.h"
#include "elements/result_box.h"
#include "elements/result_comment.h"
#include "fake_media_player.h"
#include "platform/message_box.h"
#include "platform/random.h"
#include "platform/ui/accessibility.h"
#include "platform/ui/timer.h"
#include "qt_test_app.h"
#include "sound/sound_service.h"
#include "temp_folder.h"

#include <QAccessible>
#include <QImage>

#include <filesystem>
#include <set>

namespace lumora {
namespace {

// The comments drawn for one result over many draws of a seeded generator.
std::set<std::string> Comments(int correct, int wrong, int answered, int items) {
    FixRandomSeed(4711);
    std::set<std::string> seen;
    for (int i = 0; i < 400; ++i) {
        seen.insert(ChooseResultComment(correct, wrong, answered, items));
    }
    ReleaseRandomSeed();
    return seen;
}

std::set<std::string> Numbered(const std::string& set, std::initializer_list<int> numbers) {
    std::set<std::string> out;
    for (int n : numbers) {
        out.insert(set + std::to_string(n));
    }
    return out;
}

TEST(ResultScore, RoundsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(ResultScore(8, 2, 8), 80);
    EXPECT_EQ(ResultScore(1, 0, 8), 12); // 12.5
    EXPECT_EQ(ResultScore(3, 0, 8), 38); // 37.5
    EXPECT_EQ(ResultScore(1, 0, 40), 2); // 2.5, exactly
    EXPECT_EQ(ResultScore(2, 1, 2), 67); // 66.67
    EXPECT_EQ(ResultScore(5, 0, 0), 0);  // nothing to divide by
}

TEST(ResultComment, ChosenByTheScoreBand) {
    EXPECT_EQ(Comments(8, 2, 10, 8), Numbered("q2_", {1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(Comments(1, 0, 3, 8), Numbered("q4_", {1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(Comments(3, 0, 3, 5), Numbered("q3_", {1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(Comments(0, 3, 2, 0), Numbered("q5_", {1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(Comments(7, 0, 2, 0), Numbered("q5_", {1, 2, 3, 4, 5, 6})); // nothing to divide by
}

TEST(ResultComment, TenOfTheTopSetOnlyAfterAPerfectResult) {
    EXPECT_EQ(Comments(5, 0, 5, 5), Numbered("q1_", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(Comments(9, 1, 10, 9), Numbered("q1_", {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12}));
}

TEST(ResultComment, SingleAnswerAndNoAnswer) {
    EXPECT_EQ(Comments(1, 0, 1, 1), Numbered("q1_", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(Comments(0, 1, 1, 1), (std::set<std::string>{"q6_1", "q6_2"}));
    EXPECT_EQ(Comments(3, 0, 0, 3), std::set<std::string>{""});
    EXPECT_EQ(Comments(9, 0, 2, 3), std::set<std::string>{""}); // above 100
}

TEST(ResultBackground, MedalChosenByTheScore) {
    EXPECT_EQ(ResultBackgroundName(0, 0, 8), "gfx\\statystyka.bmp");  // nothing right
    EXPECT_EQ(ResultBackgroundName(0, 0, 0), "gfx\\statystyka.bmp");  // left at once
    EXPECT_EQ(ResultBackgroundName(4, 1, 8), "gfx\\statystyka.bmp");  // 44
    EXPECT_EQ(ResultBackgroundName(4, 0, 8), "gfx\\statystyka3.bmp"); // 50: bronze
    EXPECT_EQ(ResultBackgroundName(8, 2, 8), "gfx\\statystyka2.bmp"); // 80: silver
    EXPECT_EQ(ResultBackgroundName(9, 1, 9), "gfx\\statystyka1.bmp"); // 90: gold
    EXPECT_EQ(ResultBackgroundName(5, 0, 5), "gfx\\statystyka1.bmp"); // 100
    EXPECT_EQ(ResultBackgroundName(9, 0, 3), "gfx\\statystyka.bmp");  // above 100
}

// The result box over a course with texts 15 and 16 and a background.
class ResultBox : public test::WidgetTest {
  protected:
    ResultBox() {
        course.DataRoot = dir.Path();
        course.TextTable[15] = "Punkty:";
        course.TextTable[16] = "Razem:";
        dir.MakeFolder("gfx");
        WriteBackground("gfx/statystyka.bmp", Qt::darkBlue);
        dir.MakeFolder("polecenia");
        for (int n = 1; n <= 12; ++n) {
            dir.WriteBytes("polecenia/q2_" + std::to_string(n) + ".wav", "RIFF");
        }
    }

    void WriteBackground(const std::string& name, Qt::GlobalColor colour) {
        QImage background(277, 134, QImage::Format_RGB32);
        background.fill(colour);
        background.save(QString::fromStdString(dir / name), "BMP");
    }

    // The colour of the background the box showed for a result.
    QColor BackgroundShown(int correct, int wrong, int items) {
        QColor shown;
        test::WhenIdle([&] {
            shown = box.Image1->Image().pixelColor(10, 10);
            clock.Advance(TWynik_Form::kCloseAfter);
        });
        box.ShowResult(correct * 5, correct, wrong, correct + wrong, items, 0);
        return shown;
    }

    CourseData course;
    TestClock clock;
    test::TempFolder dir;
    test::FakeMediaPlayer player;
    test::FakeMediaPlayer side;
    SoundService sound{player, side};
    TWynik_Form box{course, sound};
};

TEST_F(ResultBox, ClosesByItselfAfterThreeSeconds) {
    box.Tag = 5;
    box.Show();
    EXPECT_TRUE(box.Image1->HasImage());
    clock.Advance(2999);
    EXPECT_TRUE(box.isVisible());
    clock.Advance(1);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.Tag, 1);
    EXPECT_FALSE(box.Image1->HasImage()); // released on closing
}

TEST_F(ResultBox, EnterAndTheCloseMarkGiveTagOneEscGivesZero) {
    box.Show();
    test::PressKey(box, Qt::Key_Return);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.Tag, 1);

    test::ShowAndWait(box);
    test::MouseClick(box, {258, 20});
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.Tag, 1);

    box.Show();
    test::PressKey(box, Qt::Key_Escape);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.Tag, 0);
    clock.Advance(5000); // the timer of that showing is over
    EXPECT_EQ(box.Tag, 0);
}

TEST_F(ResultBox, ShowResultFillsSpeaksAndWaits) {
    FixRandomSeed(7);
    std::string caption;
    test::WhenIdle([&] {
        caption = box.Label1->Caption();
        EXPECT_TRUE(box.isVisible());
        clock.Advance(TWynik_Form::kCloseAfter);
    });
    EXPECT_EQ(box.ShowResult(8, 8, 2, 10, 8, 40), 1);
    ReleaseRandomSeed();
    EXPECT_EQ(caption, "Punkty: 8\rRazem: 40");
    EXPECT_EQ(box.Tag, 1);
    ASSERT_EQ(player.plays.size(), 1u);
    const std::string played = player.plays[0];
    EXPECT_EQ(played.substr(0, dir.Path().size() + 13), dir / "polecenia/q2_");
}

TEST_F(ResultBox, AScreenReaderHearsThePointsAndTheTotalAsTheBoxOpens) {
    std::vector<std::string> heard;
    const auto previous = ListenToAnnouncements([&heard](QAccessibleEvent& event) {
        if (event.type() == QAccessible::DescriptionChanged) {
            heard.push_back(
                event.accessibleInterface()->text(QAccessible::Name).toStdString() + ": " +
                event.accessibleInterface()->text(QAccessible::Description).toStdString());
        }
    });
    test::WhenIdle([&] { clock.Advance(TWynik_Form::kCloseAfter); });
    box.ShowResult(8, 8, 2, 10, 8, 40);
    ListenToAnnouncements(previous);
    EXPECT_EQ(heard, std::vector<std::string>{"Wynik: Punkty: 8 Razem: 40"});
}

TEST_F(ResultBox, PictureFollowsTheScoreAndFallsBackToThePlainOne) {
    WriteBackground("gfx/statystyka1.bmp", Qt::yellow);
    WriteBackground("gfx/statystyka3.bmp", Qt::darkYellow);
    EXPECT_EQ(BackgroundShown(0, 3, 8), QColor(Qt::darkBlue)); // no medal for nothing
    EXPECT_EQ(BackgroundShown(8, 0, 8), QColor(Qt::yellow));
    EXPECT_EQ(BackgroundShown(5, 0, 8), QColor(Qt::darkYellow));
    // This course has no silver picture: the plain one stands in.
    EXPECT_EQ(BackgroundShown(6, 0, 8), QColor(Qt::darkBlue));
}

TEST_F(ResultBox, MissingBackgroundIsReportedAndTheBoxStillCloses) {
    MessageRecorder messages;
    std::filesystem::remove(dir / "gfx/statystyka.bmp");
    box.Show();
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_NE(messages.Messages()[0].find("statystyka.bmp"), std::string::npos);
    test::PressKey(box, Qt::Key_Enter);
    EXPECT_FALSE(box.isVisible());
}

} // namespace
} // namespace lumora
