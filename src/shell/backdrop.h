#pragma once
// The black backdrop behind the 800 x 600 screens: it covers the whole
// display, so nothing of the desktop shows around them, and takes no input.
#include <QWidget>

namespace lumora {

class TPodkladForm : public QWidget {
  public:
    TPodkladForm();
    void ShowBehind();
};

} // namespace lumora
