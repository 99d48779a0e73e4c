#include "screen_shots.h"

#include "exercise_shots.h"
#include "program_shots.h"
#include "word_game_shots.h"

#include "course/course_data.h"
#include "elements/button_strips.h"
#include "elements/information_screen.h"
#include "elements/result_box.h"
#include "elements/transparent_button.h"
#include "platform/ui/form.h"
#include "shell/message_screen.h"
#include "shell/options_screen.h"
#include "shell/question_screen.h"

#include <QImage>

#include <cstdio>

namespace lumora::shots {
namespace {

constexpr const char* kSampleHelp =
    "<b>Jak pracować z ćwiczeniem</b>@Posłuchaj nagrania, a potem odpowiedz na pytania. "
    "Kliknij [iko_pomoc] aby usłyszeć polecenie jeszcze raz, albo [iko_glosnik] aby "
    "posłuchać słowa. <i>Powodzenia!</i>@Wskazówka: tekst można przewijać strzałkami, a "
    "okno przesuwać, chwytając jego górny brzeg. Kiedy skończysz, kliknij krzyżyk w rogu "
    "okna albo naciśnij Enter.";

template <class T> std::unique_ptr<QWidget> Shown(std::unique_ptr<T> form) {
    form->Show();
    return form;
}

std::unique_ptr<QWidget> ResultBoxShot(StandaloneRun& run) {
    auto box = std::make_unique<TWynik_Form>(run.course, run.context.sound);
    box->Label1->SetCaption(ResultCaption(run.course, 12, 345));
    return Shown(std::move(box));
}

std::unique_ptr<QWidget> InformationShot(StandaloneRun& run) {
    auto screen = std::make_unique<TInformacjaForm>(run.course);
    screen->HelpText = kSampleHelp;
    screen->Show();
    // The first paint decides whether the text needs the scroll-down arrow.
    screen->grab();
    return screen;
}

std::unique_ptr<QWidget> OptionsShot(StandaloneRun& run) {
    run.session.settings.SoundSet = 4;
    return Shown(std::make_unique<TOpcjeForm>(run.context));
}

std::unique_ptr<QWidget> QuestionShot(StandaloneRun& run) {
    auto screen = std::make_unique<TQuestionForm>(run.course);
    screen->Label1->SetCaption(run.course.GetText(3));
    return Shown(std::move(screen));
}

std::unique_ptr<QWidget> MessageShot(StandaloneRun& run) {
    auto screen = std::make_unique<TForm20>(run.course);
    screen->Label1->SetCaption("Podaj swoje imię, zanim zaczniesz naukę.");
    return Shown(std::move(screen));
}

// The 24 image buttons of the shared list: at rest above, highlighted below.
std::unique_ptr<QWidget> ButtonStripsShot(StandaloneRun&) {
    auto form = std::make_unique<Form>(12 * 40 + 8, 2 * 80 + 8);
    form->SetColor({40, 40, 48});
    for (int i = 0; i < MyImageList1().Count(); ++i) {
        for (int stan = 0; stan < 2; ++stan) {
            auto* button = new TTransparentButton(form.get());
            button->SetBitmapNormal(i);
            button->move(8 + (i % 12) * 40, 8 + (i / 12) * 80 + stan * 40);
            button->SetStan(stan);
        }
    }
    return Shown(std::move(form));
}

bool PlainColour(const QImage& image) {
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != first) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

const std::vector<ScreenShot>& ScreenShots() {
    static const std::vector<ScreenShot> shots = [] {
        std::vector<ScreenShot> all = {
            {"result_box", ResultBoxShot},   {"information_screen", InformationShot},
            {"options_screen", OptionsShot}, {"question_screen", QuestionShot},
            {"message_screen", MessageShot}, {"button_strips", ButtonStripsShot},
        };
        // Before the program's screens, which load the demo course itself.
        for (auto& shot : ExerciseScreenShots()) {
            all.push_back(std::move(shot));
        }
        for (auto& shot : WordGameScreenShots()) {
            all.push_back(std::move(shot));
        }
        for (auto& shot : ProgramScreenShots()) {
            all.push_back(std::move(shot));
        }
        return all;
    }();
    return shots;
}

int RenderScreenShots(StandaloneRun& run, const std::string& outDir) {
    int failed = 0;
    for (const ScreenShot& shot : ScreenShots()) {
        const std::unique_ptr<QWidget> screen = shot.show(run);
        const QImage image = screen->grab().toImage();
        screen->hide();
        const std::string path = outDir + "/" + shot.name + ".png";
        if (image.isNull() || PlainColour(image) || !image.save(QString::fromStdString(path))) {
            std::fprintf(stderr, "lumora-screenshots: %s was not rendered\n", path.c_str());
            ++failed;
        } else {
            std::printf("%s\n", path.c_str());
        }
    }
    return failed;
}

} // namespace lumora::shots
