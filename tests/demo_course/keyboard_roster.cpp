#include "keyboard_roster.h"

#include "fake_media_player.h"
#include "platform/text_file.h"
#include "qt_test_app.h"
#include "shell/screen_roster.h"
#include "test_run.h"

#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace lumora::test {
namespace {

// Presses Enter on the result box whenever it is shown, once it is up.
class ResultAnswerer : public QObject {
  public:
    explicit ResultAnswerer(TWynik_Form& box) : box_(box) { box.installEventFilter(this); }
    int shown = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            ++shown;
            WhenIdle([this] { PressKey(box_, Qt::Key_Return); });
        }
        return false;
    }

  private:
    TWynik_Form& box_;
};

} // namespace

struct KeyboardRoster::Parts {
    QTemporaryDir home;
    FakeMediaPlayer player;
    FakeMediaPlayer side;
    SoundService sound{player, side};
    FakeRecorder recorder;
    Recording recording{recorder, player};
    std::unique_ptr<ScreenRoster> screens;
    std::unique_ptr<ResultAnswerer> result;
};

KeyboardRoster::KeyboardRoster() : parts_(std::make_unique<Parts>()) {
    const std::string users = parts_->home.path().toStdString() + "/";
    WriteFileAtomic(users + "usr.t", "1=Ann\r\n");
    parts_->screens = CreateScreens({LUMORA_DEMO_COURSE_DIR, users, true, users}, nullptr,
                                    SoundParts{parts_->sound, parts_->recording});
    parts_->result = std::make_unique<ResultAnswerer>(*parts_->screens->Wynik_Form);
    TForm9& login = *parts_->screens->Form9;
    login.Show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&login));
    PressKey(login, Qt::Key_Return);
    EXPECT_TRUE(login.LoggedIn());
}

KeyboardRoster::~KeyboardRoster() {
    parts_->result.reset();
    parts_->screens.reset();
}

const CourseData& KeyboardRoster::Course() const {
    return *parts_->screens->Course;
}

int KeyboardRoster::FirstRowOf(int code) const {
    for (int row = 1; row <= static_cast<int>(Course().SteeringTable.size()); ++row) {
        if (Course().Steering(row)->Code == code) {
            return row;
        }
    }
    return 0;
}

LessonScreen* KeyboardRoster::OpenFromTopic(int row) {
    ScreenRoster& screens = *parts_->screens;
    const SteeringRow& r = *Course().Steering(row);
    LessonState& lesson = screens.RunSession.lesson;
    lesson.CurrentTopic = r.TopicFolder;
    lesson.CurrentRow = 0;
    TSecondForm& topic = *screens.SecondForm;
    topic.Show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&topic));
    topic.PaintBox1->grab();
    const auto& areas = topic.HitAreas();
    const auto it = std::find_if(areas.begin(), areas.end(),
                                 [row](const TopicHitArea& a) { return a.row == row; });
    if (it == areas.end()) {
        ADD_FAILURE() << "row " << row << " is not on its topic screen";
        return nullptr;
    }
    const int index = static_cast<int>(it - areas.begin());
    for (int n = 0; n < 60 && topic.LessonKeys().Current() != index; ++n) {
        PressKey(topic, topic.LessonKeys().Current() < index ? Qt::Key_Down : Qt::Key_Up);
    }
    EXPECT_EQ(topic.LessonKeys().Current(), index);
    PressKey(topic, Qt::Key_Return);
    EXPECT_EQ(lesson.CurrentRow, row);
    LessonScreen* screen = screens.Lessons.OpenerOf(r.Code);
    if (screen == nullptr || !screen->isVisible()) {
        ADD_FAILURE() << "no lesson screen opened for row " << row;
        return nullptr;
    }
    EXPECT_TRUE(QTest::qWaitForWindowActive(screen));
    return screen;
}

PointsRow KeyboardRoster::Record(int row) const {
    const SteeringRow& r = *Course().Steering(row);
    const std::string bytes =
        ReadFileBytes(parts_->screens->RunSession.CurrentUserFolder + kPointsFile).value_or("");
    for (const PointsRow& record : DecodePointsFile(bytes, bytes.size())) {
        if (record.Name == r.Content && record.Number == r.Code) {
            return record;
        }
    }
    ADD_FAILURE() << "no record of " << r.Content;
    return {};
}

int KeyboardRoster::ResultsShown() const {
    return parts_->result->shown;
}

Recording& KeyboardRoster::TheRecording() const {
    return parts_->recording;
}

} // namespace lumora::test
