#include "navigator.h"

#include "course/course_data.h"
#include "course/main_menu_topics.h"
#include "elements/information_screen.h"
#include "elements/result_box.h"
#include "exercises/lesson_screen.h"
#include "shell/main_menu.h"
#include "shell/message_screen.h"
#include "shell/options_screen.h"
#include "shell/question_screen.h"
#include "shell/topic_screen.h"
#include "users/screens/best_scores_screen.h"
#include "users/screens/login_screen.h"
#include "users/screens/new_user_screen.h"

#include <QMessageBox>

#include <cstring>

namespace lumora::soak {

QPoint CentreIn(const QWidget& window, const QWidget& control) {
    return control.mapTo(&window, control.rect().center());
}

void Navigator::ClickAt(QWidget& top, QWidget& control, std::string& described, const char* what) {
    described = std::string("click ") + what;
    input_.Click(top, CentreIn(top, control));
}

bool Navigator::IsLesson(const QWidget& top) {
    return dynamic_cast<const LessonScreen*>(&top) != nullptr;
}

bool Navigator::IsOpen(const QWidget& top, int row) const {
    return IsLesson(top) && lesson_->CurrentRow == row;
}

bool Navigator::StepLogin(QWidget& top, std::string& described) {
    if (auto* login = dynamic_cast<TForm9*>(&top)) {
        if (login->B_OK->isVisible()) {
            ClickAt(top, *login->B_OK, described, "login OK");
        } else {
            ClickAt(top, *login->B_Nowy, described, "login new user");
        }
        return true;
    }
    if (auto* newUser = dynamic_cast<TForm10*>(&top)) {
        if (newUser->Edit1->Text().empty()) {
            // A name of its own each time, so it is never refused as taken.
            const std::string name = "Soak" + std::to_string(++learners_);
            described = "type learner name " + name;
            newUser->Edit1->setFocus();
            for (char c : name) {
                input_.Key(top, QChar(c).toUpper().unicode(), Qt::NoModifier, QString(QChar(c)));
            }
        } else {
            ClickAt(top, *newUser->B_OK, described, "new user OK");
        }
        return true;
    }
    return false;
}

void Navigator::Leave(QWidget& top, std::string& described) {
    QWidget* way = nullptr;
    if (auto* lesson = dynamic_cast<LessonScreen*>(&top)) {
        way = lesson->btn_exit;
    } else if (auto* topic = dynamic_cast<TSecondForm*>(&top)) {
        way = topic->btn_exit;
    } else if (auto* best = dynamic_cast<TTopFiveForm*>(&top)) {
        way = best->btn_exit;
    } else if (auto* options = dynamic_cast<TOpcjeForm*>(&top)) {
        way = options->B_OK;
    } else if (auto* information = dynamic_cast<TInformacjaForm*>(&top)) {
        way = information->B_OK;
    } else if (auto* result = dynamic_cast<TWynik_Form*>(&top)) {
        way = result->btn_exit;
    } else if (auto* question = dynamic_cast<TQuestionForm*>(&top)) {
        way = question->B_OK;
    } else if (auto* message = dynamic_cast<TForm20*>(&top)) {
        way = message->B_OK;
    } else if (dynamic_cast<QMessageBox*>(&top) != nullptr) {
        described = "key Enter (message box)";
        input_.Key(top, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        return;
    }
    if (way != nullptr && way->isVisible()) {
        ClickAt(top, *way, described, "way out");
        return;
    }
    described = "key Escape (no way out known)";
    input_.Key(top, Qt::Key_Escape, Qt::NoModifier, QString());
}

void Navigator::StepTowards(QWidget& top, const std::string& topic, int row,
                            std::string& described) {
    if (StepLogin(top, described)) {
        return;
    }
    if (auto* menu = dynamic_cast<TForm1*>(&top)) {
        for (int t = 0; t < kMenuTopics; ++t) {
            if (topic == MenuTopics()[static_cast<std::size_t>(t)].folder) {
                const std::string what = "menu topic " + topic;
                ClickAt(top, *menu->TopicPictures[static_cast<std::size_t>(t)], described,
                        what.c_str());
                return;
            }
        }
        described = "no menu topic for " + topic;
        return;
    }
    auto* topics = dynamic_cast<TSecondForm*>(&top);
    if (topics != nullptr && lesson_->CurrentTopic == topic) {
        for (const TopicHitArea& area : topics->HitAreas()) {
            if (area.row == row) {
                const QPoint at((area.left + area.right) / 2, (area.top + area.bottom) / 2);
                described = "click lesson icon row " + std::to_string(row) + " code " +
                            std::to_string(area.code);
                input_.Click(top, topics->PaintBox1->mapTo(&top, at));
                return;
            }
        }
        // The list records its icons when it is painted; point at it meanwhile.
        described = "move over the lesson list";
        input_.Move(top, CentreIn(top, *topics->PaintBox1));
        return;
    }
    Leave(top, described);
}

} // namespace lumora::soak
