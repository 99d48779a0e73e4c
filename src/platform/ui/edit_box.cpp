#include "edit_box.h"

#include "fonts.h"

#include <QPalette>

namespace lumora {

EditBox::EditBox(QWidget* parent) : QLineEdit(parent) {
    QObject::connect(this, &QLineEdit::textChanged, [this] {
        if (OnChange) {
            OnChange();
        }
    });
}

std::string EditBox::Text() const {
    return text().toStdString();
}

void EditBox::SetText(const std::string& text) {
    setText(QString::fromStdString(text));
}

void EditBox::SetMaxLength(int characters) {
    // QLineEdit's own limit is its largest length.
    setMaxLength(characters > 0 ? characters : 32767);
}

void EditBox::SetFont(const FontSpec& font) {
    setFont(MakeFont(font));
    QPalette p = palette();
    p.setColor(QPalette::Text, ToQColor(font.colour));
    setPalette(p);
}

void EditBox::SetColor(Rgb background) {
    QPalette p = palette();
    p.setColor(QPalette::Base, ToQColor(background));
    setPalette(p);
}

void EditBox::SetBorder(bool on) {
    setFrame(on);
}

void EditBox::SetBounds(int left, int top, int width, int height) {
    setGeometry(left, top, width, height);
}

} // namespace lumora
