#pragma once
// The drawing surface of a paint box or control: text in a font given in
// points at 96 pixels per inch, lines with a pen, fills with a brush and
// copies of pictures. Screens and painters draw through it, so a test can
// record what is drawn instead of comparing pixels.
#include "platform/rgb.h"

#include <string>
#include <string_view>

class QImage;

namespace lumora {

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
    bool Empty() const { return width <= 0 || height <= 0; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct FontSpec {
    std::string face = "MS Sans Serif";
    int size = 8;   // points at 96 pixels per inch
    int pixels = 0; // when not 0, the character height in pixels instead of size
    bool bold = false;
    bool italic = false;
    bool underline = false;
    Rgb colour = kBlack;

    // The character height in pixels: size x 96 / 72, rounded.
    int PixelSize() const;
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

struct PenSpec {
    Rgb colour = kBlack;
    int width = 1;
    friend bool operator==(const PenSpec&, const PenSpec&) = default;
};

enum class BrushStyle { Solid, Clear };

struct BrushSpec {
    BrushStyle style = BrushStyle::Solid;
    Rgb colour = kWhite;
    friend bool operator==(const BrushSpec&, const BrushSpec&) = default;
};

class Canvas {
  public:
    virtual ~Canvas() = default;

    // The current font, pen and brush; drawing uses them as they are at the
    // moment of the call.
    FontSpec Font;
    PenSpec Pen;
    BrushSpec Brush;

    // Size of the surface in pixels.
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // The area being painted (normally the whole surface).
    virtual Rect ClipRect() const = 0;

    virtual int TextWidth(std::string_view text) = 0;
    virtual int TextHeight(std::string_view text) = 0;
    // Draws text with its top-left corner at (x, y); with a solid brush the
    // text cell is filled first.
    virtual void TextOut(int x, int y, std::string_view text) = 0;
    // The text as it fits in `width` pixels in the current font: whole, or
    // cut at a character and ended with "…".
    std::string ElidedText(std::string_view text, int width);

    void MoveTo(int x, int y);
    // A line from the pen position to (x, y) with the pen; the pen moves there.
    void LineTo(int x, int y);
    // Fills with the brush (nothing with a clear brush).
    virtual void FillRect(const Rect& area) = 0;
    // Outline with the pen, inside filled with the brush unless it is clear.
    virtual void Rectangle(const Rect& area) = 0;

    // Copies the part of the image that starts at (sourceLeft, sourceTop)
    // into target, same size, keeping the image's transparent pixels out.
    virtual void CopyPicture(const Rect& target, const QImage& image, int sourceLeft,
                             int sourceTop) = 0;
    // The whole image with its top-left corner at (x, y).
    void DrawPicture(int x, int y, const QImage& image);

  protected:
    virtual void DrawLine(int x1, int y1, int x2, int y2) = 0;

  private:
    int penX_ = 0;
    int penY_ = 0;
};

} // namespace lumora
