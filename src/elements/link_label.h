#pragma once
// A label that opens a web (or mail, ftp ...) address when pressed: the
// address is the prefix of its LinkType followed by HyperLink. It is shown
// underlined in blue with the hand cursor. When the desktop has no program
// to open it, a message says so.
#include "platform/ui/label.h"

#include <string>

namespace lumora {

enum class LinkType {
    ltfile,
    ltftp,
    ltgopher,
    lthttp,
    lthttps,
    ltmailto,
    ltnews,
    lttelnet,
    ltwais
};

// "file://", "ftp://", ..., "mailto:", ..., "wais:".
const char* LinkPrefix(LinkType type);

class TLinkLabel : public Label {
  public:
    explicit TLinkLabel(QWidget* parent);

    lumora::LinkType LinkType = lumora::LinkType::lthttp;
    // What the learner calls the page ("Pomoc"); named in the message shown
    // when no program can open it.
    std::string PageName;

    const std::string& HyperLink() const { return hyperLink_; }
    // Stores the address; an empty caption takes the same text.
    void SetHyperLink(const std::string& address);
    // The address that a press opens.
    std::string Address() const;

    // The message for a page that could not be opened: its name, and where it
    // is (a local file by its path) so that it can be opened by hand.
    std::string OpenFailedMessage() const;
    // Opens the address, as a press does; Enter or Space does it by keys.
    void Open();

  protected:
    void MousePressed(Qt::MouseButton button, int x, int y) override;

  private:
    std::string hyperLink_;
};

} // namespace lumora
