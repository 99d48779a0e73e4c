#pragma once
// The message box screen: the caller sets Label1's text and shows the screen
// modally; the close area, Escape, or Enter while the close area is shown
// close it.
#include "platform/ui/form.h"
#include "platform/ui/label.h"
#include "platform/ui/picture.h"

namespace lumora {

struct CourseData;

class TForm20 : public Form {
  public:
    // The course gives the background; it must outlive the screen.
    explicit TForm20(const CourseData& course);

    Picture* img_tlo;
    Label* Label1;
    Label* B_OK;

    void B_OKClick();

  protected:
    void FormShow() override;
    void FormClose() override;
    void FormKeyDown(int& key, Qt::KeyboardModifiers modifiers) override;

  private:
    const CourseData& course_;
};

} // namespace lumora
