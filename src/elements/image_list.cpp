#include "image_list.h"

#include "platform/ui/image_file.h"

namespace lumora {

int TMyImageList::AddStrip(const std::string& file, int frames, int top, int left) {
    // The header gives the size without decoding the pixels.
    const QSize size = ReadImageSize(file);
    if (!size.isValid()) {
        throw ImageListError("Nie moge otworzyc pliku : \"" + file + "\"");
    }
    // A frame count below one cannot divide the strip either.
    if (frames < 1 || size.width() % frames != 0) {
        throw ImageListError("Dlugosc obrazka nie dzieli sie przez podana liczbe klatek");
    }
    Strip strip;
    strip.file = file;
    strip.height = size.height();
    strip.bitmap.FrameWidth = size.width() / frames;
    strip.bitmap.DefaultLeft = left;
    strip.bitmap.DefaultTop = top;
    entries_.push_back(std::move(strip));
    return Count() - 1;
}

const TMyImageList::Strip* TMyImageList::At(int index) const {
    if (index < 0 || index >= Count()) {
        return nullptr;
    }
    return &entries_[static_cast<std::size_t>(index)];
}

const TMyBitmap* TMyImageList::Entry(int index) const {
    const Strip* strip = At(index);
    if (strip == nullptr) {
        return nullptr;
    }
    if (!strip->decoded) {
        strip->decoded = true;
        const QImage bitmap = ReadImage(strip->file);
        if (!bitmap.isNull()) {
            strip->bitmap.Bitmap = WithTransparentColour(bitmap, LowerLeftColour(bitmap));
        }
    }
    return &strip->bitmap;
}

bool TMyImageList::Decoded(int index) const {
    const Strip* strip = At(index);
    return strip != nullptr && strip->decoded;
}

void TMyImageList::Draw(Canvas& canvas, int index, int frame) const {
    canvas.Brush.style = BrushStyle::Clear;
    const Rect target = canvas.ClipRect();
    if (target.Empty()) {
        return;
    }
    const TMyBitmap* entry = Entry(index);
    if (entry == nullptr || entry->Bitmap.isNull()) {
        return;
    }
    canvas.CopyPicture(target, entry->Bitmap, target.left + frame * entry->FrameWidth, target.top);
}

int TMyImageList::Measure(int index, int (*measure)(const Strip&)) const {
    const Strip* strip = At(index);
    return strip != nullptr ? measure(*strip) : kMissingSize;
}

int TMyImageList::FrameWidth(int index) const {
    return Measure(index, [](const Strip& s) { return s.bitmap.FrameWidth; });
}

int TMyImageList::FrameHeight(int index) const {
    return Measure(index, [](const Strip& s) { return s.height; });
}

int TMyImageList::DefaultLeft(int index) const {
    return Measure(index, [](const Strip& s) { return s.bitmap.DefaultLeft; });
}

int TMyImageList::DefaultTop(int index) const {
    return Measure(index, [](const Strip& s) { return s.bitmap.DefaultTop; });
}

} // namespace lumora
