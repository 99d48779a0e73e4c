#pragma once
// The result box shown when an exercise is left: the points just earned and
// the learner's total, a spoken comment chosen by the score, and a close by
// itself after three seconds. Its Tag tells the caller how it was left: 1 by
// the timer, Enter or the close mark; 0 by Esc.
#include "platform/ui/form.h"
#include "platform/ui/label.h"
#include "platform/ui/picture.h"
#include "platform/ui/timer.h"

#include <string>

namespace lumora {

struct CourseData;
class SoundService;

class TWynik_Form : public Form {
  public:
    static constexpr int kCloseAfter = 3000; // milliseconds

    // The course gives the texts and pictures, the sound service speaks the
    // comment; both must outlive the box.
    TWynik_Form(const CourseData& course, SoundService& sound);

    Picture* Image1;
    Label* Label1;
    Label* btn_exit;
    Label* btn_back;
    Timer Timer1;
    // The background shown, relative to the course folder; ShowResult picks
    // it by the score. A course without that picture shows the plain one.
    std::string BackgroundFile;

    void btn_exitClick();
    void btn_backClick();
    void Timer1Timer();

    // Fills the box with the points and the learner's total, picks its
    // picture and speaks the comment by the score, and shows it modally until
    // it closes; returns its Tag.
    int ShowResult(int points, int correct, int wrong, int answered, int items, int total);

  protected:
    void FormShow() override;
    void FormClose() override;
    void FormKeyDown(int& key, Qt::KeyboardModifiers modifiers) override;

  private:
    void CloseWithTag(int tag);

    const CourseData& course_;
    SoundService& sound_;
};

// The result caption: text 15, the points, a line break, text 16, the total.
std::string ResultCaption(const CourseData& course, int points, int total);

} // namespace lumora
