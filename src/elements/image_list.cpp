#include "image_list.h"

#include "platform/ui/image_file.h"

namespace lumora {

int TMyImageList::AddStrip(const std::string& file, int frames, int top, int left) {
    QImage bitmap = ReadImage(file);
    if (bitmap.isNull()) {
        throw ImageListError("Nie moge otworzyc pliku : \"" + file + "\"");
    }
    // A frame count below one cannot divide the strip either.
    if (frames < 1 || bitmap.width() % frames != 0) {
        throw ImageListError("Dlugosc obrazka nie dzieli sie przez podana liczbe klatek");
    }
    TMyBitmap entry;
    entry.Bitmap = WithTransparentColour(bitmap, LowerLeftColour(bitmap));
    entry.FrameWidth = bitmap.width() / frames;
    entry.DefaultLeft = left;
    entry.DefaultTop = top;
    entries_.push_back(std::move(entry));
    return Count() - 1;
}

const TMyBitmap* TMyImageList::Entry(int index) const {
    if (index < 0 || index >= Count()) {
        return nullptr;
    }
    return &entries_[static_cast<std::size_t>(index)];
}

void TMyImageList::Draw(Canvas& canvas, int index, int frame) const {
    canvas.Brush.style = BrushStyle::Clear;
    const TMyBitmap* entry = Entry(index);
    const Rect target = canvas.ClipRect();
    if (entry == nullptr || target.Empty()) {
        return;
    }
    canvas.CopyPicture(target, entry->Bitmap, target.left + frame * entry->FrameWidth, target.top);
}

int TMyImageList::Measure(int index, int (*measure)(const TMyBitmap&)) const {
    const TMyBitmap* entry = Entry(index);
    return entry != nullptr ? measure(*entry) : kMissingSize;
}

int TMyImageList::FrameWidth(int index) const {
    return Measure(index, [](const TMyBitmap& e) { return e.FrameWidth; });
}

int TMyImageList::FrameHeight(int index) const {
    return Measure(index, [](const TMyBitmap& e) { return e.Bitmap.height(); });
}

int TMyImageList::DefaultLeft(int index) const {
    return Measure(index, [](const TMyBitmap& e) { return e.DefaultLeft; });
}

int TMyImageList::DefaultTop(int index) const {
    return Measure(index, [](const TMyBitmap& e) { return e.DefaultTop; });
}

} // namespace lumora
