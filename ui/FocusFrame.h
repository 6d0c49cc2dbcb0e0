#pragma once

#include <QObject>
#include <QPixmap>
#include <QWidget>

#include <vector>

namespace mirel {

// A picture laid over other controls: seen through where it is transparent, and blind to the
// mouse, so that every press still lands where it did. A frame with corners (`corner` pixels
// square) is stretched around the area it covers; a picture without keeps its own size.
class Overlay final : public QWidget {
public:
    Overlay(QWidget* parent, QPixmap picture, int corner);
    // Drawn `factor` times as large, with the rest of the window.
    void setScale(double factor);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture;
    int corner = 0;
    double factor = 1;
};

// The keyboard focus of a window's buttons and switches: Tab and Shift+Tab move it along the
// chain, in reading order and skipping what is hidden, and a frame picture is stretched
// around the control in focus. The frame shows from the first Tab (or whenever its owner says
// a key is in use) and hides again at the next mouse press.
class FocusFrame final : public QObject {
public:
    // `unframed`, if in the chain, shows its focus in a way of its own.
    FocusFrame(QWidget& window, const QPixmap& picture, std::vector<QWidget*> chain,
               QWidget* unframed = nullptr);
    void setShown(bool on);
    bool shown() const { return on; }
    // Moves the focus to the next (or the previous) control on show.
    void step(bool forward);
    // The frame drawn `factor` times as large, with the rest of the window.
    void setScale(double factor);

    Overlay* frame = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow();

    QWidget& window;
    std::vector<QWidget*> chain;
    QWidget* unframed = nullptr;
    bool on = false;
    double factor = 1;
};

} // namespace mirel
