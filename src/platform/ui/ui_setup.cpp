#include "ui_setup.h"

#include "accessibility.h"

#include "fonts.h"
#include "form.h"
#include "hints.h"
#include "message_box_handler.h"

#include <QGuiApplication>

namespace lumora {

void SetUpUserInterface() {
    InstallAccessibility();
    QGuiApplication::setApplicationDisplayName(QString::fromLatin1(kApplicationTitle));
    InstallFontSubstitutions();
    InstallHintStyle();
    InstallMessageBoxHandler();
}

} // namespace lumora
