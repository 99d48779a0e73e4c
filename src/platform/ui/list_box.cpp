#include "list_box.h"

#include "fonts.h"

#include <QPalette>

namespace lumora {
namespace {

// The room a line of the box leaves on either side of its text.
constexpr int kTextMargins = 8;

} // namespace

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    // A line too long for the box ends in "…" instead of scrolling sideways.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideRight);
    QObject::connect(this, &QListWidget::itemClicked, [this] {
        if (OnClick) {
            OnClick();
        }
    });
}

void ListBox::AddItem(const std::string& text) {
    auto* line = new QListWidgetItem(QString::fromStdString(text), this);
    // A cut line shows the whole text under the mouse.
    if (fontMetrics().horizontalAdvance(line->text()) > viewport()->width() - kTextMargins) {
        line->setToolTip(line->text());
    }
}

void ListBox::ClearItems() {
    clear();
}

std::string ListBox::Item(int index) const {
    const QListWidgetItem* it = item(index);
    return it != nullptr ? it->text().toStdString() : std::string();
}

void ListBox::SetItemIndex(int index) {
    setCurrentRow(index);
}

void ListBox::SetFont(const FontSpec& font) {
    setFont(MakeFont(font));
    QPalette p = palette();
    p.setColor(QPalette::Text, ToQColor(font.colour));
    setPalette(p);
}

void ListBox::SetBounds(int left, int top, int width, int height) {
    setGeometry(left, top, width, height);
}

} // namespace lumora
