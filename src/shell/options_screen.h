#pragma once
// The options screen: four boxes that act as one radio group for the
// feedback sound set (1, 2, 3, or drawn at random), saved to the user
// settings when the screen closes.
#include "elements/transparent_button.h"
#include "platform/ui/form.h"
#include "platform/ui/label.h"
#include "platform/ui/picture.h"

#include <array>

namespace lumora {

struct RunContext;

class TOpcjeForm : public Form {
    // First of the members: the labels read their texts when they are made.
    RunContext& run_;

  public:
    explicit TOpcjeForm(RunContext& run);

    Picture* Image5;
    Picture* img_checked;
    Picture* img_normal;
    // The boxes of sound sets 1 to 4; each box's Tag is 1 while it is ticked.
    Picture* Image1;
    Picture* Image2;
    Picture* Image3;
    Picture* Image4;
    Label* Label2;
    Label* Label1;
    Label* Label3;
    Label* Label4;
    Label* Label5;
    TTransparentButton* B_OK;

    void Image1Click(Picture& box);
    void B_OKClick();

  protected:
    void FormShow() override;
    void FormClick() override;
    void FormClose() override;

  private:
    std::array<Picture*, 4> Boxes() const { return {Image1, Image2, Image3, Image4}; }
    void Tick(Picture& box, bool ticked);
    Label* MakeLabel(int left, int top, int text);
    Picture* MakeBox(int top);
};

} // namespace lumora
