#pragma once
// The presentation itself (code 30): every word with its picture and its
// label, a click hears the word; play-all plays the lesson's words in turn,
// paging as it goes; the print button prints the word list; leaving records
// the lesson as seen.
#include "exercises/presentation/presentation_mode.h"
#include "exercises/presentation/word_page.h"

#include <string>

namespace lumora {

class TPrezentacjaForm;

class PageView : public PresentationMode {
  public:
    PageView(TPrezentacjaForm& screen, RunContext& context) : screen_(screen), context_(context) {}

    std::vector<int> Prepare(const std::vector<int>& rows) override;
    void PictureClicked(int position) override;
    void RevealSlot(int slot) override;
    void Leave() override;
    void Closed() override;

    void PlayAll();
    void PlayAllStep();
    // A click on the background stops a play-all run.
    void StopPlayAll();
    void Print();
    std::string WordListHtml() const;

  private:
    // Plays the word at `position`, or passes over words whose sound is
    // missing (they would never end); false when the run is over.
    bool PlayFrom(int position);

    TPrezentacjaForm& screen_;
    RunContext& context_;
    PlayAllRun playAll_;
};

} // namespace lumora
