#include "exercises/frame_layout.h"
#include "exercises/transport_knob.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(TransportKnob, OffsetFollowsThePlayerPosition) {
    EXPECT_EQ(KnobOffset(0, 10000), 0);
    EXPECT_EQ(KnobOffset(5040, 10000), 63);
    EXPECT_EQ(KnobOffset(5000, 10000), 62); // 62.5: the half goes to the even pixel
    EXPECT_EQ(KnobOffset(10000, 10000), 125);
    EXPECT_EQ(KnobOffset(12000, 10000), 125); // never past the end of the track
    EXPECT_EQ(KnobOffset(300, 0), 0);         // length not known yet
}

TEST(TransportKnob, DraggingStopsAtTheEndsOfTheTrack) {
    EXPECT_EQ(ClampKnob(90, 100, 125), 100);
    EXPECT_EQ(ClampKnob(150, 100, 125), 150);
    EXPECT_EQ(ClampKnob(300, 100, 125), 225);
}

TEST(FrameLayout, TransportBarFromTheFirstPair) {
    const TransportPlaces p = PlaceTransport(24, 62);
    EXPECT_EQ(p.play, (Rect{24, 62, 33, 33}));
    EXPECT_EQ(p.stop, (Rect{69, 62, 33, 33}));
    EXPECT_EQ(p.pause, (Rect{114, 62, 33, 33}));
    EXPECT_EQ(p.track, (Rect{24, 91, 125, 10}));
    EXPECT_EQ(p.knob, (Rect{24, 88, 9, 17}));
}

TEST(FrameLayout, ContentAreaDefaultsAreWrittenBackIntoTheRow) {
    SteeringRow row;
    row.LayoutX[2] = 30;
    row.LayoutY[3] = 410;
    const Rect defaults{20, 156, 381, 729};
    EXPECT_EQ(ContentArea(row, defaults), (Rect{30, 156, 381, 410}));
    EXPECT_EQ(row.LayoutX[2], 30);
    EXPECT_EQ(row.LayoutY[2], 156);
    EXPECT_EQ(row.LayoutX[3], 381);
    EXPECT_EQ(row.LayoutY[3], 410);
    EXPECT_EQ(LayoutPair(row, 3).y, 156);
}

TEST(FrameLayout, ScrollButtonsBesideTheContentArea) {
    const ScrollPlaces p = PlaceScrollButtons(Rect{30, 118, 690, 410}, 33, 33, 34);
    EXPECT_EQ(p.up, (Rect{727, 118, 33, 33}));
    EXPECT_EQ(p.down, (Rect{727, 494, 33, 34}));
}

TEST(FrameLayout, InstructionBoxEndsAtTheSameLine) {
    EXPECT_EQ(InstructionBoxWidth(20, 700), 637); // cut back
    EXPECT_EQ(InstructionBoxWidth(20, 637), 637);
    EXPECT_EQ(InstructionBoxWidth(20, 600), 657); // short boxes take the full width
}

} // namespace
} // namespace lumora
