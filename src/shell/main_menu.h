#pragma once
// The main menu: twelve topic pictures that animate under the mouse and open
// their topic, and click areas over the artwork for the best scores, the
// options, the about text, two web pages and the end of the program.
#include "course/main_menu_topics.h"
#include "elements/hover_controls.h"
#include "elements/link_label.h"
#include "platform/ui/form.h"
#include "platform/ui/label.h"
#include "platform/ui/picture.h"

#include <QImage>

#include <array>
#include <vector>

namespace lumora {

class TSecondForm;
class TTopFiveForm;
class TOpcjeForm;
struct RunContext;

// The screens the main menu opens.
struct MainMenuTargets {
    TSecondForm* topics = nullptr;
    TTopFiveForm* bestScores = nullptr;
    TOpcjeForm* options = nullptr;
};

class TForm1 : public Form {
  public:
    // The controls get their hints and cursors when the course has loaded;
    // a course that did not load leaves them bare.
    TForm1(RunContext& run, bool courseLoaded);

    void SetTargets(const MainMenuTargets& targets) { targets_ = targets; }

    Picture* Img_tlo;
    std::array<TMImage*, kMenuTopics> TopicPictures{}; // lbl_czaswolny ... lbl_rozne
    Label* lbl_najlepsi;
    Label* lbl_opcje;
    Label* lbl_about;
    Label* k_koniec;
    TLinkLabel* btn_www;
    TLinkLabel* btn_www2;

    // Whether the topic pictures have been put at rest since the login.
    bool PicturesReady = false;
    // Set when the learner confirmed the end; the program then quits.
    bool EndConfirmed() const { return endConfirmed_; }

    void FormActivate();
    void TopicClick(int t);
    void TopicMouseEnter(int t);
    void TopicMouseLeave(int t);
    void lbl_najlepsiClick();
    void lbl_opcjeClick();
    void lbl_aboutClick();
    void k_koniecClick();
    void ResetTopicPictures();
    // Copies frame k (1..60) into a topic picture and repaints it at once.
    void ShowFrame(int k, TMImage& picture);
    int FrameShown(int t) const { return frameShown_[static_cast<std::size_t>(t - 1)]; }

  protected:
    void FormShow() override;
    void FormClose() override;
    bool event(QEvent* event) override;

  private:
    void CreateTopicPictures();
    void CreateClickAreas();
    void SetHintsAndCursors();
    void IntroAnimation();
    void StillPreparation();

    RunContext& run_;
    MainMenuTargets targets_;
    std::vector<QImage> frames_; // 60 frame pictures, index k - 1
    std::array<int, kMenuTopics> frameShown_{};
    bool endConfirmed_ = false;
};

} // namespace lumora
