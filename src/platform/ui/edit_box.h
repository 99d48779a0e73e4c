#pragma once
// A one-line edit box: text up to a maximum length, in a font and colour,
// with or without a border.
#include "canvas.h"

#include <QLineEdit>

#include <functional>
#include <string>

namespace lumora {

class EditBox : public QLineEdit {
  public:
    explicit EditBox(QWidget* parent);

    std::string Text() const;
    void SetText(const std::string& text);
    // 0 means no limit.
    void SetMaxLength(int characters);
    void SetFont(const FontSpec& font);
    void SetColor(Rgb background);
    void SetBorder(bool on);
    void SetBounds(int left, int top, int width, int height);

    std::function<void()> OnChange;
};

} // namespace lumora
