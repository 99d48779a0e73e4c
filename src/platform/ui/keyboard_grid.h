#pragma once
// Painted items a learner moves through with the arrows: the lessons of a
// list, the answers of a question, the cells of a grid, the tiles of a board.
// The grid belongs to the control that paints them (its host): the host
// becomes a stop of Tab, the arrows move the current item while it has the
// focus, the focus mark goes round the current item, and screen readers see
// each item as a child of the host with its name, hearing the moves.
#include <QRect>

#include <functional>
#include <string>

namespace lumora {

class Control;
enum class AccessRole;

// Where an arrow (or Home, End) moves from index among count items laid out
// in rows of columns (1: a list from top to bottom, where Left and Right move
// too), stopping at the edges or wrapping round; the index itself when the
// move leads nowhere, -1 for a key that is not a move. An item the test
// refuses is stepped over.
int GridStep(int index, int count, int columns, int key, bool wrap,
             const std::function<bool(int)>& enabled = {});

class KeyboardGrid {
  public:
    explicit KeyboardGrid(Control& host);
    ~KeyboardGrid();
    KeyboardGrid(const KeyboardGrid&) = delete;
    KeyboardGrid& operator=(const KeyboardGrid&) = delete;

    // The items: how many, in rows of how many columns, and whether the
    // arrows wrap round at the edges (they stop there by default).
    void SetCount(int count);
    void SetColumns(int columns);
    void SetWrap(bool on) { wrap_ = on; }
    int Count() const { return count_; }
    int Columns() const { return columns_; }

    // The current item, -1 for none. Setting it moves the focus mark and,
    // while the host has the focus, tells screen readers; OnMove is not run.
    int Current() const { return current_; }
    void SetCurrent(int index);

    // An item's place in the host's coordinates (for the focus mark and
    // screen readers) and its name, read out in Polish.
    std::function<QRect(int index)> ItemRect;
    std::function<std::string(int index)> ItemName;
    // Items it refuses are stepped over by the arrows (all are taken without it).
    std::function<bool(int index)> ItemEnabled;
    AccessRole ItemRole;

    // The current item moved by a key (the screen shows what a hover shows).
    std::function<void(int index)> OnMove;
    // Enter or Space on the current item (what a click on it does).
    std::function<void(int index)> OnActivate;

    // Arrows, Home and End move; Enter and Space activate. True when used.
    bool HandleKey(int key);
    // The items changed (their number, names or places): the mark and the
    // screen readers' list follow.
    void Changed();
    // The host got the focus: with no current item the first one becomes it.
    void FocusEntered();

    Control& Host() const { return host_; }

  private:
    void Moved();
    bool Enabled(int index) const { return !ItemEnabled || ItemEnabled(index); }

    Control& host_;
    int count_ = 0;
    int columns_ = 1;
    int current_ = -1;
    bool wrap_ = false;
};

} // namespace lumora
