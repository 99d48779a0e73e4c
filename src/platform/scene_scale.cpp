#include "scene_scale.h"

#include <cmath>
#include <cstdlib>
#include <sstream>

namespace lumora {

bool ScaleFits(double factor, int deviceWidth, int deviceHeight) {
    return kSceneWidth * factor <= deviceWidth && kSceneHeight * factor <= deviceHeight;
}

double FittingScale(int deviceWidth, int deviceHeight) {
    const double across = static_cast<double>(deviceWidth) / kSceneWidth;
    const double down = static_cast<double>(deviceHeight) / kSceneHeight;
    const double steps = std::floor(std::min(across, down) / kScaleStep);
    return steps * kScaleStep >= 1 ? steps * kScaleStep : 0;
}

std::optional<double> ParseScale(const std::string& text) {
    if (text.empty() || text.size() > 8) {
        return std::nullopt;
    }
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !(value > 0) || value > 8) {
        return std::nullopt;
    }
    const double steps = value / kScaleStep;
    if (std::fabs(steps - std::round(steps)) > 1e-9) {
        return std::nullopt;
    }
    return std::round(steps) * kScaleStep;
}

std::string ScaleTooLargeMessage(double factor, int deviceWidth, int deviceHeight) {
    std::ostringstream text;
    text << "lumora: at the scale " << factor << " the 800 x 600 screens take "
         << std::lround(kSceneWidth * factor) << " x " << std::lround(kSceneHeight * factor)
         << " pixels, more than the display's " << deviceWidth << " x " << deviceHeight;
    return text.str();
}

SceneScaleChoice ChooseSceneScale(const std::string& asked, int deviceWidth, int deviceHeight) {
    if (asked.empty()) {
        const double fitting = FittingScale(deviceWidth, deviceHeight);
        return {fitting > 0 ? fitting : 1, {}};
    }
    const std::optional<double> factor = ParseScale(asked);
    if (!factor) {
        return {1, "lumora: the scale \"" + asked +
                       "\" is not a positive multiple of 0.25 up to 8 (for example 1, 1.5, 2)"};
    }
    if (!ScaleFits(*factor, deviceWidth, deviceHeight)) {
        return {1, ScaleTooLargeMessage(*factor, deviceWidth, deviceHeight)};
    }
    return {*factor, {}};
}

} // namespace lumora
