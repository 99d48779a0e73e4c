#pragma once
// The painters' targets draw on pictures in memory; Qt still wants its
// application object, made once on the offscreen platform.
namespace lumora::fuzz {

void StartOffscreenGui();

} // namespace lumora::fuzz
