#include "hints.h"

#include "fonts.h"

#include <QApplication>
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

} // namespace

void InstallHintStyle() {
    QPalette p = QToolTip::palette();
    p.setColor(QPalette::ToolTipBase, ToQColor(kHintColour));
    p.setColor(QPalette::ToolTipText, ToQColor(kBlack));
    QToolTip::setPalette(p);
    // The application takes ownership of the style.
    QApplication::setStyle(new HintPauseStyle);
}

} // namespace lumora
