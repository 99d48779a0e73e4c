#include "lesson_list_check.h"

#include "course_file_names.h"
#include "lesson_kinds.h"
#include "main_menu_topics.h"
#include "platform/text_helpers.h"
#include "topic_list_layout.h"

#include <map>
#include <string>

namespace lumora {
namespace {

std::string Lesson(const SteeringRow& row) {
    return "lesson \"" + row.Title + "\" of " + row.TopicFolder + " (code " +
           std::to_string(row.Code) + ")";
}

void Warn(LoadReport& report, const SteeringRow& row, const std::string& what) {
    report.Fault(kSteeringFile, row.Line, Lesson(row) + ": " + what, FaultKind::Warning);
}

void CheckCode(LoadReport& report, const SteeringRow& row) {
    if (LessonKindOf(row.Code).section != TopicSection::None) {
        return;
    }
    const bool sentenceCode =
        row.Code >= kFirstUnopenedSentenceCode && row.Code <= kLastUnopenedSentenceCode;
    Warn(report, row,
         std::string(sentenceCode ? "codes 5 to 8 open no screen in this program"
                                  : "the code is no lesson kind") +
             "; the topic screen lists the title under no heading and a click opens nothing.");
}

// The main-menu folder that matches a topic in letter case only, or empty.
std::string MenuFolderLike(const std::string& topic) {
    for (const MenuTopic& menu : MenuTopics()) {
        if (LowerCase(menu.folder) == LowerCase(topic)) {
            return menu.folder;
        }
    }
    return {};
}

bool IsMenuFolder(const std::string& topic) {
    for (const MenuTopic& menu : MenuTopics()) {
        if (topic == menu.folder) {
            return true;
        }
    }
    return false;
}

void CheckTopic(LoadReport& report, const SteeringRow& row) {
    const std::string like = MenuFolderLike(row.TopicFolder);
    Warn(report, row,
         "no main-menu topic opens the topic \"" + row.TopicFolder + "\"" +
             (like.empty() ? std::string() : " (the menu opens \"" + like + "\"; case counts)") +
             ", so its lessons are never shown.");
}

} // namespace

void CheckLessonList(const CourseData& course, LoadReport& report) {
    std::map<std::string, int> lessonsOfTopic;
    for (const SteeringRow& row : course.SteeringTable) {
        const int n = ++lessonsOfTopic[row.TopicFolder];
        if (n == 1 && !IsMenuFolder(row.TopicFolder)) {
            CheckTopic(report, row); // once per topic, at its first lesson
        }
        if (n == kMaxTopicLessons + 1) {
            Warn(report, row,
                 "the topic screen shows the first " + std::to_string(kMaxTopicLessons) +
                     " lessons of a topic (added rows included); this one and those after it "
                     "are not shown.");
        }
        CheckCode(report, row);
    }
}

} // namespace lumora
