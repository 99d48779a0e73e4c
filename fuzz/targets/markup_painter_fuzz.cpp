// The instruction painter's word flow on any course text: painted on a
// picture in memory with real fonts, and recorded on a canvas so narrow that
// every word wraps.
#include "elements/markup_painter.h"
#include "fuzz_support.h"
#include "offscreen.h"
#include "platform/ui/painter_canvas.h"
#include "platform/ui/recording_canvas.h"

#include <QImage>
#include <QPainter>

using namespace lumora;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::StartOffscreenGui();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = fuzz::FirstLine(fuzz::Bytes(data, size));
    QImage image(240, 120, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter painter(&image);
        PainterCanvas canvas(painter, image.width(), image.height(), {0, 0, 240, 120});
        PaintMarkup(canvas, text);
    }
    RecordingCanvas narrow(3, 40);
    PaintMarkup(narrow, text);
    return 0;
}
