#include "address_opener.h"

#include <QDesktopServices>
#include <QUrl>

#include <utility>

namespace lumora {
namespace {

AddressHandler& Handler() {
    static AddressHandler handler;
    return handler;
}

} // namespace

void OpenAddress(const std::string& address) {
    if (Handler()) {
        Handler()(address);
        return;
    }
    QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

AddressHandler SetAddressHandler(AddressHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

AddressRecorder::AddressRecorder()
    : previous_(SetAddressHandler(
          [this](const std::string& address) { addresses_.push_back(address); })) {}

AddressRecorder::~AddressRecorder() {
    SetAddressHandler(std::move(previous_));
}

} // namespace lumora
