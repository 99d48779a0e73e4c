#pragma once
// Every screen of the program, created once at start-up in a fixed order and
// kept until the end. Creating the main menu loads the course, and the
// screens created after it read their texts and hints from it.
#include "backdrop.h"
#include "elements/information_screen.h"
#include "elements/result_box.h"
#include "main_menu.h"
#include "message_screen.h"
#include "options_screen.h"
#include "question_screen.h"
#include "topic_screen.h"
#include "users/screens/best_scores_screen.h"
#include "users/screens/login_screen.h"
#include "users/screens/new_user_screen.h"
#include "users/user_registry.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace lumora {

struct ScreenRoster {
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
    // The exercise screens, made by the factories registered for them.
    std::vector<std::unique_ptr<QWidget>> ExerciseScreens;
    // The names of the screens in the order they were created.
    std::vector<std::string> CreationOrder;
};

// Makes the screens of one or more lesson kinds and registers their openers
// (RegisterExerciseScreen); called at that kind's place in the roster.
using ExerciseScreenFactory = std::function<std::vector<std::unique_ptr<QWidget>>()>;
// Registers a factory for a place of the roster: 2 sentence exercise,
// 3 presentation, 5 word search, 6 typing, 7 drag and drop, 14 multiple
// choice, 17 reveal game, 18 crossword, 19 definitions, 20 true/false.
void RegisterExerciseScreenFactory(int place, ExerciseScreenFactory factory);

// Registers the factories of every exercise screen the program has.
void RegisterProgramExerciseScreens();

// Creates every screen in roster order; the main menu's creation loads the
// course with the given folders.
std::unique_ptr<ScreenRoster> CreateScreens(const StartupOptions& startup);

} // namespace lumora
