#pragma once
// The new-user screen: the learner types a name; a name already in the list
// is refused on the message screen, an accepted one is added to usr.t and
// welcomed with the information text.
#include "elements/transparent_button.h"
#include "platform/ui/edit_box.h"
#include "platform/ui/form.h"
#include "platform/ui/label.h"
#include "platform/ui/picture.h"

#include <string>

namespace lumora {

class UserList;
struct CourseData;
struct RunContext;

class TForm10 : public Form {
  public:
    TForm10(RunContext& run, UserList& users);

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

    RunContext& run_;
    UserList& users_;
};

// The welcome text shown after a new user has been created.
std::string NewUserWelcomeText(const CourseData& course);

} // namespace lumora
