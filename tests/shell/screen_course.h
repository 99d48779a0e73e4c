#pragma once
// A course for the dialog tests: loaded from a temporary folder with the
// dialogs' texts and hints and their background pictures, made the
// program's course while the fixture lives.
#include "course/course_data.h"
#include "course_builder.h"
#include "qt_test_app.h"

namespace lumora::test {

class ScreenCourse : public WidgetTest {
  protected:
    ScreenCourse();
    ~ScreenCourse() override;

    // Writes a plain picture of the given size into the course.
    void WritePicture(const std::string& relative, int width, int height) const;
    std::string SettingsFile() const;

    CourseBuilder builder;

  private:
    CourseData saved_;
};

} // namespace lumora::test
