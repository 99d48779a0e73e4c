#pragma once
// The topic screens' backgrounds "tla\menu\<topic>.bmp". Each draws the
// topic's title and illustration and a light card exactly where "ini.t"
// places that topic's lesson list and description, sized to the lessons of
// "Steruj.t", so the list is always readable.
#include "course/course_data.h"
#include "manifest.h"
#include "output.h"

namespace coursegen {

// The illustration of each topic comes from the art list entry
// "tla/menu/<topic>.bmp".
void MakeTopicScreens(Output& out, const lumora::CourseData& course,
                      const QMap<QString, ManifestEntry>& art);

// The extent of a topic's lesson list within its paint box, following the
// topic screen's painting rules: the right edge of the widest title or icon
// and the bottom of the last line.
struct ListExtent {
    int right = 0;
    int bottom = 0;
    QString clash; // a title that runs into an icon of its line, if any
};
ListExtent MeasureLessonList(const lumora::CourseData& course, const lumora::TopicRow& row);

} // namespace coursegen
