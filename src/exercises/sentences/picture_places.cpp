#include "picture_places.h"

namespace lumora {
namespace {

constexpr int kGapFramePairs = 6;

std::vector<PicturePlace> FixedPlaces(int code) {
    switch (code) {
    case 1:
        return {{{134, 68, 447, 261}}};
    case 2:
        return {{{78, 84, 290, 260}}, {{380, 84, 290, 260}}};
    case 3:
        return {{{20, 84, 220, 220}}, {{258, 84, 220, 220}}, {{500, 84, 220, 220}}};
    case 4:
        return {{{70, 64, 240, 170}},
                {{384, 64, 240, 170}},
                {{70, 250, 240, 170}},
                {{384, 250, 240, 170}}};
    default:
        return {};
    }
}

} // namespace

int PictureCount(int code) {
    return static_cast<int>(FixedPlaces(code).size());
}

PicturePlaces PlacePictures(int code, const SteeringRow& row) {
    PicturePlaces places;
    places.pictures = FixedPlaces(code);
    if (row.LayoutCount <= 0 || places.pictures.empty()) {
        return places;
    }
    const int n = static_cast<int>(places.pictures.size());
    if (row.LayoutCount < n) {
        places.message = kNoPicturePlaces;
    }
    for (int i = 0; i < n && i < row.LayoutCount && i < kLayoutPairs; ++i) {
        const auto k = static_cast<std::size_t>(i);
        places.pictures[k] = {{row.LayoutX[k], row.LayoutY[k], 0, 0}, true};
    }
    return places;
}

ScreenRect FrameAround(const ScreenRect& picture) {
    return {picture.left - 1, picture.top - 1, picture.width + 2, picture.height + 2};
}

GapFramePlace PlaceGapFrame(const SteeringRow& row) {
    GapFramePlace place;
    if (row.LayoutCount < kGapFramePairs) {
        place.message = kNoGapFramePlace;
    }
    const int x6 = row.LayoutX[5];
    const int y6 = row.LayoutY[5];
    place.rect = {row.LayoutX[4], row.LayoutY[4], x6 < 1 ? 100 : x6, x6 < 1 ? 200 : y6};
    return place;
}

} // namespace lumora
