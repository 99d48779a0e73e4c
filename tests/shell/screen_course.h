#pragma once
// A course for the dialog tests: loaded from a temporary folder with the
// dialogs' texts and hints and their background pictures, into a run of the
// test's own.
#include "course/course_data.h"
#include "course_builder.h"
#include "qt_test_app.h"
#include "test_run.h"

namespace lumora::test {

class ScreenCourse : public WidgetTest {
  protected:
    ScreenCourse();

    // Writes a plain picture of the given size into the course.
    void WritePicture(const std::string& relative, int width, int height) const;
    std::string SettingsFile() const;

    CourseBuilder builder;
    TestRun testRun;
    CourseData& course = testRun.run.course;
    Session& session = testRun.run.session;
    RunContext& context = testRun.run.context;
};

} // namespace lumora::test
