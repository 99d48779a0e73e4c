#include "screen_roster.h"

#include "course/startup_loading.h"
#include "elements/button_strips.h"

#include <QTimer>

#include <algorithm>

namespace lumora {
namespace {

// Makes the lesson screens the catalogue places at a roster place.
void CreateExerciseScreens(ScreenRoster& r, int place) {
    for (std::string& name : r.Lessons.MakeAt(*r.Context, place)) {
        r.CreationOrder.push_back(std::move(name));
    }
}

template <class T, class... Args>
void Create(ScreenRoster& r, std::unique_ptr<T>& slot, const char* name, Args&&... args) {
    slot = std::make_unique<T>(std::forward<Args>(args)...);
    slot->setObjectName(name);
    r.CreationOrder.push_back(name);
}

// The shared picture list of the buttons, at the place of the module that
// also holds the players (those are made first of all, since the context
// every screen is handed refers to their sound service).
void LoadButtonPictures(ScreenRoster& r) {
    LoadButtonStrips(MyImageList1(), r.Course->DataRoot);
    r.CreationOrder.push_back("TForm5");
}

// The course, then the context on it, the session, the sound and the dialogs.
bool LoadRun(ScreenRoster& r, const StartupOptions& startup, std::optional<SoundParts> sound) {
    auto course = std::make_unique<CourseData>();
    auto report = LoadReport::ForProgram();
    const bool loaded = LoadCourse(*course, r.RunSession.settings, startup, report);
    r.Course = std::move(course);
    if (!sound) {
        r.Media = std::make_unique<MediaHolder>();
        sound.emplace(SoundParts{r.Media->Service(), r.Media->Recorder()});
    }
    r.Context = std::make_unique<RunContext>(
        RunContext{*r.Course, r.RunSession, sound->sound, sound->recording, r.Dialogs});
    return loaded;
}

// Screens that open one another are created in roster order, so they are
// joined once all exist.
void Wire(ScreenRoster& r) {
    r.Dialogs.SetScreens(
        {r.Form20.get(), r.QuestionForm.get(), r.InformacjaForm.get(), r.Wynik_Form.get()});
    r.Form1->SetTargets({r.SecondForm.get(), r.TopFiveForm.get(), r.OpcjeForm.get()});
    r.SecondForm->OnExitToMenu = [form1 = r.Form1.get()] { form1->ResetTopicPictures(); };
    r.Lessons.OnAnyClosed([topics = r.SecondForm.get()] { topics->LessonClosed(); });
    r.Form9->SetNewUserScreen(r.Form10.get());
    // Closing the backdrop through the window system is the exit of the
    // screen that ends the program: the login's before a learner has logged
    // in, the main menu's question after. The roster's own login screen is
    // asked, whichever it is at the time.
    r.PodkladForm->OnCloseRequest = [&r] {
        if (r.Form9->isVisible()) {
            r.Form9->K_KoniecClick();
        } else if (r.Form1->isVisible()) {
            r.Form1->k_koniecClick();
        }
    };
}

} // namespace

void MakeLessonControlsWhenIdle(ScreenRoster& roster) {
    // A zero timer fires only when no other event waits, and stops with the
    // main menu it belongs to.
    auto* idle = new QTimer(roster.Form1.get());
    QObject::connect(idle, &QTimer::timeout, [&screens = roster.Lessons.All(), idle] {
        const auto next = std::find_if(screens.begin(), screens.end(),
                                       [](const auto& screen) { return !screen->ControlsMade(); });
        if (next == screens.end()) {
            idle->deleteLater();
            idle->stop();
            return;
        }
        (*next)->MakeControls();
    });
    idle->start(0);
}

std::unique_ptr<ScreenRoster> CreateScreens(const StartupOptions& startup,
                                            std::unique_ptr<TPodkladForm> backdrop,
                                            std::optional<SoundParts> sound) {
    auto r = std::make_unique<ScreenRoster>();
    const bool loaded = LoadRun(*r, startup, sound);
    RunContext& run = *r->Context;
    const CourseData& course = *r->Course;
    Create(*r, r->Form1, "TForm1", run, loaded);
    CreateExerciseScreens(*r, 2);
    CreateExerciseScreens(*r, 3);
    LoadButtonPictures(*r);
    for (int place : {5, 6, 7}) {
        CreateExerciseScreens(*r, place);
    }
    Create(*r, r->SecondForm, "TSecondForm", run, r->Lessons);
    Create(*r, r->Wynik_Form, "TWynik_Form", course, run.sound);
    Create(*r, r->Form9, "TForm9", run, r->Users);
    Create(*r, r->Form10, "TForm10", run, r->Users);
    Create(*r, r->Form20, "TForm20", course);
    Create(*r, r->TopFiveForm, "TTopFiveForm", run, r->Users);
    CreateExerciseScreens(*r, 14);
    Create(*r, r->InformacjaForm, "TInformacjaForm", course);
    if (backdrop != nullptr) {
        r->PodkladForm = std::move(backdrop);
        r->PodkladForm->setObjectName("TPodkladForm");
        r->CreationOrder.push_back("TPodkladForm");
    } else {
        Create(*r, r->PodkladForm, "TPodkladForm");
    }
    for (int place : {17, 18, 19, 20}) {
        CreateExerciseScreens(*r, place);
    }
    Create(*r, r->QuestionForm, "TQuestionForm", course);
    Create(*r, r->OpcjeForm, "TOpcjeForm", run);
    Wire(*r);
    return r;
}

} // namespace lumora
