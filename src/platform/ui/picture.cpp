#include "picture.h"

#include "image_file.h"
#include "platform/message_box.h"
#include "smooth_pictures.h"

#include <QPainter>

namespace lumora {

Picture::Picture(QWidget* parent) : Control(parent) {}

bool Picture::LoadFromFile(const std::string& path) {
    LoadedImage loaded = LoadImageFile(path);
    if (loaded.image.isNull()) {
        Clear();
        ShowMessage(loaded.error);
        return false;
    }
    SetImage(loaded.image);
    return true;
}

void Picture::SetImage(const QImage& image) {
    image_ = image;
    Prepare();
}

void Picture::Clear() {
    SetImage(QImage());
}

void Picture::SetStretch(bool on) {
    stretch_ = on;
    update();
}

void Picture::SetAutoSize(bool on) {
    autoSize_ = on;
    Prepare();
}

void Picture::SetTransparent(bool on) {
    transparent_ = on;
    Prepare();
}

void Picture::Prepare() {
    shown_ = transparent_ && !image_.isNull()
                 ? WithTransparentColour(image_, LowerLeftColour(image_))
                 : image_;
    if (autoSize_ && !image_.isNull()) {
        resize(image_.size());
    }
    update();
}

void Picture::paintEvent(QPaintEvent*) {
    if (shown_.isNull()) {
        return;
    }
    QPainter painter(this);
    SmoothScaledPictures(painter);
    if (stretch_) {
        painter.drawImage(rect(), shown_);
    } else {
        painter.drawImage(0, 0, shown_);
    }
}

} // namespace lumora
