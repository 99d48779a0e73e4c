#pragma once
// The information screen: a help or instruction text (HelpText) painted with
// its marks and inline icons, scroll arrows that repeat while held, a close
// mark, and a handle to drag the screen by. Up and Down scroll as the arrows do.
#include "fcs_image.h"
#include "help_page.h"
#include "help_painter.h"
#include "platform/ui/form.h"
#include "platform/ui/label.h"
#include "platform/ui/paint_box.h"
#include "platform/ui/picture.h"

#include <string>

namespace lumora {

struct CourseData;

class TInformacjaForm : public Form {
  public:
    // The course gives the background; it must outlive the screen.
    explicit TInformacjaForm(const CourseData& course);

    // The text shown; the caller sets it before showing the screen.
    std::string HelpText;

    Picture* Image2;
    PaintBox* Pb1;
    Label* B_OK;
    Picture* img_pomoc;
    Picture* img_glosnik;
    TFCSImage1* btn_up;
    TFCSImage1* btn_dn;
    Label* Label1;

    const HelpPage& Page() const { return page_; }

    void Pb1Paint(Canvas& canvas);
    void btn_upClick();
    void btn_dnClick();
    void B_OKClick();
    void Label1MouseDown(int x, int y);
    void Label1MouseMove(int x, int y);
    void Label1MouseUp();

  protected:
    void FormShow() override;
    void FormClose() override;
    void FormKeyDown(int& key, Qt::KeyboardModifiers modifiers) override;

  private:
    void SetUpArrow(TFCSImage1& arrow, int top, bool up, void (TInformacjaForm::*click)());
    void ShowArrows(ScrollArrows arrows);

    const CourseData& course_;
    HelpPage page_;
    bool dragging_ = false;
    int dragX_ = 0;
    int dragY_ = 0;
};

} // namespace lumora
