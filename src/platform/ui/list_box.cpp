#include "list_box.h"

#include "fonts.h"

#include <QPalette>

namespace lumora {

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    QObject::connect(this, &QListWidget::itemClicked, [this] {
        if (OnClick) {
            OnClick();
        }
    });
}

void ListBox::AddItem(const std::string& text) {
    addItem(QString::fromStdString(text));
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
