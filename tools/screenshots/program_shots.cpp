#include "program_shots.h"

#include "course/lesson_kinds.h"
#include "course/startup_loading.h"
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
void UseDemoPictures() {
    Course().DataRoot = ChooseDataRoot("");
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

std::unique_ptr<QWidget> LoginShot() {
    UseDemoPictures();
    // The screen reads the user list of this machine; the shot shows sample
    // learners instead.
    static UserList users;
    auto screen = std::make_unique<TForm9>(users);
    users = SampleUsers();
    screen->ComboBox1->ClearItems();
    for (const auto& user : users.Entries()) {
        screen->ComboBox1->AddItem(user.Name);
    }
    screen->Show();
    return screen;
}

std::unique_ptr<QWidget> NewUserShot() {
    UseDemoPictures();
    auto screen = std::make_unique<TForm10>(SampleUsers());
    screen->Show();
    screen->Edit1->SetText("Marta");
    return screen;
}

std::unique_ptr<QWidget> MainMenuShot() {
    const StartupOptions demo{ChooseDataRoot(""), Course().UserDataFolder, false, {}};
    auto menu = std::make_unique<TForm1>(demo);
    menu->Show();
    menu->FormActivate();
    return menu;
}

// The kitchen, with the first lessons done.
std::unique_ptr<QWidget> TopicShot() {
    UseDemoPictures();
    Course().CurrentTopic = "kuchnia";
    PointsTable& points = CurrentPoints();
    points.InitPointsFromSteering(Course());
    for (int row : TopicLessons(Course(), "kuchnia")) {
        const SteeringRow& r = *Course().Steering(row);
        if (r.Code == kVocabularyCode || r.Code == kVocabularyCode + 1 ||
            r.Code == kMultipleChoiceCode) {
            points.Apply(r.Content, r.Code, 20);
        }
    }
    auto screen = std::make_unique<TSecondForm>();
    screen->Show();
    return screen;
}

std::unique_ptr<QWidget> BestScoresShot() {
    UseDemoPictures();
    Course().CurrentUserName = "Ania";
    auto screen = std::make_unique<TTopFiveForm>(SampleUsers());
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
