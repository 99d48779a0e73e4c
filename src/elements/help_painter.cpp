#include "help_painter.h"

#include "markup_painter.h"
#include "platform/text_helpers.h"

namespace lumora {
namespace {

class HelpLayout {
  public:
    HelpLayout(Canvas& canvas, int scrollLine, const HelpIcons& icons)
        : canvas_(canvas), icons_(icons), y_(1 - kHelpLineStep * scrollLine) {}

    void Entry(const std::string& entry) {
        const std::string upper = AsciiUpper(entry);
        if (upper == "<BR>" || entry == "@") {
            NewLine();
        } else if (upper == "<B>" || upper == "</B>") {
            canvas_.Font.bold = upper == "<B>";
        } else if (upper == "<I>" || upper == "</I>") {
            canvas_.Font.italic = upper == "<I>";
        } else {
            Word(entry);
        }
    }

    // The bottom of the last line painted.
    int Bottom() const { return y_ + kHelpLineStep; }

  private:
    void NewLine() {
        x_ = 1;
        y_ += kHelpLineStep;
        // A line with an icon is two pixels taller.
        if (iconLine_) {
            y_ += 2;
            iconLine_ = false;
        }
    }

    void Word(const std::string& entry) {
        const std::string spaced = entry + ' ';
        const int w = canvas_.TextWidth(spaced);
        if (x_ + w > canvas_.Width()) {
            NewLine();
        }
        if (entry == "[iko_pomoc]") {
            Icon(icons_.pomoc);
        } else if (entry == "[iko_glosnik]") {
            Icon(icons_.glosnik);
        } else {
            canvas_.TextOut(x_, y_, spaced);
            x_ += w;
        }
    }

    // Text after an icon sits level with the icon's lower part.
    void Icon(const QImage& icon) {
        canvas_.DrawPicture(x_, y_, icon);
        iconLine_ = true;
        x_ += icon.width() + 5;
        y_ += icon.height() - kHelpLineStep;
    }

    Canvas& canvas_;
    const HelpIcons& icons_;
    int x_ = 1;
    int y_;
    bool iconLine_ = false;
};

} // namespace

std::optional<bool> PaintHelpText(Canvas& canvas, HelpPage& page, const HelpIcons& icons) {
    canvas.Font = FontSpec{.face = "Arial CE", .size = 10, .colour = kBlack};
    canvas.Brush.style = BrushStyle::Clear;
    HelpLayout layout(canvas, page.HelpScrollLine, icons);
    for (const std::string& word : page.HelpWords()) {
        const std::string entry = Trim(word);
        if (!entry.empty()) {
            layout.Entry(entry);
        }
    }
    if (!page.HelpNeedsLayout) {
        return std::nullopt;
    }
    page.HelpNeedsLayout = false;
    // Measured at the bottom of the last line, so that a last line that does
    // not fit whole is still reached by scrolling.
    const int overrun = layout.Bottom() - canvas.Height();
    page.HelpMaxScroll = overrun > 0 ? (overrun + kHelpLineStep - 1) / kHelpLineStep : 0;
    return overrun > 0;
}

} // namespace lumora
