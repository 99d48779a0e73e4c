#pragma once
// How the exercises' layout rules measure text without a window: the screen
// passes its canvas's measure, a test a fixed width per character.
#include <functional>
#include <string_view>

namespace lumora {

struct TextStyle {
    bool bold = false;
    bool italic = false;
    friend bool operator==(const TextStyle&, const TextStyle&) = default;
};

// The width in pixels of the text in the exercise's font with that style.
using MeasureText = std::function<int(std::string_view text, TextStyle style)>;

} // namespace lumora
