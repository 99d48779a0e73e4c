#include "screen_roster.h"

#include "elements/button_strips.h"
#include "exercises/catalogue.h"
#include "exercises/lesson_dialogs.h"
#include "exercises/show_instruction.h"
#include "sound/media_holder.h"
#include "users/points_table.h"

#include <QTimer>

#include <algorithm>

namespace lumora {
namespace {

// Makes the lesson screens the catalogue places at a roster place.
void CreateExerciseScreens(ScreenRoster& r, int place) {
    for (auto& screen : MakeLessonScreens(*r.Context, place)) {
        r.CreationOrder.push_back(screen->objectName().toStdString());
        r.ExerciseScreens.push_back(std::move(screen));
    }
}

template <class T, class... Args>
void Create(ScreenRoster& r, std::unique_ptr<T>& slot, const char* name, Args&&... args) {
    slot = std::make_unique<T>(std::forward<Args>(args)...);
    slot->setObjectName(name);
    r.CreationOrder.push_back(name);
}

// The holder of the two players and the shared picture list of the buttons.
void CreateMediaHolder(ScreenRoster& r) {
    TheMediaHolder();
    LoadButtonStrips(MyImageList1(), Course().DataRoot);
    SetPointsTotalSource([] { return CurrentPoints().Total(); });
    r.CreationOrder.push_back("TForm5");
}

// Screens that open one another are created in roster order, so they are
// joined once all exist.
void Wire(ScreenRoster& r) {
    SetInstructionScreen(r.InformacjaForm.get());
    r.Form1->SetTargets({r.SecondForm.get(), r.TopFiveForm.get(), r.OpcjeForm.get(),
                         r.QuestionForm.get(), r.InformacjaForm.get()});
    r.SecondForm->SetInformationScreen(r.InformacjaForm.get());
    r.SecondForm->OnExitToMenu = [form1 = r.Form1.get()] { form1->ResetTopicPictures(); };
    r.Form9->SetNewUserScreen(r.Form10.get());
    r.Form10->SetInformationScreen(r.InformacjaForm.get());
    r.Form10->ShowMessageScreen = [form20 = r.Form20.get()](const std::string& text) {
        form20->Label1->SetCaption(text);
        form20->ShowModal();
    };
    SetMessageScreen(r.Form10->ShowMessageScreen);
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
    SetQuestionScreen([question = r.QuestionForm.get()](const std::string& text) {
        question->Label1->SetCaption(text);
        question->ShowModal();
        return question->Tag == 1;
    });
}

} // namespace

void MakeLessonControlsWhenIdle(ScreenRoster& roster) {
    // A zero timer fires only when no other event waits, and stops with the
    // main menu it belongs to.
    auto* idle = new QTimer(roster.Form1.get());
    QObject::connect(idle, &QTimer::timeout, [&screens = roster.ExerciseScreens, idle] {
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

ScreenRoster::~ScreenRoster() {
    SetMessageScreen(nullptr);
    SetQuestionScreen(nullptr);
}

std::unique_ptr<ScreenRoster> CreateScreens(const StartupOptions& startup,
                                            std::unique_ptr<TPodkladForm> backdrop) {
    auto r = std::make_unique<ScreenRoster>();
    Create(*r, r->Form1, "TForm1", startup);
    r->Context = std::make_unique<LessonContext>(ProgramLessonContext());
    CreateExerciseScreens(*r, 2);
    CreateExerciseScreens(*r, 3);
    CreateMediaHolder(*r);
    for (int place : {5, 6, 7}) {
        CreateExerciseScreens(*r, place);
    }
    Create(*r, r->SecondForm, "TSecondForm");
    Create(*r, r->Wynik_Form, "TWynik_Form");
    Create(*r, r->Form9, "TForm9", r->Users);
    Create(*r, r->Form10, "TForm10", r->Users);
    Create(*r, r->Form20, "TForm20");
    Create(*r, r->TopFiveForm, "TTopFiveForm", r->Users);
    CreateExerciseScreens(*r, 14);
    Create(*r, r->InformacjaForm, "TInformacjaForm");
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
    Create(*r, r->QuestionForm, "TQuestionForm");
    Create(*r, r->OpcjeForm, "TOpcjeForm");
    Wire(*r);
    return r;
}

} // namespace lumora
