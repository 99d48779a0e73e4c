#pragma once
// Holds back the mouse and keys aimed at windows beneath a modal one, as the
// toolkit's own modality would, without blocking the top-level window that
// holds them all: the stage must still hear its focus and its keys.
#include <QObject>

#include <functional>

namespace lumora {

class InputBarrier : public QObject {
  public:
    // blocked tells whether input to a widget or a window is held back now.
    explicit InputBarrier(std::function<bool(const QObject& receiver)> blocked);
    ~InputBarrier() override;
    InputBarrier(const InputBarrier&) = delete;
    InputBarrier& operator=(const InputBarrier&) = delete;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<bool(const QObject& receiver)> blocked_;
};

} // namespace lumora
