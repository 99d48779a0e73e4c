#pragma once
// The screens the screenshot tool renders, each filled with sample content.
// A new screen is one more entry in the list of screen_shots.cpp.
#include "shell/standalone_run.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace lumora::shots {

struct ScreenShot {
    std::string name; // the PNG file's name without ".png"
    // Makes the screen, fills it and shows it, ready to be grabbed.
    std::function<std::unique_ptr<QWidget>(StandaloneRun&)> show;
};

const std::vector<ScreenShot>& ScreenShots();

// Renders every screen into outDir/<name>.png; returns the number that failed
// (not saved, or a picture of one plain colour, which means nothing was drawn).
int RenderScreenShots(StandaloneRun& run, const std::string& outDir);

} // namespace lumora::shots
