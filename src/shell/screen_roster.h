#pragma once
// Every screen of the program, created once at start-up in a fixed order and
// kept until the end. Creating the main menu loads the course, and the
// screens created after it read their texts and hints from it.
#include "backdrop.h"
#include "elements/information_screen.h"
#include "elements/result_box.h"
#include "exercises/lesson_context.h"
#include "exercises/lesson_screen.h"
#include "main_menu.h"
#include "message_screen.h"
#include "options_screen.h"
#include "question_screen.h"
#include "topic_screen.h"
#include "users/screens/best_scores_screen.h"
#include "users/screens/login_screen.h"
#include "users/screens/new_user_screen.h"
#include "users/user_registry.h"

#include <memory>
#include <string>
#include <vector>

namespace lumora {

struct ScreenRoster {
    ScreenRoster() = default;
    ScreenRoster(const ScreenRoster&) = delete;
    ScreenRoster& operator=(const ScreenRoster&) = delete;
    // The lesson screens' dialogs stop pointing at the screens that go.
    ~ScreenRoster();

    UserList Users;
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
    // What the lesson screens work with; made before them, gone after them.
    std::unique_ptr<LessonContext> Context;
    // The lesson screens of the catalogue, made at their roster places.
    std::vector<std::unique_ptr<LessonScreen>> ExerciseScreens;
    // The names of the screens in the order they were created.
    std::vector<std::string> CreationOrder;
};

// Makes the controls of the lesson screens not yet opened, one screen each
// time the event loop is idle, so the first opening of a lesson is as quick
// as the next. Start-up calls it once the main menu is up.
void MakeLessonControlsWhenIdle(ScreenRoster& roster);

// Creates every screen in roster order; the main menu's creation loads the
// course with the given folders. A backdrop made (and shown) beforehand takes
// the backdrop's place instead of a new one.
std::unique_ptr<ScreenRoster> CreateScreens(const StartupOptions& startup,
                                            std::unique_ptr<TPodkladForm> backdrop = nullptr);

} // namespace lumora
