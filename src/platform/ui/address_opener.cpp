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

bool OpenAddress(const std::string& address) {
    if (Handler()) {
        return Handler()(address);
    }
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

AddressHandler SetAddressHandler(AddressHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

AddressRecorder::AddressRecorder(bool opens)
    : previous_(SetAddressHandler([this, opens](const std::string& address) {
          addresses_.push_back(address);
          return opens;
      })) {}

AddressRecorder::~AddressRecorder() {
    SetAddressHandler(std::move(previous_));
}

} // namespace lumora
