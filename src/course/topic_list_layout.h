#pragma once
// The lesson list of a topic screen, laid out as plain data: where each
// heading, title and icon is drawn and which area of the list starts which
// lesson. The screen draws the items and hit-tests the areas; the rules of
// the layout live here so they can be checked without a window.
#include "course_data.h"
#include "platform/rgb.h"

#include <functional>
#include <string>
#include <vector>

namespace lumora {

inline constexpr Rgb kDoneGreen{0, 255, 0};

Rgb ToRgb(Colour c);

// The section headings of the list.
inline constexpr const char* kHeadingVocabulary = "Vocabulary";
inline constexpr const char* kHeadingSentences = "Sentences";
inline constexpr const char* kHeadingStory = "Story";
inline constexpr const char* kHeadingVarious = "Various";

inline constexpr int kMaxTopicLessons = 30;
inline constexpr int kLessonLineHeight = 20;
inline constexpr int kIconStep = 40;
inline constexpr int kIconWidth = 30;

struct TopicListItem {
    enum class Kind { Heading, Title, Icon };
    Kind kind = Kind::Title;
    std::string text; // heading or title
    int x = 0;
    int y = 0;
    bool bold = false;
    Rgb colour;
    int code = 0;      // icons: the lesson code
    bool done = false; // icons: the done icon
};

struct TopicHitArea {
    int left = 0, top = 0, right = 0, bottom = 0;
    int row = 0; // steering row index
    int code = 0;
};

struct TopicListLayout {
    std::vector<TopicListItem> items;
    std::vector<TopicHitArea> hitAreas;
};

struct TopicListStyle {
    int align = 1; // 1: titles start at the left edge; 2: they end at the right edge
    Rgb listColour = kBlack;
    int iconOffset = 0;
    int width = 445; // of the paint box
};

// Text width and height in the list's font; bold for headings.
using MeasureText = std::function<int(const std::string& text, bool bold)>;
// Whether the lesson of a steering row index is done.
using LessonDone = std::function<bool(int row)>;

// The steering rows of a topic in table order, at most kMaxTopicLessons.
std::vector<int> TopicLessons(const CourseData& course, const std::string& topic);

// The style a topic's ini.t row gives the list. Without a row the list
// aligns left and keeps the colour and icon offset it had, as it keeps its
// place on the screen.
TopicListStyle TopicStyle(const CourseData& course, const std::string& topic,
                          TopicListStyle previous);

TopicListLayout LayOutTopicList(const CourseData& course, const std::vector<int>& lessons,
                                const TopicListStyle& style, const MeasureText& width,
                                const MeasureText& height, const LessonDone& done);

// The first area that contains the point (edges included), or nullptr.
const TopicHitArea* HitTest(const std::vector<TopicHitArea>& areas, int x, int y);

} // namespace lumora
