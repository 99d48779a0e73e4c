#pragma once
// The canvas of a control being painted: draws through the control's QPainter.
#include "canvas.h"

class QPainter;

namespace lumora {

class PainterCanvas : public Canvas {
  public:
    // painter draws on a surface of width x height; clip is the area being
    // painted.
    PainterCanvas(QPainter& painter, int width, int height, Rect clip);

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    Rect ClipRect() const override { return clip_; }

    int TextWidth(std::string_view text) override;
    int TextHeight(std::string_view text) override;
    void TextOut(int x, int y, std::string_view text) override;
    void FillRect(const Rect& area) override;
    void Rectangle(const Rect& area) override;
    void CopyPicture(const Rect& target, const QImage& image, int sourceLeft,
                     int sourceTop) override;

  protected:
    void DrawLine(int x1, int y1, int x2, int y2) override;

  private:
    void UsePen();

    QPainter& painter_;
    int width_;
    int height_;
    Rect clip_;
};

} // namespace lumora
