#pragma once
// What sets the story exercise screens apart within their shared frame: where
// the check, again and exit buttons stand, which parts of the frame the screen
// uses, the default size of its content area and its default background.
#include "course/course_file_names.h"
#include "platform/ui/canvas.h"

#include <optional>
#include <string>

namespace lumora {

// The background used when the lesson's steering row names none.
struct DefaultBackground {
    std::string file = kBlankBackground; // relative to the course folder
    bool onlyIfPresent = false;          // false: a missing file is reported by the picture loader
};

struct FrameOptions {
    int checkLeft = 562;
    bool checkHiddenAtFirst = false;
    int againLeft = 466;
    int exitLeft = 718;
    // Whether the transport bar is shown and the lesson's recording or film
    // prepared (the definitions screen has neither).
    bool transport = true;
    // Whether the screen shows films on its film panel.
    bool film = true;
    // Whether the content area has the scroll buttons beside it.
    bool scrollButtons = false;
    // The content area's place and size where layout pairs 3 and 4 hold 0;
    // nothing when the screen lays its content out itself.
    std::optional<Rect> contentDefaults;
    DefaultBackground background;
};

} // namespace lumora
