#pragma once
// Where the sentence screen puts its pictures and its gap frame: fixed places
// for each kind, or the places the lesson's steering row gives.
#include "course/course_data.h"

#include <optional>
#include <string>
#include <vector>

namespace lumora {

inline constexpr const char* kNoPicturePlaces = "Brak wspol. do wszystkich obrazkow!";
inline constexpr const char* kNoGapFramePlace = "Brak wspol. do ramki z tekstem w cw uzupelnianie!";

struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

struct PicturePlace {
    ScreenRect rect;
    // The picture takes its own size; rect's width and height are then 0.
    bool naturalSize = false;
    friend bool operator==(const PicturePlace&, const PicturePlace&) = default;
};

// How many pictures a lesson kind shows: 1 for yes/no, 2 to 4 for picture
// choice, none for gap filling.
int PictureCount(int code);

struct PicturePlaces {
    std::vector<PicturePlace> pictures; // pictures 1..n
    std::optional<std::string> message; // the row lacks places
};

// The places of pictures 1..n. A row with layout pairs puts pictures 1..n at
// its pairs, in their own size; a picture beyond the row's pairs keeps its
// place of the fixed layout.
PicturePlaces PlacePictures(int code, const SteeringRow& row);

// The frame drawn one pixel outside a picture, at the picture's own size.
ScreenRect FrameAround(const ScreenRect& picture);

struct GapFramePlace {
    ScreenRect rect;
    std::optional<std::string> message;
};

// The gap frame of a gap-filling lesson: at pair 5, as wide as pair 6's x and
// as high as its y; 100 x 200 when pair 6 gives no width.
GapFramePlace PlaceGapFrame(const SteeringRow& row);

} // namespace lumora
