#pragma once
// A picture control: shows an image at its top-left corner, stretched over the
// control, or with the control sized to the image; a bitmap may leave out its
// transparent colour (the colour of its lower-left pixel).
#include "control.h"

#include <QImage>
#include <string>

namespace lumora {

class Picture : public Control {
  public:
    explicit Picture(QWidget* parent);

    // Loads the file; a missing or undecodable file shows the loader's message
    // (with the file name), leaves the control empty and returns false.
    bool LoadFromFile(const std::string& path);
    void SetImage(const QImage& image);
    // Releases the image.
    void Clear();
    const QImage& Image() const { return image_; }
    bool HasImage() const { return !image_.isNull(); }

    void SetStretch(bool on);
    void SetAutoSize(bool on);
    void SetTransparent(bool on);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void Prepare();

    QImage image_;
    QImage shown_; // image_ with the transparent colour left out, when asked
    bool stretch_ = false;
    bool autoSize_ = false;
    bool transparent_ = false;
};

} // namespace lumora
