#pragma once
// One mode of the vocabulary screen: what a lesson code makes of the page of
// pictures the screen shows. The screen lays out, shows and pages the words
// and hears a word on its label; the mode chooses the words, says what a
// picture click does and what a shown slot holds, and ends the lesson.
#include "exercises/lesson_screen.h"

#include <vector>

namespace lumora {

class PresentationMode {
  public:
    virtual ~PresentationMode() = default;

    // Sets the mode up for a new lesson over its rows and returns the rows
    // on the page, by position.
    virtual std::vector<int> Prepare(const std::vector<int>& rows) = 0;
    // The first step, once the first page is shown and the instruction plays.
    virtual void Start() {}
    // A click on the picture at a page position.
    virtual void PictureClicked(int /*position*/) {}
    // Whether a click on a picture does something (the hand cursor).
    virtual bool PicturesClick() const { return true; }
    // Whether the word at a position is already solved (its question mark
    // is gone for good).
    virtual bool Solved(int /*position*/) const { return false; }
    // Shows what a slot holds besides its picture, once the picture shows.
    virtual void RevealSlot(int slot) = 0;
    // A key while the screen is active; true consumes it.
    virtual bool ShortCut(int /*key*/) { return false; }
    virtual LessonScore Score() const { return {}; }
    // The exit button.
    virtual void Leave() = 0;
    // The screen closes.
    virtual void Closed() {}
};

} // namespace lumora
