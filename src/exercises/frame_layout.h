#pragma once
// Where the frame's controls go, worked out from the lesson's steering row:
// the transport bar from layout pair 1, the film from pair 2, the content area
// from pairs 3 and 4 (with the screen's defaults written back into the row),
// and the scroll buttons beside the content area.
#include "course/course_data.h"
#include "platform/ui/canvas.h"

namespace lumora {

inline constexpr int kFrameButtonSize = 33;

struct TransportPlaces {
    Rect play, stop, pause, track, knob;
};

// The transport bar with its play button at (x, y).
TransportPlaces PlaceTransport(int x, int y);

// Layout pair `pair` (1..8) of the row as a point.
struct LayoutPoint {
    int x = 0;
    int y = 0;
};
LayoutPoint LayoutPair(const SteeringRow& row, int pair);

// The content area from pairs 3 (left, top) and 4 (width, height). Each value
// of 0 is first replaced in the row itself by the default.
Rect ContentArea(SteeringRow& row, const Rect& defaults);

struct ScrollPlaces {
    Rect up, down;
};

// The scroll buttons 7 pixels right of the content area: the up button level
// with its top, the down button ending on its bottom edge.
ScrollPlaces PlaceScrollButtons(const Rect& content, int buttonWidth, int upHeight, int downHeight);

// The hidden instruction box's width: the box always ends at x = 657.
int InstructionBoxWidth(int left, int width);

} // namespace lumora
