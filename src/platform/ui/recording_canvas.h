#pragma once
// A canvas that draws nothing and records every drawing call, for tests. Text
// is measured at a fixed width per character, so a test can work out the
// positions a painter must reach.
#include "canvas.h"

#include <string>
#include <vector>

namespace lumora {

struct DrawnText {
    int x = 0;
    int y = 0;
    std::string text;
    FontSpec font;
};

struct DrawnPicture {
    Rect target;
    int sourceLeft = 0;
    int sourceTop = 0;
    int imageWidth = 0;
    int imageHeight = 0;
    long long imageKey = 0; // QImage::cacheKey of the image copied
};

struct DrawnLine {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    PenSpec pen;
};

struct DrawnFill {
    Rect area;
    BrushSpec brush;
};

class RecordingCanvas : public Canvas {
  public:
    // A surface of width x height; each character (code point) measures
    // charWidth pixels and a line of text lineHeight pixels.
    RecordingCanvas(int width, int height, int charWidth = 7, int lineHeight = 16);

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    Rect ClipRect() const override { return clip_; }
    void SetClipRect(const Rect& clip) { clip_ = clip; }

    int TextWidth(std::string_view text) override;
    int TextHeight(std::string_view text) override;
    void TextOut(int x, int y, std::string_view text) override;
    void FillRect(const Rect& area) override;
    void Rectangle(const Rect& area) override;
    void CopyPicture(const Rect& target, const QImage& image, int sourceLeft,
                     int sourceTop) override;

    std::vector<DrawnText> Texts;
    std::vector<DrawnPicture> Pictures;
    std::vector<DrawnLine> Lines;
    std::vector<DrawnFill> Fills;

  protected:
    void DrawLine(int x1, int y1, int x2, int y2) override;

  private:
    int width_;
    int height_;
    int charWidth_;
    int lineHeight_;
    Rect clip_;
};

} // namespace lumora
