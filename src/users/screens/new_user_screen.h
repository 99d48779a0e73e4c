#pragma once
// The new-user screen: the learner types a name; a name already in the list
// is refused, an accepted one is added to usr.t and welcomed with the
// information text.
#include "elements/transparent_button.h"
#include "platform/ui/edit_box.h"
#include "platform/ui/form.h"
#include "platform/ui/label.h"
#include "platform/ui/picture.h"

#include <functional>
#include <string>

namespace lumora {

class UserList;
class TInformacjaForm;

class TForm10 : public Form {
  public:
    explicit TForm10(UserList& users);

    // The information screen that welcomes a new user, and the program's
    // message screen for a name that is taken; both are created later.
    void SetInformationScreen(TInformacjaForm* information) { information_ = information; }
    std::function<void(const std::string&)> ShowMessageScreen;

    Picture* img_tlo;
    Label* Label1;
    EditBox* Edit1;
    TTransparentButton* B_OK;
    TTransparentButton* B_Zamknij;

    void Edit1Change();
    void K_OKClick();
    void K_KoniecClick();

  protected:
    void FormShow() override;
    void FormClose() override;
    void FormKeyDown(int& key, Qt::KeyboardModifiers modifiers) override;

  private:
    // A refused name, on the program's message screen.
    void ShowRefusal(const std::string& text);

    UserList& users_;
    TInformacjaForm* information_ = nullptr;
};

// The welcome text shown after a new user has been created.
std::string NewUserWelcomeText();

} // namespace lumora
