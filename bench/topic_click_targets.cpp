// Where a learner clicks to open each topic and each lesson of the course:
// the centre of every topic picture on the main menu and of every lesson
// icon on the topic screens, in the screens' own coordinates, laid out by the
// same rules and fonts the screens use. startup_figures.py clicks there.
//
// usage: bench_topic_click_targets COURSE_FOLDER
// prints  topic FOLDER X Y
//         lesson FOLDER CODE X Y
#include "course/course_data.h"
#include "course/load_report.h"
#include "course/main_menu_topics.h"
#include "course/startup_loading.h"
#include "course/topic_list_layout.h"
#include "platform/path_resolver.h"
#include "platform/ui/painter_canvas.h"
#include "platform/ui/ui_setup.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>

namespace {

using namespace lumora;

// The topic screen's list area when the topic's row does not place it.
constexpr int kListLeft = 344;
constexpr int kListTop = 56;
constexpr int kListWidth = 445;

void PrintLessons(const CourseData& course, const std::string& topic) {
    QImage surface(800, 600, QImage::Format_ARGB32);
    QPainter painter(&surface);
    PainterCanvas canvas(painter, 800, 600, {0, 0, 800, 600});
    canvas.Font.face = "Arial";
    canvas.Font.size = 10;
    const auto measure = [&canvas](bool height) {
        return [&canvas, height](const std::string& text, bool bold) {
            canvas.Font.bold = bold;
            return height ? canvas.TextHeight(text) : canvas.TextWidth(text);
        };
    };
    int left = kListLeft;
    int top = kListTop;
    if (const TopicRow* row = course.FindTopic(topic)) {
        left = row->ListLeft;
        top = row->ListTop;
    }
    const TopicListStyle style = TopicStyle(course, topic, {.width = kListWidth});
    const TopicListLayout layout =
        LayOutTopicList(course, TopicLessons(course, topic), style, measure(false), measure(true),
                        [](int) { return false; });
    for (const TopicHitArea& area : layout.hitAreas) {
        std::printf("lesson %s %d %d %d\n", topic.c_str(), area.code,
                    left + (area.left + area.right) / 2, top + (area.top + area.bottom) / 2);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_topic_click_targets COURSE_FOLDER\n");
        return 2;
    }
    QApplication app(argc, argv);
    SetUpUserInterface();
    QTemporaryDir users;
    CourseData course;
    UserSettings settings;
    auto report = LoadReport::ForProgram();
    if (!LoadCourse(course, settings,
                    {WithTrailingSlash(argv[1]), users.path().toStdString() + "/", true, {}},
                    report)) {
        return 1;
    }
    for (const MenuTopic& topic : MenuTopics()) {
        std::printf("topic %s %d %d\n", topic.folder, topic.left + kMenuTopicSize / 2,
                    topic.top + kMenuTopicSize / 2);
        PrintLessons(course, topic.folder);
    }
    return 0;
}
