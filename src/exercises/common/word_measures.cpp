#include "word_measures.h"

#include "platform/ui/fonts.h"

#include <QFontMetrics>

namespace lumora {

FontSpec WordFont(TextStyle style) {
    FontSpec font;
    font.face = "Arial";
    font.size = 10;
    font.bold = style.bold;
    font.italic = style.italic;
    return font;
}

TextSize WordLabelSize(const std::string& word) {
    return AutoSizeOf(WordFont(), word);
}

int WordTextWidth(std::string_view text, TextStyle style) {
    return QFontMetrics(MakeFont(WordFont(style)))
        .horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

} // namespace lumora
