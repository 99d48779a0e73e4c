#include "message_box_handler.h"

#include "form.h"
#include "platform/message_box.h"
#include "stage.h"

#include <QEventLoop>
#include <QMessageBox>

namespace lumora {
namespace {

// On the stage the box is a child window without the window manager's
// frame, so it draws its own edge.
void PutOnStage(QMessageBox& box, Stage& stage) {
    box.setWindowFlag(Qt::FramelessWindowHint);
    box.setStyleSheet(QStringLiteral("QMessageBox { border: 2px solid #707070; }"));
    stage.Embed(box);
    box.adjustSize();
    box.move(stage.CentredPosition(box.size()));
}

} // namespace

void InstallMessageBoxHandler() {
    SetMessageHandler([](const std::string& text, const std::string& details) {
        QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kApplicationTitle),
                        QString::fromStdString(text), QMessageBox::Ok);
        if (!details.empty()) {
            box.setDetailedText(QString::fromStdString(details));
        }
        Stage* stage = Stage::Current();
        if (stage == nullptr) {
            box.exec();
            return;
        }
        PutOnStage(box, *stage);
        stage->PushModal(box);
        QEventLoop loop;
        QObject::connect(&box, &QDialog::finished, &loop, &QEventLoop::quit);
        box.show();
        loop.exec(QEventLoop::DialogExec);
        stage->PopModal(box);
    });
}

} // namespace lumora
