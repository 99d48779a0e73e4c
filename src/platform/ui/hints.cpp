#include "hints.h"

#include "fonts.h"

#include <QApplication>
#include <QCursor>
#include <QHelpEvent>
#include <QPalette>
#include <QProxyStyle>
#include <QToolTip>

namespace lumora {
namespace {

class HintPauseStyle : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == QStyle::SH_ToolTip_WakeUpDelay) {
            return kHintPause;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

int hidePause = 0;

// Shows every hint with the hide pause while one is set.
class HintHidePauseFilter : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (hidePause == 0 || event->type() != QEvent::ToolTip || widget == nullptr) {
            return false;
        }
        const auto& help = static_cast<QHelpEvent&>(*event);
        if (widget->toolTip().isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help.globalPos(), widget->toolTip(), widget, {}, hidePause);
        }
        return true;
    }
};

} // namespace

int HintHidePause() {
    return hidePause;
}

void SetHintHidePause(int milliseconds) {
    hidePause = milliseconds;
}

void ShowHintNow(QWidget& widget, const std::string& text, int milliseconds) {
    QToolTip::showText(QCursor::pos(), QString::fromStdString(text), &widget, {}, milliseconds);
}

void InstallHintStyle() {
    qApp->installEventFilter(new HintHidePauseFilter(qApp));
    QPalette p = QToolTip::palette();
    p.setColor(QPalette::ToolTipBase, ToQColor(kHintColour));
    p.setColor(QPalette::ToolTipText, ToQColor(kBlack));
    QToolTip::setPalette(p);
    // The application takes ownership of the style.
    QApplication::setStyle(new HintPauseStyle);
}

} // namespace lumora
