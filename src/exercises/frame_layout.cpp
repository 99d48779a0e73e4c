#include "frame_layout.h"

#include "transport_knob.h"

#include <algorithm>

namespace lumora {
namespace {

constexpr int kStopOffset = 45;
constexpr int kPauseOffset = 90;
constexpr int kTrackDrop = 29;
constexpr int kKnobDrop = 26;
constexpr int kScrollGap = 7;
constexpr int kInstructionRight = 657;

// A layout value of 0 means "use the default", which is then kept in the row.
int WithDefault(int& value, int fallback) {
    if (value == 0) {
        value = fallback;
    }
    return value;
}

} // namespace

TransportPlaces PlaceTransport(int x, int y) {
    const auto button = [y](int left) { return Rect{left, y, kFrameButtonSize, kFrameButtonSize}; };
    return {button(x), button(x + kStopOffset), button(x + kPauseOffset),
            Rect{x, y + kTrackDrop, kTrackWidth, kTrackHeight},
            Rect{x, y + kKnobDrop, kKnobWidth, kKnobHeight}};
}

LayoutPoint LayoutPair(const SteeringRow& row, int pair) {
    const auto i = static_cast<std::size_t>(pair - 1);
    return {row.LayoutX.at(i), row.LayoutY.at(i)};
}

Rect ContentArea(SteeringRow& row, const Rect& defaults) {
    return {WithDefault(row.LayoutX[2], defaults.left), WithDefault(row.LayoutY[2], defaults.top),
            WithDefault(row.LayoutX[3], defaults.width),
            WithDefault(row.LayoutY[3], defaults.height)};
}

ScrollPlaces PlaceScrollButtons(const Rect& content, int buttonWidth, int upHeight,
                                int downHeight) {
    const int left = content.Right() + kScrollGap;
    return {Rect{left, content.top, buttonWidth, upHeight},
            Rect{left, content.Bottom() - downHeight, buttonWidth, downHeight}};
}

int InstructionBoxWidth(int left, int width) {
    // Cut back to end at the line, or widened when it ends short of it.
    if (left + width > kInstructionRight) {
        width = std::max(0, kInstructionRight - left);
    }
    if (left + width < kInstructionRight) {
        width = kInstructionRight;
    }
    return width;
}

} // namespace lumora
