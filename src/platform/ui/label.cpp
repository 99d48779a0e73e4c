#include "label.h"

#include "fonts.h"

#include <QFontMetrics>
#include <QPainter>

namespace lumora {
namespace {

// Captions may break lines with CR LF or a bare CR, as the course texts do.
QString DisplayText(const std::string& caption) {
    QString s = QString::fromStdString(caption);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

constexpr int kLineFlags = Qt::AlignTop | Qt::AlignLeft;

} // namespace

TextSize AutoSizeOf(const FontSpec& font, const std::string& caption) {
    const QFontMetrics metrics(MakeFont(font));
    const QRect r =
        metrics.boundingRect(QRect(0, 0, 100000, 100000), kLineFlags, DisplayText(caption));
    return {r.width(), std::max(r.height(), metrics.height())};
}

Label::Label(QWidget* parent) : Control(parent) {}

AccessRole Label::Role() const {
    const AccessRole role = Control::Role();
    return role == AccessRole::Decoration && !caption_.empty() ? AccessRole::Text : role;
}

void Label::SetCaption(const std::string& caption) {
    caption_ = caption;
    Changed();
}

void Label::SetFont(const FontSpec& font) {
    font_ = font;
    Changed();
}

void Label::SetWordWrap(bool on) {
    wordWrap_ = on;
    Changed();
}

void Label::SetAlignment(Alignment alignment) {
    alignment_ = alignment;
    Changed();
}

void Label::SetAutoSize(bool on) {
    autoSize_ = on;
    Changed();
}

void Label::SetColor(std::optional<Rgb> colour) {
    colour_ = colour;
    update();
}

int Label::TextFlags() const {
    int flags = Qt::AlignTop;
    switch (alignment_) {
    case Alignment::Left:
        flags |= Qt::AlignLeft;
        break;
    case Alignment::Right:
        flags |= Qt::AlignRight;
        break;
    case Alignment::Center:
        flags |= Qt::AlignHCenter;
        break;
    }
    return wordWrap_ ? flags | Qt::TextWordWrap : flags;
}

void Label::Changed() {
    if (autoSize_) {
        const QFontMetrics metrics(MakeFont(font_));
        const QString text = DisplayText(caption_);
        if (wordWrap_) {
            const QRect r = metrics.boundingRect(QRect(0, 0, width(), 100000), TextFlags(), text);
            resize(width(), r.height());
        } else {
            const TextSize size = AutoSizeOf(font_, caption_);
            resize(size.width, size.height);
        }
    }
    update();
}

void Label::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (colour_) {
        painter.fillRect(rect(), ToQColor(*colour_));
    }
    if (caption_.empty()) {
        return;
    }
    painter.setFont(MakeFont(font_));
    painter.setPen(ToQColor(font_.colour));
    painter.drawText(rect(), TextFlags(), DisplayText(caption_));
}

} // namespace lumora
