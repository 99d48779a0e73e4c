#pragma once
// The vocabulary presentation, TPrezentacjaForm, in its three modes: the
// words with their pictures (code 30: hear a word, record and compare the
// learner's voice, play all, print the list), the picture choice (31: hear a
// word, click its picture among four) and the typing drill (32: type the
// English word under each of eight pictures).
#include "exercises/lesson_screen.h"
#include "exercises/presentation/choice_drill.h"
#include "exercises/presentation/typing_drill.h"
#include "exercises/presentation/word_page.h"
#include "platform/ui/edit_box.h"
#include "platform/ui/label.h"
#include "platform/ui/shape.h"
#include "platform/ui/timer.h"

#include <array>
#include <memory>
#include <vector>

namespace lumora {

class VoicePicture;

class TPrezentacjaForm : public LessonScreen {
  public:
    static constexpr int kSlots = WordPage::kSlots;
    // Milliseconds between the pictures of the first page appearing.
    static constexpr int kRevealStep = 100;
    // The shortest recording kept, in milliseconds.
    static constexpr int kShortestRecording = 250;

    explicit TPrezentacjaForm(RunContext& context);
    ~TPrezentacjaForm() override;

    Picture* img_tlo_dn;
    TTransparentButton* btn_up;
    TTransparentButton* btn_dn;
    TTransparentButton* btn_play_all;
    TTransparentButton* btn_drukuj;
    TTransparentButton* btn_mikrofonik;
    TTransparentButton* btn_glosniczek;
    TTransparentButton* btn_Odtworz;
    Label* lbl_nagr;
    Label* lbl_nagr2;
    Label* lbl_all_pkt;
    Shape* img_progress;
    Shape* shp_progress;
    EditBox* ed_wpis;
    std::array<Picture*, kSlots> img{};
    std::array<Label*, kSlots> lbl{};
    std::array<Picture*, kSlots> zapyt{};

    void btn_upClick();
    void btn_dnClick();
    void btn_play_allClick();
    void btn_drukujClick();
    void btn_mikrofonikMouseDown();
    void btn_mikrofonikMouseUp();
    void btn_glosniczekClick();
    void btn_OdtworzClick();
    void img_tloClick();
    // A click on the picture, word label or question mark of slot 1..8.
    void ImageClick(int slot);
    void LabelClick(int slot);
    void ZapytClick(int slot);
    // The play-all step, run at every end of a play while play-all runs.
    void PlayAllStep();

    int Code() const { return code_; }
    const std::vector<int>& WordOrder() const { return wordOrder_; }
    const WordPage& Page() const { return page_; }
    const ChoiceDrill& Choice() const { return choice_; }
    const TypingDrill& Typing() const { return typing_; }
    bool Recorded() const { return recorded_; }
    // The data row whose word the microphone records, 0 before a word is heard.
    int RecordedRow() const { return recordRow_; }
    // The word list page the print button prints.
    std::string WordListHtml() const;

  protected:
    void CreateControls() override;
    std::optional<LoadFault> ReadLesson() override;
    void PrepareLesson() override;
    ExerciseScore Score() const override;
    void LoadBackground() override;
    void FormShow() override;
    void FormClose() override;
    bool FormShortCut(int key, Qt::KeyboardModifiers modifiers) override;

  private:
    void Leave();
    void PlaceSlots();
    void ClearSlots();
    // Shows the page's words; with `slowly` one picture appears at a time.
    void ShowPage(bool slowly = false);
    void RevealNext();
    void RevealSlot(int slot);
    // The instruction and the drill's first step, once the first page is
    // revealed.
    void StartLesson();
    void EndReveal();
    void ShowArrows();
    const DataRow& Row(int dataRow) const;
    int RowAt(int position) const;
    std::string SoundOf(int dataRow) const;
    void HearWord(int position);
    void ChoosePicture(int slot);
    void OpenEntry(int position);
    void EnterTyped();
    void FinishDrill();
    void PlayFeedback(bool right, SoundMode mode);

    int code_ = 0;
    std::vector<int> rows_;      // the lesson's rows, at most 30
    std::vector<int> wordOrder_; // the rows on the page, by position
    WordPage page_;
    PlayAllRun playAll_;
    ChoiceDrill choice_;
    TypingDrill typing_;
    bool recorded_ = false;
    int recordRow_ = 0;
    std::unique_ptr<VoicePicture> voices_;
    Timer reveal_;
    int revealed_ = 0; // slots shown so far by the slow reveal
    bool startAfterReveal_ = false;
};

} // namespace lumora
