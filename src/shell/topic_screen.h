#pragma once
// The topic screen: the lessons of the chosen topic painted under their
// section headings, with an icon per lesson that shows whether it is done;
// pointing at an icon describes the lesson kind, clicking starts the lesson.
// By keys the arrows move through the lessons (described as under the
// mouse) and Enter starts the one marked.
#include "course/topic_list_layout.h"
#include "elements/transparent_button.h"
#include "platform/ui/form.h"
#include "platform/ui/keyboard_grid.h"
#include "platform/ui/label.h"
#include "platform/ui/paint_box.h"
#include "platform/ui/picture.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace lumora {

class LessonScreens;
struct RunContext;

// What the learner reads on clicking a lesson whose kind has no screen in this
// version: the kind's description (or the lesson's title) in the message.
std::string LessonNotReadyMessage(const CourseData& course, int row, int code);

class TSecondForm : public Form {
  public:
    // The lesson screens start the lessons clicked; they are made later.
    TSecondForm(RunContext& run, const LessonScreens& lessons);

    Picture* Img_tlo;
    PaintBox* PaintBox1;
    Label* lbl_opis;
    Label* btn_exit;
    TTransparentButton* btn_polecenie;

    // Run after btn_exit has closed the screen: the main menu puts its topic
    // pictures back at rest.
    std::function<void()> OnExitToMenu;

    void PaintBox1Paint(Canvas& canvas);
    void PaintBox1MouseMove(int x, int y);
    void PaintBox1MouseDown(int x, int y);
    void Img_tloMouseMove();
    void btn_exitClick();
    void btn_polecenieClick();
    // A lesson's screen has closed: the list is painted again, so the lesson
    // just done shows its done icon even where a window system shows the
    // uncovered list from its cache.
    void LessonClosed();

    const std::vector<int>& TopicLessons() const { return lessons_; }
    const std::vector<TopicHitArea>& HitAreas() const { return hitAreas_; }
    // The lessons as the keys and screen readers meet them.
    const KeyboardGrid& LessonKeys() const { return *lessonKeys_; }
    // What a screen reader says of a lesson: its title, kind and whether done.
    std::string LessonName(const TopicHitArea& area) const;
    const TopicListStyle& Style() const { return style_; }

  protected:
    void FormShow() override;
    void FormClose() override;
    bool FormShortCut(int key, Qt::KeyboardModifiers modifiers) override;
    bool event(QEvent* event) override;

  private:
    void DescribeLesson(const TopicHitArea* area);
    void OpenLesson(const TopicHitArea& area);
    std::string TopicName() const;

    RunContext& run_;
    const LessonScreens& lessonScreens_;
    std::vector<int> lessons_;
    std::vector<TopicHitArea> hitAreas_;
    std::unique_ptr<KeyboardGrid> lessonKeys_;
    TopicListStyle style_;
    bool recordHits_ = false;
};

} // namespace lumora
