#pragma once
// The vocabulary presentation, TPrezentacjaForm: one screen of eight picture
// slots over three mode views, chosen by the lesson code: the words with
// their pictures (code 30: hear a word, record and compare the learner's
// voice, play all, print the list), the picture choice (31: hear a word,
// click its picture among four) and the typing drill (32: type the English
// word under each of eight pictures).
#include "exercises/lesson_screen.h"
#include "exercises/presentation/choice_view.h"
#include "exercises/presentation/page_view.h"
#include "exercises/presentation/typing_view.h"
#include "exercises/presentation/word_page.h"
#include "exercises/presentation/word_recorder.h"
#include "platform/ui/edit_box.h"
#include "platform/ui/label.h"
#include "platform/ui/shape.h"
#include "platform/ui/timer.h"

#include <array>
#include <vector>

namespace lumora {

class TPrezentacjaForm : public LessonScreen {
  public:
    static constexpr int kSlots = WordPage::kSlots;
    // Milliseconds between the pictures of the first page appearing.
    static constexpr int kRevealStep = 100;

    explicit TPrezentacjaForm(RunContext& context);
    ~TPrezentacjaForm() override;

    Picture* img_tlo_dn = nullptr;
    TTransparentButton* btn_up = nullptr;
    TTransparentButton* btn_dn = nullptr;
    TTransparentButton* btn_play_all = nullptr;
    TTransparentButton* btn_drukuj = nullptr;
    TTransparentButton* btn_mikrofonik = nullptr;
    TTransparentButton* btn_glosniczek = nullptr;
    TTransparentButton* btn_Odtworz = nullptr;
    Label* lbl_nagr = nullptr;
    Label* lbl_nagr2 = nullptr;
    Label* lbl_all_pkt = nullptr;
    Shape* img_progress = nullptr;
    Shape* shp_progress = nullptr;
    EditBox* ed_wpis = nullptr;
    std::array<Picture*, kSlots> img{};
    std::array<Label*, kSlots> lbl{};
    std::array<Picture*, kSlots> zapyt{};

    void btn_upClick();
    void btn_dnClick();
    void btn_play_allClick() { pageView_.PlayAll(); }
    void btn_drukujClick() { pageView_.Print(); }
    void btn_mikrofonikMouseDown() { recorder_.Start(); }
    void btn_mikrofonikMouseUp() { recorder_.Stop(); }
    void btn_glosniczekClick() { recorder_.PlayBack(); }
    void btn_OdtworzClick() { choiceView_.PlayTarget(); }
    void img_tloClick() { pageView_.StopPlayAll(); }
    // A click on the picture, word label or question mark of slot 1..8.
    void ImageClick(int slot);
    void LabelClick(int slot);
    void ZapytClick(int slot) { typingView_.QuestionClicked(slot); }
    // The play-all step, run at every end of a play while play-all runs.
    void PlayAllStep() { pageView_.PlayAllStep(); }

    int Code() const { return code_; }
    const std::vector<int>& WordOrder() const { return wordOrder_; }
    const WordPage& Page() const { return page_; }
    const ChoiceDrill& Choice() const { return choiceView_.Drill(); }
    const TypingDrill& Typing() const { return typingView_.Drill(); }
    bool Recorded() const { return recorder_.Recorded(); }
    // The data row whose word the microphone records, 0 before a word is heard.
    int RecordedRow() const { return recorder_.Row(); }
    // The word list page the print button prints.
    std::string WordListHtml() const { return pageView_.WordListHtml(); }

    // What the mode views use of the page.
    WordPage& Pages() { return page_; }
    void SetWordOrder(std::vector<int> order) { wordOrder_ = std::move(order); }
    // Shows the page's words; with `slowly` one picture appears at a time.
    void ShowPage(bool slowly = false);
    void ShowArrows();
    // Plays the word at a page position and offers to record it.
    void HearWord(int position);
    const DataRow& Row(int dataRow) const;
    int RowAt(int position) const;
    std::string SoundOf(int dataRow) const;
    int ListeningPercent() const;
    // Records the score and shows the result box.
    void FinishDrill() { FinishLesson(Score()); }

  protected:
    void CreateControls() override;
    std::optional<LoadFault> ReadLesson() override;
    void PrepareLesson() override;
    LessonScore Score() const override { return Mode().Score(); }
    void LoadBackground() override;
    void FormShow() override;
    void FormClose() override;
    bool FormShortCut(int key, Qt::KeyboardModifiers) override { return Mode().ShortCut(key); }

  private:
    void CreateSlots();
    void CreateRecordingLabels();
    void CreateProgress();
    PresentationMode& Mode();
    const PresentationMode& Mode() const;
    void PlaceSlots();
    void ClearSlots();
    void ShowSlot(int slot, int position);
    void RevealNext();
    void RevealSlot(int slot);
    // The instruction and the mode's first step, once the first page is
    // revealed.
    void StartLesson();
    void EndReveal();

    int code_ = 0;
    std::vector<int> wordOrder_; // the rows on the page, by position
    WordPage page_;
    PageView pageView_;
    ChoiceView choiceView_;
    TypingView typingView_;
    WordRecorder recorder_;
    Timer reveal_;
    int revealed_ = 0; // slots shown so far by the slow reveal
    bool startAfterReveal_ = false;
};

} // namespace lumora
