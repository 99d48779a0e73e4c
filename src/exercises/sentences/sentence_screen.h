#pragma once
// The sentence screen: a series of recorded sentences, each asked as yes/no
// against a picture, as a choice among two to four pictures, or as gaps to
// fill in its printed text. The series' rules decide; the screen shows its
// pictures, buttons, entry fields, progress and points, plays the sounds the
// rules ask for, and leaves with the result box after the last sentence.
#include "elements/hover_controls.h"
#include "exercises/common/key_cursor.h"
#include "exercises/lesson_screen.h"
#include "exercises/sentences/gap_layout.h"
#include "exercises/sentences/sentence_series.h"
#include "platform/ui/edit_box.h"
#include "platform/ui/label.h"
#include "platform/ui/paint_box.h"
#include "platform/ui/shape.h"

#include <array>
#include <vector>

namespace lumora {

class TForm2 : public LessonScreen {
  public:
    static constexpr int kPictures = 4;
    static constexpr int kFields = 3;

    explicit TForm2(RunContext& context);

    // Pictures 1..4 (MImage1..MImage4, tags 1..4) and the frames around them.
    std::array<TMImage*, kPictures> MImage{};
    std::array<Shape*, kPictures> Frame{};
    Label* l_tmp;    // the prompt
    Label* L_lektor; // the points so far
    Shape* shp_progress;
    Shape* img_progress;
    // Gap filling: the frame the text is painted in, the entry fields
    // E_Wpis1..E_Wpis3 over its gaps, and the full sentence once answered.
    PaintBox* DXRamka2;
    std::array<EditBox*, kFields> E_Wpis{};
    Label* Tekst_zdania;
    TTransparentButton* K_Odtworz;
    TTransparentButton* K_ok;
    TTransparentButton* K_tak;
    TTransparentButton* K_nie;
    TTransparentButton* K_sprawdz;
    TTransparentButton* K_slowniczek;

    void MImageClick(int tag);
    void K_takClick();
    void K_nieClick();
    void K_okClick();
    void K_sprawdzClick();
    void K_OdtworzClick();
    void K_slowniczekClick();
    void DXRamka2Paint(Canvas& canvas);

    const SentenceSeries& Series() const { return series_; }
    // Where the current gap sentence's words and fields are, within the frame.
    const GapLayout& Gaps() const { return gaps_; }
    // The answers the arrows step through now: yes and no, or the pictures
    // to choose from; Space or Enter presses the current one.
    std::vector<Control*> KeyChoices() const;
    const GridCursor& Keys() const { return keys_; }

  protected:
    void CreateControls() override;
    std::optional<LoadFault> ReadLesson() override;
    void PrepareLesson() override;
    LessonScore Score() const override;
    void FormKeyDown(int& key, Qt::KeyboardModifiers modifiers) override;
    // Releases the pictures with the background.
    void FormClose() override;

  private:
    void NextSentence();
    void Answered(const LessonStep& step);
    void ShowMessages(const LessonStep& step);
    void PlayCues(const LessonStep& step);
    void ShowPictures();
    void ShowGapFrame();
    void ShowControls();
    void FocusFirstField();
    bool EntryHasFocus() const;
    // The arrows and Space or Enter on the answers; true when they took it.
    bool ChoiceKey(int key, Qt::KeyboardModifiers modifiers);

    SentenceSeries series_;
    GapLayout gaps_;
    GridCursor keys_;
};

} // namespace lumora
