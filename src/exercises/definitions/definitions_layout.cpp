#include "definitions_layout.h"

namespace lumora {
namespace {

void Default(int& value, int fallback) {
    if (value == 0) {
        value = fallback;
    }
}

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return out;
}

// Switches the style for a mark, in any letter case; false for other words.
bool ApplyMark(std::string_view word, TextStyle& style) {
    const std::string upper = Upper(word);
    if (upper == "<B>" || upper == "</B>") {
        style.bold = upper == "<B>";
    } else if (upper == "<I>" || upper == "</I>") {
        style.italic = upper == "<I>";
    } else {
        return false;
    }
    return true;
}

} // namespace

DefinitionsFrame ApplyDefinitionsDefaults(SteeringRow& row, int maxWordWidth) {
    Default(row.LayoutX[2], 15);
    Default(row.LayoutY[2], 180);
    Default(row.LayoutX[3], 15);
    Default(row.LayoutY[3], 240);
    DefinitionsFrame f;
    f.pool = {row.LayoutX[2], row.LayoutY[2]};
    f.slotLeft = row.LayoutX[3];
    f.slotWidth = maxWordWidth + 6;
    f.dashLeft = row.LayoutX[3] + maxWordWidth + 14;
    f.boxLeft = row.LayoutX[3] + maxWordWidth + 30;
    f.boxTop = row.LayoutY[3];
    f.boxWidth = 590 - row.LayoutX[3] - maxWordWidth;
    return f;
}

std::vector<WordPlace> LayOutWordPool(const std::vector<int>& widths, WordPlace origin) {
    std::vector<WordPlace> places;
    int x = origin.left;
    int y = origin.top;
    for (const int w : widths) {
        if (w + x > kWordPoolRight) {
            x = origin.left;
            y += kWordPoolRowStep;
        }
        places.push_back({x, y});
        x += w + kWordPoolRowStep;
    }
    return places;
}

DefinitionsPaint LayOutDefinitions(const std::vector<DefinitionItem>& items,
                                   const DefinitionsFrame& frame, const StyledMeasure& measure,
                                   TextStyle start) {
    DefinitionsPaint paint;
    TextStyle style = start;
    int y = 0;
    for (const auto& item : items) {
        DefinitionRow row;
        row.slotTop = frame.boxTop + y + 2;
        int h = 0;
        int x = 0;
        std::string_view rest = item.definition;
        while (!rest.empty()) {
            const std::string_view word = rest.substr(0, rest.find(' '));
            rest.remove_prefix(std::min(word.size() + 1, rest.size()));
            if (ApplyMark(word, style)) {
                continue;
            }
            if (x + measure(word, style) > frame.boxWidth) {
                y += kDefinitionLineStep;
                h += kDefinitionLineStep;
                x = 0;
            }
            std::string spaced = std::string(word) + ' ';
            const int w = measure(spaced, style);
            paint.words.push_back({x, y + 2, std::move(spaced), style});
            x += w;
        }
        y += kDefinitionRowStep;
        row.slotHeight = h + kDefinitionLineStep;
        row.dashTop = row.slotTop + row.slotHeight / 2;
        paint.rows.push_back(row);
    }
    paint.end = style;
    return paint;
}

} // namespace lumora
