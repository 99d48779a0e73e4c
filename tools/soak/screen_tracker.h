#pragma once
// Which top-level window is up: the modal one when there is one, else the
// one shown last that is still visible (as a window manager stacks a newly
// shown window on top). The backdrop and hint windows never count. Every
// window shown is counted by name.
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace lumora::soak {

class ScreenTracker : public QObject {
  public:
    ScreenTracker();
    ~ScreenTracker() override;

    QWidget* Top() const;
    // Called after a window has been shown.
    std::function<void(QWidget& window)> OnShown;

    // How often each window was shown, by name.
    const std::map<std::string, int>& Reached() const { return reached_; }
    // Hides every window that is still shown, as a program that ends leaves none.
    void HideAll();

    static std::string NameOf(const QWidget& window);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    static bool Counts(const QWidget& window);

    std::vector<QPointer<QWidget>> order_;
    std::map<std::string, int> reached_;
};

} // namespace lumora::soak
