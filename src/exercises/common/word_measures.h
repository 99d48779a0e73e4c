#pragma once
// The sorting exercises' words (the labels that are dragged and the painted
// definitions) in their font, Arial 10 pt, measured without a window: the
// screens lay out with these sizes, and the course checker lays out alike.
#include "exercises/common/text_measure.h"
#include "platform/ui/canvas.h"
#include "platform/ui/label.h"

#include <string>
#include <string_view>

namespace lumora {

FontSpec WordFont(TextStyle style = {});
// A word label's size, sized to its text.
TextSize WordLabelSize(const std::string& word);
// The same as the size type of an exercise's layout rules.
template <class Size> Size WordLabelSizeAs(const std::string& word) {
    const TextSize size = WordLabelSize(word);
    return Size{size.width, size.height};
}
// The width of a text in the style.
int WordTextWidth(std::string_view text, TextStyle style);

} // namespace lumora
