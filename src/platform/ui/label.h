#pragma once
// A text label: a caption in a font, aligned left, right or centred, wrapped
// at words when asked, and sized to its text when asked (with word wrap only
// the height follows the text). It is transparent unless given a colour, so
// an empty label serves as an invisible click area over a background picture.
#include "canvas.h"
#include "control.h"

#include <optional>
#include <string>

namespace lumora {

enum class Alignment { Left, Right, Center };

struct TextSize {
    int width = 0;
    int height = 0;
};

// The size a label sized to its text takes with that caption and font, one
// line per line break; measured without a window.
TextSize AutoSizeOf(const FontSpec& font, const std::string& caption);

class Label : public Control {
  public:
    explicit Label(QWidget* parent);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    const FontSpec& Font() const { return font_; }
    void SetFont(const FontSpec& font);
    void SetWordWrap(bool on);
    void SetAlignment(Alignment alignment);
    void SetAutoSize(bool on);
    // A solid background colour; nothing keeps the label transparent.
    void SetColor(std::optional<Rgb> colour);

    // A label with a caption reads as a text; an empty one as what it does.
    AccessRole Role() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void Changed();
    int TextFlags() const;

    std::string caption_;
    FontSpec font_;
    bool wordWrap_ = false;
    Alignment alignment_ = Alignment::Left;
    bool autoSize_ = false;
    std::optional<Rgb> colour_;
};

} // namespace lumora
