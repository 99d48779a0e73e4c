#pragma once
// The login screen: the learners of usr.t in a list, the last one chosen;
// the learner logs in, creates a new user, or ends the program.
#include "elements/transparent_button.h"
#include "platform/ui/form.h"
#include "platform/ui/list_box.h"
#include "platform/ui/picture.h"
#include "users/login.h"

namespace lumora {

class TForm10;
class UserList;
struct RunContext;

class TForm9 : public Form {
  public:
    TForm9(RunContext& run, UserList& users);

    // The new-user screen, created after this one.
    void SetNewUserScreen(TForm10* newUser) { newUser_ = newUser; }

    Picture* Image1;
    ListBox* ComboBox1;
    TTransparentButton* B_Nowy;
    TTransparentButton* B_OK;
    TTransparentButton* B_Zamknij;

    void Button1Click();
    void K_OKClick();
    void K_KoniecClick();
    void ComboBox1Click();
    void ComboBox1DblClick();

    // How the screen was left: a learner logged in, or the end was asked for.
    bool LoggedIn() const { return loggedIn_; }
    bool EndRequested() const { return endRequested_; }

  protected:
    void FormShow() override;
    void FormClose() override;
    void FormKeyDown(int& key, Qt::KeyboardModifiers modifiers) override;

  private:
    void FillList();
    void SelectLast();
    TTransparentButton* MakeButton(int left, int picture, int hint);

    RunContext& run_;
    UserList& users_;
    LearnerPresence presence_; // held for the rest of the run
    TForm10* newUser_ = nullptr;
    bool loggedIn_ = false;
    bool endRequested_ = false;
};

} // namespace lumora
