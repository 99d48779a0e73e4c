#include "link_label.h"

#include "platform/message_box.h"
#include "platform/ui/address_opener.h"
#include "platform/ui/form.h"

namespace lumora {

const char* LinkPrefix(LinkType type) {
    switch (type) {
    case LinkType::ltfile:
        return "file://";
    case LinkType::ltftp:
        return "ftp://";
    case LinkType::ltgopher:
        return "gopher://";
    case LinkType::lthttp:
        return "http://";
    case LinkType::lthttps:
        return "https://";
    case LinkType::ltmailto:
        return "mailto:";
    case LinkType::ltnews:
        return "news:";
    case LinkType::lttelnet:
        return "telnet:";
    case LinkType::ltwais:
        return "wais:";
    }
    return "";
}

TLinkLabel::TLinkLabel(QWidget* parent) : Label(parent) {
    FontSpec font = Font();
    font.underline = true;
    font.colour = {0, 0, 255};
    SetFont(font);
    SetCursor(*this, Cursor::HandPoint);
    SetTabStop(true);
    SetAccessRole(AccessRole::Link);
    OnKey = [this](int key, Qt::KeyboardModifiers) {
        if (!IsEnterKey(key) && key != Qt::Key_Space) {
            return false;
        }
        Open();
        return true;
    };
}

void TLinkLabel::SetHyperLink(const std::string& address) {
    hyperLink_ = address;
    if (Caption().empty()) {
        SetCaption(address);
    }
}

std::string TLinkLabel::Address() const {
    return LinkPrefix(LinkType) + hyperLink_;
}

std::string TLinkLabel::OpenFailedMessage() const {
    const std::string page = PageName.empty() ? "tej strony" : "strony „" + PageName + "”";
    const std::string where = LinkType == lumora::LinkType::ltfile ? hyperLink_ : Address();
    return "Nie udało się otworzyć " + page +
           ": nie znaleziono przeglądarki internetowej. Możesz otworzyć ją samodzielnie: " + where;
}

void TLinkLabel::MousePressed(Qt::MouseButton button, int x, int y) {
    Label::MousePressed(button, x, y);
    if (button == Qt::LeftButton) {
        Open();
    }
}

void TLinkLabel::Open() {
    if (!OpenAddress(Address())) {
        ShowMessage(OpenFailedMessage());
    }
}

} // namespace lumora
