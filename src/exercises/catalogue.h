#pragma once
// The screen catalogue: one row per lesson screen, saying which lesson codes
// it opens, where in the start-up roster it is made, and how. Adding a lesson
// screen is adding its row here; starting a lesson, the roster and the tests
// of the frame all read it.
#include "lesson_screen.h"
#include "users/run_context.h"

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

struct ScreenEntry {
    std::string_view name;  // the screen's object name
    int rosterPlace = 0;    // its place in the start-up roster
    std::vector<int> codes; // the lesson codes it opens
    bool onFrame = false;   // built on the exercise frame
    std::function<std::unique_ptr<LessonScreen>(RunContext&)> make;
};

std::span<const ScreenEntry> ScreenCatalogue();

// The row of the screen that opens a lesson code, or nullptr.
const ScreenEntry* ScreenFor(int code);

// The lesson screens of the run, made at their roster places, each opening
// the lessons of its row's codes.
class LessonScreens {
  public:
    // Makes the screens the catalogue places at a roster place, each named
    // by its row; returns their names in order.
    std::vector<std::string> MakeAt(RunContext& context, int rosterPlace);
    // Adds a screen made elsewhere (tests) as the opener of its row's codes.
    void Add(const ScreenEntry& entry, std::unique_ptr<LessonScreen> screen);

    // The screen that opens a lesson code, or nullptr.
    LessonScreen* OpenerOf(int code) const;
    // Starts the lesson of steering row `index` (1-based): the session's
    // current lesson is set from the row and its screen loads it. False when
    // nothing opened (an index outside the table, a code without a screen, a
    // lesson refused by its screen).
    bool Start(const CourseData& course, LessonState& lesson, int index) const;
    // Runs `closed` whenever one of the screens has closed.
    void OnAnyClosed(const std::function<void()>& closed);

    const std::vector<std::unique_ptr<LessonScreen>>& All() const { return screens_; }

  private:
    std::vector<std::unique_ptr<LessonScreen>> screens_;
    std::vector<const ScreenEntry*> entries_;
};

} // namespace lumora
