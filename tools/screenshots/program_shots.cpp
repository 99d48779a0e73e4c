#include "program_shots.h"

#include "course/lesson_kinds.h"
#include "course/startup_loading.h"
#include "exercises/catalogue.h"
#include "shell/main_menu.h"
#include "shell/topic_screen.h"
#include "users/points_table.h"
#include "users/screens/best_scores_screen.h"
#include "users/screens/login_screen.h"
#include "users/screens/new_user_screen.h"
#include "users/user_registry.h"

namespace lumora::shots {
namespace {

// These screens show the demo course's own artwork.
void UseDemoPictures(StandaloneRun& run) {
    run.course.DataRoot = ChooseDataRoot("");
}

UserList& SampleUsers() {
    static UserList users = [] {
        UserList list;
        for (const char* name : {"Ania", "Bartek", "Zosia"}) {
            list.AddNewName(name);
        }
        return list;
    }();
    return users;
}

std::unique_ptr<QWidget> LoginShot(StandaloneRun& run) {
    UseDemoPictures(run);
    // The screen reads the user list of this machine; the shot shows sample
    // learners instead.
    static UserList users;
    auto screen = std::make_unique<TForm9>(run.context, users);
    users = SampleUsers();
    screen->ComboBox1->ClearItems();
    for (const auto& user : users.Entries()) {
        screen->ComboBox1->AddItem(user.Name);
    }
    screen->Show();
    return screen;
}

std::unique_ptr<QWidget> NewUserShot(StandaloneRun& run) {
    UseDemoPictures(run);
    auto screen = std::make_unique<TForm10>(run.context, SampleUsers());
    screen->Show();
    screen->Edit1->SetText("Marta");
    return screen;
}

std::unique_ptr<QWidget> MainMenuShot(StandaloneRun& run) {
    const StartupOptions demo{ChooseDataRoot(""), run.course.UserDataFolder, false, {}};
    auto report = LoadReport::ForProgram();
    const bool loaded = LoadCourse(run.course, run.session.settings, demo, report);
    auto menu = std::make_unique<TForm1>(run.context, loaded);
    menu->Show();
    menu->FormActivate();
    return menu;
}

// The kitchen, with the first lessons done.
std::unique_ptr<QWidget> TopicShot(StandaloneRun& run) {
    UseDemoPictures(run);
    run.session.lesson.CurrentTopic = "kuchnia";
    PointsTable& points = run.session.points;
    points.InitPointsFromSteering(run.course);
    for (int row : TopicLessons(run.course, "kuchnia")) {
        const SteeringRow& r = *run.course.Steering(row);
        if (r.Code == kVocabularyCode || r.Code == kVocabularyCode + 1 ||
            r.Code == kMultipleChoiceCode) {
            points.Apply(r.Content, r.Code, 20);
        }
    }
    // The shot starts no lesson.
    static const LessonScreens noLessons;
    auto screen = std::make_unique<TSecondForm>(run.context, noLessons);
    screen->Show();
    return screen;
}

std::unique_ptr<QWidget> BestScoresShot(StandaloneRun& run) {
    UseDemoPictures(run);
    run.session.CurrentUserName = "Ania";
    auto screen = std::make_unique<TTopFiveForm>(run.context, SampleUsers());
    screen->Show();
    return screen;
}

} // namespace

std::vector<ScreenShot> ProgramScreenShots() {
    return {{"login_screen", LoginShot},
            {"new_user_screen", NewUserShot},
            {"main_menu", MainMenuShot},
            {"topic_screen", TopicShot},
            {"best_scores_screen", BestScoresShot}};
}

} // namespace lumora::shots
