#pragma once
// The best-scores screen: every learner's total among ten fixed names, the
// first ten painted, and a spoken comment on the current learner's rank.
#include "platform/ui/form.h"
#include "platform/ui/keyboard_grid.h"
#include "platform/ui/label.h"
#include "platform/ui/paint_box.h"
#include "platform/ui/picture.h"
#include "users/best_list.h"

#include <memory>
#include <string>
#include <vector>

namespace lumora {

class UserList;
struct RunContext;

class TTopFiveForm : public Form {
  public:
    TTopFiveForm(RunContext& run, const UserList& users);

    Picture* img_tlo;
    Label* Label3;
    PaintBox* PaintBox1;
    Label* btn_exit;

    void PaintBox1Paint(Canvas& canvas);
    void btn_exitClick();

    const std::vector<BestEntry>& BestList() const { return bestList_; }
    int CurrentRank() const { return rank_; }
    const KeyboardGrid& RowKeys() const { return *rowKeys_; }
    // A painted row as a screen reader says it: rank, name and total.
    std::string BestRowName(int i) const;

  protected:
    void FormShow() override;
    void FormClose() override;

  private:
    RunContext& run_;
    const UserList& users_;
    std::vector<BestEntry> bestList_;
    int rank_ = -1;
    std::unique_ptr<KeyboardGrid> rowKeys_;
};

} // namespace lumora
