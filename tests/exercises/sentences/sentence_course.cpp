#include "sentence_course.h"

#include <array>
#include <utility>

namespace lumora::test {

CourseData SentenceCourse(int code, int rows) {
    CourseData course;
    course.DataRoot = "/nowhere/course/";
    SteeringRow lesson;
    lesson.TopicFolder = "czas";
    lesson.Content = "Czas_Zdania";
    lesson.Code = code;
    if (code == 9) {
        // Pairs 5 and 6 place the gap frame.
        const std::array<std::pair<int, int>, 6> pairs{
            {{1, 1}, {1, 1}, {1, 1}, {1, 1}, {60, 372}, {680, 130}}};
        for (std::size_t i = 0; i < pairs.size(); ++i) {
            lesson.LayoutX[i] = pairs[i].first;
            lesson.LayoutY[i] = pairs[i].second;
        }
        lesson.LayoutCount = 6;
    }
    course.SteeringTable.push_back(lesson);
    for (int i = 1; i <= rows; ++i) {
        const std::string n = std::to_string(i);
        DataRow row;
        row.TopicKey = "czas";
        row.GroupKey = "czas_zdania";
        row.EnglishText = "Sentence <w" + n + ">.";
        row.PictureFile = "p" + n + ".png";
        row.SoundFile = "s" + n + ".wav";
        row.Field9 = "n" + n + ".wav";
        row.Field14 = "e" + n;
        row.Field15 = "f" + n;
        course.DataTable.push_back(row);
    }
    return course;
}

LessonState StartLesson(const CourseData& course) {
    LessonState lesson;
    lesson.CurrentTopic = "czas";
    BeginLesson(course, lesson, 1);
    return lesson;
}

std::string PicturePath(const CourseData& course, const std::string& file) {
    return course.DataRoot + "obrazki/czas/zd/" + file;
}

std::string SoundPath(const CourseData& course, const std::string& file) {
    return course.DataRoot + "sample/czas/zd/" + file;
}

} // namespace lumora::test
