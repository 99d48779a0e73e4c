#pragma once
// The base of every lesson screen: the full-screen background with its
// fallbacks, the help, instruction and exit buttons with their hints, the
// load sequence (check the lesson, prepare, show), finishing a lesson with
// points and the result box, stopping sounds and telling the topic screen
// when it closes. The exercise frame derives from it; so do the screens that
// lay themselves out (crossword, reveal game, word search, presentation,
// sentence exercise).
#include "course/load_report.h"
#include "elements/dialogs.h"
#include "elements/transparent_button.h"
#include "exercises/common/lesson_step.h"
#include "frame_options.h"
#include "platform/ui/form.h"
#include "platform/ui/picture.h"
#include "sound/sound_service.h"
#include "users/run_context.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace lumora {

class ListeningSpeedControl;

// One button of a screen in a row of its table: the member it is kept in,
// where it stands, its picture strip, its hint number (0 for none) and its
// click handler (none for buttons that handle the press themselves).
template <class Screen> struct ButtonRow {
    TTransparentButton* Screen::*button;
    int left;
    int top;
    int strip;
    int hint;
    void (Screen::*click)();
};

struct LessonScreenOptions {
    int exitLeft = 718;
    DefaultBackground background;
    // Leaving the result box with Esc keeps the screen open (the games and the
    // presentation); otherwise the screen closes however the box was left.
    bool stayOnResultEsc = false;
};

class LessonScreen : public Form {
  public:
    static constexpr int kButtonTop = 547;

    LessonScreen(RunContext& context, const LessonScreenOptions& options);
    ~LessonScreen() override;

    // Opens the current lesson, run by the lesson start and by "again": reads
    // it (a lesson that does not follow its format is refused with a message
    // naming it, and the screen stays as it was), prepares the screen and
    // shows it. False when refused.
    bool Load();
    // Makes the screen's controls, once. A screen is made at start-up with
    // no controls; Load makes them first, so a screen that is never opened
    // costs only its window object.
    void MakeControls();
    bool ControlsMade() const { return controlsMade_; }

    // Made by MakeControls.
    Picture* img_tlo = nullptr;
    TTransparentButton* btn_help = nullptr;
    TTransparentButton* btn_polecenie = nullptr;
    TTransparentButton* btn_exit = nullptr;

    void btn_helpClick();
    void btn_polecenieClick();
    void btn_exitClick();

    // Run when the screen has closed, so the lesson list can show the lesson
    // as done.
    std::function<void()> OnClosed;

  protected:
    // Makes the controls; a screen's override calls its base's first.
    virtual void CreateControls();
    // Reads the current lesson's content; on a fault returns the message to
    // show and leaves the screen unchanged.
    virtual std::optional<LoadFault> ReadLesson() = 0;
    // Resets the screen for the lesson just read and lays it out; runs
    // before the screen is shown.
    virtual void PrepareLesson() = 0;
    // Points and counters when the lesson is left.
    virtual LessonScore Score() const = 0;
    // The help button's sound; by default the spoken instruction of the kind.
    virtual void PlayHelp();
    // What the exit button does before the points are recorded.
    virtual void BeforeLeaving() {}

    // Records the points with AddPoints, shows the result box and closes the
    // screen (unless the box was left with Esc and the screen stays then).
    void FinishLesson(const LessonScore& score);

    TTransparentButton* MakeButton(int left, int top, int picture, const std::string& hint);
    // Makes the buttons of a table, one per row.
    template <class Screen, std::size_t N>
    void MakeButtons(Screen& screen, const ButtonRow<Screen> (&rows)[N]) {
        for (const ButtonRow<Screen>& row : rows) {
            TTransparentButton* button =
                MakeButton(row.left, row.top, row.strip,
                           row.hint != 0 ? context_.course.GetHint(row.hint) : std::string());
            screen.*row.button = button;
            if (row.click != nullptr) {
                button->OnClick = [&screen, click = row.click] { (screen.*click)(); };
            }
        }
    }

    RunContext& Context() const { return context_; }
    const CourseData& CurrentCourse() const { return context_.course; }
    LessonState& Lesson() const { return context_.session.lesson; }
    const UserSettings& Settings() const { return context_.session.settings; }
    SoundService& Sounds() const { return context_.sound; }
    Dialogs& Dialog() const { return context_.dialogs; }
    // The current lesson's steering row, with the layout defaults its screen
    // gave it on an earlier opening.
    SteeringRow& LayoutRow() const;
    // The learner's listening speed (F6) while the screen is open.
    ListeningSpeedControl& ListeningSpeed() const { return *speed_; }

    void FormShow() override;
    void FormClose() override;
    // Whether Space and Enter are for the painted items of the box: the focus
    // is on the box or on no control that takes them itself.
    bool KeysForItems(const QWidget* box) const;
    // Shows the lesson's background in img_tlo when the screen is shown.
    virtual void LoadBackground();

  private:
    RunContext& context_;
    LessonScreenOptions options_;
    std::unique_ptr<ListeningSpeedControl> speed_;
    bool controlsMade_ = false;
};

} // namespace lumora
