#pragma once
// A list box: lines of text, one of which may be selected. A line wider than
// the box is cut with "…" (its whole text as its hint); the box never scrolls
// sideways.
#include "canvas.h"

#include <QListWidget>

#include <functional>
#include <string>

namespace lumora {

class ListBox : public QListWidget {
  public:
    explicit ListBox(QWidget* parent);

    void AddItem(const std::string& text);
    void ClearItems();
    int Count() const { return count(); }
    std::string Item(int index) const;
    // The selected line, or -1 when none is selected.
    int ItemIndex() const { return currentRow(); }
    void SetItemIndex(int index);
    void SetFont(const FontSpec& font);
    void SetBounds(int left, int top, int width, int height);

    std::function<void()> OnClick;
};

} // namespace lumora
