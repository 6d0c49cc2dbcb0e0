#pragma once

#include "settings/Options.h"

#include <QMargins>
#include <QObject>
#include <QRect>
#include <QSize>

#include <functional>

class QTimer;
class QWidget;

namespace mirel {

// The size of the main window as a player changes it: by the window manager (a corner
// dragged, maximized, full screen), by the desktop's zoom keys (Ctrl++ or Ctrl+=, Ctrl+-,
// Ctrl+0) and F11. At every size the layout is drawn at one factor, the smaller of the
// window's width and height over those it opens with, at least 1; the pictures for a new
// factor are drawn once the size has settled.
class WindowZoom final : public QObject {
    Q_OBJECT

public:
    // The factors the zoom keys step through.
    static constexpr double Steps[] = {1, 1.25, 1.5, 2, 2.5, 3, 4, 5, 6, 8};

    // `opening`: the window's size at a factor of 1, in pixels; `layOut` lays the window out
    // at a factor (it is called at every size change).
    WindowZoom(QWidget& window, QSize opening, std::function<void(double)> layOut);

    // The window's new size: lays it out again. Call it from the window's resizeEvent.
    void resized();
    // Ctrl++ (+1), Ctrl+- (-1), Ctrl+0 (0).
    void zoom(int direction);
    void toggleFullScreen();
    // Opens at a stored size, made smaller when the screen has no room for it.
    void openAt(const WindowSize& size);
    // The size as it is stored: the factor when neither maximized nor full-screen, and which.
    WindowSize stored() const;

    // The factor a zoom key leads to from `now` (maximized or full-screen ones included):
    // the next step up that `fits` the screen, or `now` when none does (a zoom key never
    // makes the window smaller); the next step down, never two; 1 for Ctrl+0.
    static double nextStep(double now, int direction, const std::function<bool(double)>& fits);
    // The frame of `size` with the same centre as `frame`, moved the least that keeps it
    // within `room` (its top left kept when it is larger than the room).
    static QRect centredWithin(QRect frame, QSize size, QRect room);

private:
    // The window manager's frame around the window, seen while it is neither maximized nor
    // full-screen: a size fits the screen with it.
    void learnFrame();

    QWidget& window;
    QSize opening;
    std::function<void(double)> layOut;
    double factor = 1;
    double normalFactor = 1;      // when neither maximized nor full-screen
    bool maximizedBefore = false; // when it went full-screen
    QMargins frame;               // the window manager's frame around the normal window
    QTimer* drawWhenSettled = nullptr;
};

} // namespace mirel
