// A help page on any course text: split into words and marks, painted with
// its icons on a picture in memory with real fonts, and scrolled to its end
// and back; and recorded on a canvas so narrow that every word wraps.
#include "elements/help_page.h"
#include "elements/help_painter.h"
#include "fuzz_support.h"
#include "offscreen.h"
#include "platform/ui/painter_canvas.h"
#include "platform/ui/recording_canvas.h"

#include <QPainter>

using namespace lumora;

namespace {

const HelpIcons& Icons() {
    static const HelpIcons icons = [] {
        HelpIcons made{QImage(16, 16, QImage::Format_RGB32), QImage(18, 14, QImage::Format_RGB32)};
        made.pomoc.fill(Qt::blue);
        made.glosnik.fill(Qt::red);
        return made;
    }();
    return icons;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::StartOffscreenGui();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = fuzz::FirstLine(fuzz::Bytes(data, size));
    HelpPage page;
    page.SplitHelpText(text);
    fuzz::Require(page.HelpWordCount() <= HelpPage::kMaxHelpWords, "more words than a page holds");
    QImage image(300, 100, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter painter(&image);
        PainterCanvas canvas(painter, image.width(), image.height(), {0, 0, 300, 100});
        PaintHelpText(canvas, page, Icons());
        fuzz::Require(page.HelpMaxScroll >= 0, "a negative scroll range");
        for (int i = 0; i <= page.HelpMaxScroll && page.ScrollDown().down; ++i) {
        }
        PaintHelpText(canvas, page, Icons());
        while (page.HelpScrollLine > 0) {
            page.ScrollUp();
        }
    }
    RecordingCanvas narrow(3, 40);
    page.SplitHelpText(text);
    PaintHelpText(narrow, page, Icons());
    return 0;
}
