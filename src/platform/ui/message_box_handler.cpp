#include "message_box_handler.h"

#include "form.h"
#include "platform/message_box.h"

#include <QMessageBox>

namespace lumora {

void InstallMessageBoxHandler() {
    SetMessageHandler([](const std::string& text) {
        QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kApplicationTitle),
                        QString::fromStdString(text), QMessageBox::Ok);
        box.exec();
    });
}

} // namespace lumora
