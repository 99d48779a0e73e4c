#pragma once
// The screen catalogue: one row per lesson screen, saying which lesson codes
// it opens, where in the start-up roster it is made, and how. Adding a lesson
// screen is adding its row here; the lesson start, the roster and the tests
// of the frame all read it.
#include "lesson_context.h"
#include "lesson_screen.h"

#include <functional>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

namespace lumora {

struct ScreenEntry {
    std::string_view name;  // the screen's object name
    int rosterPlace = 0;    // its place in the start-up roster
    std::vector<int> codes; // the lesson codes it opens
    bool onFrame = false;   // built on the exercise frame
    std::function<std::unique_ptr<LessonScreen>(LessonContext&)> make;
};

std::span<const ScreenEntry> ScreenCatalogue();

// The row of the screen that opens a lesson code, or nullptr.
const ScreenEntry* ScreenFor(int code);

// Makes the screens of a roster place, each named by its row, and registers
// each as the opener of its codes with the lesson start. The screens must
// outlive the registrations (the program keeps them to the end).
std::vector<std::unique_ptr<LessonScreen>> MakeLessonScreens(LessonContext& context,
                                                             int rosterPlace);

// Registers an existing screen as the opener of its codes.
void RegisterLessonScreen(const ScreenEntry& entry, LessonScreen& screen);

} // namespace lumora
