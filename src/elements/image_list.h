#pragma once
// Picture strips for the image buttons: each entry is a bitmap cut into
// frames of equal width (frame 0 normal, frame 1 highlighted) with a default
// position, drawn with its transparent colour (the lower-left pixel) left out.
#include "platform/ui/canvas.h"

#include <QImage>

#include <stdexcept>
#include <string>
#include <vector>

namespace lumora {

struct TMyBitmap {
    QImage Bitmap; // with the transparent colour already left out
    int FrameWidth = 0;
    int DefaultLeft = 0;
    int DefaultTop = 0;
};

// Raised when a strip cannot be loaded; the message is the one to show.
class ImageListError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class TMyImageList {
  public:
    // Size reported for an index beyond the list.
    static constexpr int kMissingSize = 33;

    // Loads the file as a new entry of `frames` frames and returns its index.
    int AddStrip(const std::string& file, int frames, int top, int left);

    // Draws frame `frame` of entry `index` into the canvas's clipping
    // rectangle; an index beyond the list draws nothing.
    void Draw(Canvas& canvas, int index, int frame) const;

    int Count() const { return static_cast<int>(entries_.size()); }
    int FrameWidth(int index) const;
    int FrameHeight(int index) const;
    int DefaultLeft(int index) const;
    int DefaultTop(int index) const;
    // The entry, or nullptr beyond the list.
    const TMyBitmap* Entry(int index) const;

  private:
    int Measure(int index, int (*measure)(const TMyBitmap&)) const;

    std::vector<TMyBitmap> entries_;
};

} // namespace lumora
