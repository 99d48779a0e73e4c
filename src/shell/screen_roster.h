#pragma once
// Every screen of the program, created once at start-up in a fixed order and
// kept until the end, with what they work with: the course, loaded first, the
// session, the sound service and the dialogs, handed to each screen as one
// run context.
#include "backdrop.h"
#include "course/startup_loading.h"
#include "elements/information_screen.h"
#include "elements/result_box.h"
#include "exercises/catalogue.h"
#include "main_menu.h"
#include "message_screen.h"
#include "options_screen.h"
#include "question_screen.h"
#include "screen_dialogs.h"
#include "sound/media_holder.h"
#include "topic_screen.h"
#include "users/run_context.h"
#include "users/screens/best_scores_screen.h"
#include "users/screens/login_screen.h"
#include "users/screens/new_user_screen.h"
#include "users/user_registry.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace lumora {

// What the screens play their sounds on and record with: the program's media
// holder, or a test's service on fake players.
struct SoundParts {
    SoundService& sound;
    Recording& recording;
};

struct ScreenRoster {
    ScreenRoster() = default;
    ScreenRoster(const ScreenRoster&) = delete;
    ScreenRoster& operator=(const ScreenRoster&) = delete;

    UserList Users;
    // The course as loaded; nothing changes it after start-up.
    std::unique_ptr<const CourseData> Course;
    Session RunSession;
    // The program's players; none when a test hands in its own sound parts.
    std::unique_ptr<MediaHolder> Media;
    ScreenDialogs Dialogs;
    // What every screen is handed; made before the screens, gone after them.
    std::unique_ptr<RunContext> Context;
    // The lesson screens of the catalogue, made at their roster places.
    LessonScreens Lessons;
    std::unique_ptr<TForm1> Form1;
    std::unique_ptr<TSecondForm> SecondForm;
    std::unique_ptr<TWynik_Form> Wynik_Form;
    std::unique_ptr<TForm9> Form9;
    std::unique_ptr<TForm10> Form10;
    std::unique_ptr<TForm20> Form20;
    std::unique_ptr<TTopFiveForm> TopFiveForm;
    std::unique_ptr<TInformacjaForm> InformacjaForm;
    std::unique_ptr<TPodkladForm> PodkladForm;
    std::unique_ptr<TQuestionForm> QuestionForm;
    std::unique_ptr<TOpcjeForm> OpcjeForm;
    // The names of the screens in the order they were created.
    std::vector<std::string> CreationOrder;
};

// Makes the controls of the lesson screens not yet opened, one screen each
// time the event loop is idle, so the first opening of a lesson is as quick
// as the next. Start-up calls it once the main menu is up.
void MakeLessonControlsWhenIdle(ScreenRoster& roster);

// Loads the course with the given folders and creates every screen in roster
// order. A backdrop made (and shown) beforehand takes the backdrop's place
// instead of a new one; without sound parts the roster makes the program's
// media holder.
std::unique_ptr<ScreenRoster> CreateScreens(const StartupOptions& startup,
                                            std::unique_ptr<TPodkladForm> backdrop = nullptr,
                                            std::optional<SoundParts> sound = std::nullopt);

} // namespace lumora
