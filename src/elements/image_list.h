#pragma once
// Picture strips for the image buttons: each entry is a bitmap cut into
// frames of equal width (frame 0 normal, frame 1 highlighted) with a default
// position, drawn with its transparent colour (the lower-left pixel) left out.
// Adding a strip reads only the file's header (its size); the pixels are
// decoded the first time the strip is drawn or asked for, so a program with
// many strips decodes only those of the screens it shows.
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

    // Adds the file as a new entry of `frames` frames and returns its index.
    // A file that cannot be read or whose width `frames` does not divide is
    // refused at once.
    int AddStrip(const std::string& file, int frames, int top, int left);

    // Draws frame `frame` of entry `index` into the canvas's clipping
    // rectangle; an index beyond the list draws nothing.
    void Draw(Canvas& canvas, int index, int frame) const;

    int Count() const { return static_cast<int>(entries_.size()); }
    int FrameWidth(int index) const;
    int FrameHeight(int index) const;
    int DefaultLeft(int index) const;
    int DefaultTop(int index) const;
    // The entry, decoded if it was not yet, or nullptr beyond the list. A
    // file that stopped decoding after it was added gives an empty bitmap.
    const TMyBitmap* Entry(int index) const;
    // Whether the entry's pixels have been decoded (false beyond the list).
    bool Decoded(int index) const;

  private:
    struct Strip {
        std::string file;
        int height = 0;
        // Filled on first use; the size fields are known from the start.
        mutable TMyBitmap bitmap;
        mutable bool decoded = false;
    };

    const Strip* At(int index) const;
    int Measure(int index, int (*measure)(const Strip&)) const;

    std::vector<Strip> entries_;
};

} // namespace lumora
