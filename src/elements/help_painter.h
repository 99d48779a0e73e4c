#pragma once
// Paints a help page: "Arial CE" 10 in black from (1, 1), 20-pixel lines
// scrolled by the page's scroll line, "<br>" and "@" line breaks, bold and
// italic marks in any case, and the two inline icons "[iko_pomoc]" and
// "[iko_glosnik]".
#include "help_page.h"
#include "platform/ui/canvas.h"

#include <QImage>

#include <optional>

namespace lumora {

inline constexpr int kHelpLineStep = 20;

struct HelpIcons {
    QImage pomoc;   // drawn for "[iko_pomoc]"
    QImage glosnik; // drawn for "[iko_glosnik]"
};

// Paints the page. On the first paint after SplitHelpText it also decides
// whether the text needs the scroll-down arrow (and sets HelpMaxScroll):
// the result is that decision, or nothing on later paints.
std::optional<bool> PaintHelpText(Canvas& canvas, HelpPage& page, const HelpIcons& icons);

} // namespace lumora
