#include "ui/WindowZoom.h"

#include "ui/ScaledPictures.h"

#include <QGuiApplication>
#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace mirel {

namespace {

bool canPlaceItself() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool maximizedOrFull(const QWidget& window) {
    return (window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) != 0;
}

} // namespace

WindowZoom::WindowZoom(QWidget& window, QSize opening, std::function<void(double)> layOut)
    : QObject(&window), window(window), opening(opening), layOut(std::move(layOut)) {
    // The pictures for a new size are drawn once the size has settled, not at every step of a
    // drag: a window manager sends a dragged corner's sizes closer together than this.
    drawWhenSettled = new QTimer(this);
    drawWhenSettled->setSingleShot(true);
    drawWhenSettled->setInterval(50);
    connect(drawWhenSettled, &QTimer::timeout, this, [this] {
        ScaledPictures::instance().want(factor, this->window.devicePixelRatioF());
    });

    const auto shortcut = [this](QKeySequence keys, auto then) {
        connect(new QShortcut(keys, &this->window), &QShortcut::activated, this, then);
    };
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Plus), [this] { zoom(1); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { zoom(1); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus), [this] { zoom(-1); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { zoom(0); });
    shortcut(QKeySequence(Qt::Key_F11), [this] { toggleFullScreen(); });
}

void WindowZoom::resized() {
    const double fits = std::min(double(window.width()) / opening.width(),
                                 double(window.height()) / opening.height());
    factor = std::max(1.0, fits);
    if (!maximizedOrFull(window)) normalFactor = factor;
    layOut(factor);
    drawWhenSettled->start();
}

void WindowZoom::learnFrame() {
    if (maximizedOrFull(window)) return;
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    if (outer != inner)
        frame = QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
}

double WindowZoom::nextStep(double now, int direction, const std::function<bool(double)>& fits) {
    if (direction == 0) return 1;
    if (direction > 0) {
        for (double step : Steps)
            if (step > now + 1e-6) return fits(step) ? step : now;
        return now;
    }
    double to = 1;
    for (double step : Steps)
        if (step < now - 1e-6) to = step;
    return std::min(to, now);
}

QRect WindowZoom::centredWithin(QRect frame, QSize size, QRect room) {
    QRect to(QPoint(0, 0), size);
    to.moveCenter(frame.center());
    if (room.isEmpty()) return to;
    to.moveLeft(std::max(room.left(), std::min(to.left(), room.right() + 1 - to.width())));
    to.moveTop(std::max(room.top(), std::min(to.top(), room.bottom() + 1 - to.height())));
    return to;
}

void WindowZoom::zoom(int direction) {
    learnFrame();
    const QScreen* on = window.screen();
    const QRect room = on ? on->availableGeometry() : QRect();
    const QSize around(frame.left() + frame.right(), frame.top() + frame.bottom());
    const auto client = [&](double f) {
        return QSize(qRound(opening.width() * f), qRound(opening.height() * f));
    };
    const auto fits = [&](double f) {
        const QSize outer = client(f) + around;
        return room.isEmpty() || (outer.width() <= room.width() && outer.height() <= room.height());
    };
    const double to = nextStep(factor, direction, fits);
    const bool stateful = maximizedOrFull(window);
    if (to == factor && (!stateful || direction > 0)) return; // nothing larger fits
    // The new size grows or shrinks about the window's centre, and stays on the screen.
    const QRect outer = centredWithin(window.frameGeometry(), client(to) + around, room);
    if (stateful) window.showNormal();
    window.move(outer.topLeft());
    window.resize(client(to));
    // A Wayland compositor places windows and keeps a grown one's top left where it was, which
    // may leave its lower part below the screen; it places a window shown anew where it fits.
    if (to > factor && !stateful && !canPlaceItself()) {
        window.hide();
        window.show();
    }
}

WindowSize WindowZoom::stored() const {
    WindowSize size;
    size.factor = normalFactor;
    size.fullScreen = window.isFullScreen();
    size.maximized = window.isMaximized() || (window.isFullScreen() && maximizedBefore);
    return size;
}

void WindowZoom::toggleFullScreen() {
    if (window.isFullScreen()) {
        if (maximizedBefore)
            window.showMaximized();
        else
            window.showNormal();
        return;
    }
    learnFrame();
    maximizedBefore = window.isMaximized();
    window.showFullScreen();
}

void WindowZoom::openAt(const WindowSize& size) {
    double f = size.factor;
    if (const QScreen* on = window.screen()) {
        const QRect room = on->availableGeometry();
        f = std::min(f, std::max(1.0, std::min(double(room.width()) / opening.width(),
                                               double(room.height()) / opening.height())));
    }
    if (f != 1.0) window.resize(qRound(opening.width() * f), qRound(opening.height() * f));
    normalFactor = f;
    if (size.fullScreen)
        window.setWindowState(window.windowState() | Qt::WindowFullScreen);
    else if (size.maximized)
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
}

} // namespace mirel
