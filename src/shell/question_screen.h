#pragma once
// The yes/no question: the caller sets Label1's text, shows the screen
// modally and reads the answer from Tag (1 yes, 0 no).
#include "elements/transparent_button.h"
#include "platform/ui/form.h"
#include "platform/ui/label.h"
#include "platform/ui/picture.h"

namespace lumora {

struct CourseData;

class TQuestionForm : public Form {
  public:
    // The course gives the picture and hints; it must outlive the screen.
    explicit TQuestionForm(const CourseData& course);

    Picture* Image1;
    Label* Label1;
    TTransparentButton* B_OK;
    TTransparentButton* B_Zamknij;

    void B_OKClick();
    void B_ZamknijClick();

  protected:
    void FormShow() override;
    void FormClose() override;
    bool FormShortCut(int key, Qt::KeyboardModifiers modifiers) override;

  private:
    const CourseData& course_;
};

} // namespace lumora
