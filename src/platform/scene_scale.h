#pragma once
// The one factor the whole scene (backdrop, screens, messages, hints) is drawn
// at. The course is laid out for 800 x 600 pixels; a larger screen draws it
// larger instead of leaving a small box in a sea of black.
#include <optional>
#include <string>

namespace lumora {

inline constexpr int kSceneWidth = 800;
inline constexpr int kSceneHeight = 600;
// Factors go in quarters, so every position on the scene's 4-pixel grid lands
// on a whole device pixel.
inline constexpr double kScaleStep = 0.25;

// The largest multiple of a quarter at which 800 x 600 fits the screen's device
// pixels; 0 when even 1 does not fit.
double FittingScale(int deviceWidth, int deviceHeight);

// Whether the scene drawn at the factor fits the screen.
bool ScaleFits(double factor, int deviceWidth, int deviceHeight);

// A factor written by the user ("1.5", "2"): a positive multiple of a quarter
// up to 8, else nothing.
std::optional<double> ParseScale(const std::string& text);

// Why the scene drawn at the factor does not fit the screen.
std::string ScaleTooLargeMessage(double factor, int deviceWidth, int deviceHeight);

struct SceneScaleChoice {
    double factor = 1;
    std::string error; // set when the factor asked for cannot be used
};

// The factor asked for (--scale, else LUMORA_SCALE; empty when neither) or
// the fitting one, checked against the screen.
SceneScaleChoice ChooseSceneScale(const std::string& asked, int deviceWidth, int deviceHeight);

} // namespace lumora
