#pragma once
// The twelve topic pictures of the main menu and their animations, as data:
// where each picture sits, which frames it owns, its hint, the topic folder
// it opens and its spoken name.
#include <array>
#include <string>
#include <vector>

namespace lumora {

struct MenuTopic {
    const char* control; // the picture control's name
    int left;
    int top;
    int hint;           // hint number of the picture
    const char* folder; // CurrentTopic when clicked
    const char* sound;  // spoken name, relative to the course folder
};

// The pages the two link labels open, in the course folder.
inline constexpr const char* kAboutPageFile = "www\\index.html";
inline constexpr const char* kHelpPageFile = "www\\pomoc.html";

inline constexpr int kMenuTopics = 12;
inline constexpr int kFramesPerTopic = 5;
inline constexpr int kMenuFrames = kMenuTopics * kFramesPerTopic;
inline constexpr int kMenuTopicSize = 83;

// In the order of the screen's controls; topic t (1-based) is at index t - 1.
const std::array<MenuTopic, kMenuTopics>& MenuTopics();

// The frame files, 1 to 60, relative to the course folder.
std::string MenuFrameName(int frame);

// The first and last frame of topic t (1-based).
inline int FirstFrame(int t) {
    return kFramesPerTopic * t - (kFramesPerTopic - 1);
}
inline int LastFrame(int t) {
    return kFramesPerTopic * t;
}

// Frames shown while the mouse enters topic t, and while it leaves.
std::vector<int> HoverInFrames(int t);
std::vector<int> HoverOutFrames(int t);
inline constexpr int kHoverInWaitMs = 40;
inline constexpr int kHoverOutWaitMs = 15;

// The intro animation: twelve steps, 90 ms apart. For each step, the frame
// every topic shows (index t - 1), or 0 for a topic that stays as it is.
inline constexpr int kIntroSteps = 12;
inline constexpr int kIntroWaitMs = 90;
std::array<std::array<int, kMenuTopics>, kIntroSteps> IntroFrames();

} // namespace lumora
