#pragma once

#include <QObject>

#include <cstdint>
#include <functional>

namespace mirel {

// While the board is locked (a mine burning, a shift running) the window's thread is held in
// the game's pauses and waited sounds, and whatever the player presses meanwhile waits in the
// queue: let through afterwards, a press would land on whatever has come to lie under it, and
// New or Ctrl+Z would act on a board the player never saw. The gate drops every press, key
// and release made while the board was locked, judged by when it was made (the event's own
// time), not by when the thread gets to read it. It watches the whole application.
class InputGate final : public QObject {
    Q_OBJECT

public:
    explicit InputGate(QObject* parent);

    void lockBegan();
    void lockEnded();

    // The clock input events are stamped with, in milliseconds (compared modulo 2^32, as X
    // and Wayland stamp them): the monotonic clock, which local X servers and Wayland
    // compositors on Linux use. Events stamped 0 carry no time and always pass.
    std::function<std::uint32_t()> eventClock;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The last lock, by eventClock; none yet while both are equal.
    std::uint32_t began = 0;
    std::uint32_t ended = 0;
};

} // namespace mirel
