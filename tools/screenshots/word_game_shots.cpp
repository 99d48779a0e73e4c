#include "word_game_shots.h"

#include "course/course_data.h"
#include "course/lesson_kinds.h"
#include "course/startup_loading.h"
#include "exercises/crossword/crossword_screen.h"
#include "exercises/reveal/reveal_screen.h"
#include "exercises/word_search/word_search_screen.h"
#include "platform/path_resolver.h"
#include "platform/text_helpers.h"
#include "platform/ui/screen_pause.h"
#include "users/run_context.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWindow>

#include <filesystem>
#include <optional>

namespace lumora::shots {
namespace {

constexpr const char* kTopic = "kuchnia";

// Copies the games' files of the demo course into the sample course once.
void ProvideGameFiles(const CourseData& course) {
    static bool done = false;
    if (done) {
        return;
    }
    done = true;
    const std::string demo = ChooseDataRoot("");
    for (const char* folder : {"krzyzowka", "odkrywanki", "Pseudo"}) {
        std::error_code error;
        std::filesystem::copy(ResolvePath(demo, folder), course.DataPath(folder),
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::overwrite_existing,
                              error);
    }
}

// Makes the topic's lesson of that code the current one; false without one.
bool UseDemoLesson(StandaloneRun& run, int code) {
    ProvideGameFiles(run.course);
    const CourseData& course = run.course;
    for (int row = 1; row <= static_cast<int>(course.SteeringTable.size()); ++row) {
        const SteeringRow& r = *course.Steering(row);
        if (r.Code == code && r.TopicFolder == kTopic) {
            run.session.lesson.CurrentRow = row;
            run.session.lesson.CurrentContent = r.Content;
            run.session.lesson.CurrentCode = code;
            run.session.lesson.CurrentTopic = r.TopicFolder;
            return true;
        }
    }
    return false;
}

void PressKey(QWidget& screen, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(screen.windowHandle(), &press);
}

std::unique_ptr<QWidget> CrosswordShot(StandaloneRun& run) {
    auto screen = std::make_unique<TKrzyzowkaForm>(run.context);
    if (!UseDemoLesson(run, kCrosswordCode) || !screen->Load()) {
        return screen;
    }
    const Crossword& game = *screen->Game();
    const auto type = [&](const std::string& letters) {
        for (char ch : letters) {
            PressKey(*screen, Qt::Key_A + (ch - 'a'));
        }
    };
    type(LowerAZ(game.Row(game.ActiveRow()).word));
    type(LowerAZ(game.Row(game.ActiveRow()).word).substr(0, 2));
    return screen;
}

std::unique_ptr<QWidget> RevealShot(StandaloneRun& run) {
    auto screen = std::make_unique<TOdkrywanieForm>(run.context);
    if (!UseDemoLesson(run, kRevealCode) || !screen->Load()) {
        return screen;
    }
    const auto previous = SetPauseScreensHook([](int) {});
    for (int n = 0; n < 2; ++n) {
        const RevealGame& game = *screen->Game();
        screen->Edit1->SetText(game.Word(game.Position()).english);
        screen->Edit1Enter();
    }
    SetPauseScreensHook(previous);
    screen->Edit1->SetText("kett");
    return screen;
}

// The cells at the two ends of the first word of the list that lies across a
// row or down a column.
std::optional<std::pair<GridCell, GridCell>> FirstWord(const WordSearch& game,
                                                       const WordSearchPuzzle& puzzle) {
    for (const std::string& word : puzzle.words) {
        const int length = static_cast<int>(word.size());
        for (int r = 1; r <= game.Rows(); ++r) {
            for (int c = 1; c <= game.Columns(); ++c) {
                std::string across, down;
                for (int i = 0; i < length; ++i) {
                    across += c + i <= game.Columns() ? game.Letter(r, c + i) : "";
                    down += r + i <= game.Rows() ? game.Letter(r + i, c) : "";
                }
                if (LowerAZ(across) == LowerAZ(word)) {
                    return std::pair{GridCell{r, c}, GridCell{r, c + length - 1}};
                }
                if (LowerAZ(down) == LowerAZ(word)) {
                    return std::pair{GridCell{r, c}, GridCell{r + length - 1, c}};
                }
            }
        }
    }
    return std::nullopt;
}

std::unique_ptr<QWidget> WordSearchShot(StandaloneRun& run) {
    auto screen = std::make_unique<TPseudo_Form>(run.context);
    if (!UseDemoLesson(run, kWordSearchCode) || !screen->Load()) {
        return screen;
    }
    const auto read = ReadWordSearch(run.course, run.session.lesson.CurrentContent);
    if (const auto* puzzle = std::get_if<WordSearchPuzzle>(&read)) {
        const auto click = [&](GridCell cell) {
            screen->DxRamkaMouseDown(29 * (cell.column - 1) + 5, 26 * (cell.row - 1) + 5);
        };
        if (const auto ends = FirstWord(*screen->Game(), *puzzle)) {
            click(ends->first);
            click(ends->second);
        }
        click({1, 1});
    }
    return screen;
}

} // namespace

std::vector<ScreenShot> WordGameScreenShots() {
    return {
        {"crossword", CrosswordShot}, {"reveal_game", RevealShot}, {"word_search", WordSearchShot}};
}

} // namespace lumora::shots
