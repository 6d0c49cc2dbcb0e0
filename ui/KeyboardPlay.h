#pragma once

#include "board/BoardCursor.h"
#include "hazards/ShiftSchedule.h"

#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <vector>

class QKeyEvent;

namespace mirel {

class frmMain;
class PictureBox;

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

// Playing the main window without a mouse. A cursor on the board and a focus frame on the
// buttons and switches show from the first key the game answers to, and hide again at the
// next mouse press, so that a mouse player sees the game exactly as it always was. Every key
// does what a click does, through the same handlers. The board tells a screen reader the
// cell under the cursor and what a press on it would do, and the score after each move.
class KeyboardPlay final : public QObject {
    Q_OBJECT

public:
    explicit KeyboardPlay(frmMain& window);

    Cell cursor() const { return at; }
    // Whether a key has been used since the last mouse press.
    bool inUse() const { return keys; }
    // The cell under the cursor as a screen reader reads it.
    QString describeCursor() const;
    // The cursor and the frame follow the window's layout to `factor`.
    void setScale(double factor);

    Overlay* cursorFrame = nullptr;
    FocusFrame* focusFrame = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPress(QKeyEvent& event, QObject* watched);
    void press(PictureBox* box);
    void pressCursorCell();
    void boardBefore();
    void afterBoardPress();
    void moveTo(Cell cell);
    void newGame();
    void afterAction();
    void settleFocus();
    void use(bool byKeys);
    void showCursor();
    void announceEnd();
    void undone();
    void shifted(ShiftKind which);
    void tell(const QString& text);
    QString pieceName(std::int16_t kind) const;

    frmMain& w;
    // The controls a player reaches with Tab, in reading order; Qt skips the hidden ones.
    std::vector<PictureBox*> chain;
    // The button that opened the screen on show, which takes the focus back.
    QPointer<PictureBox> opener;
    Cell at = CursorStart;
    double cursorFactor = 1;
    bool keys = false;
    Grid piecesBefore{};
    std::int32_t scoreBefore = 0;
    // The board as the last action left it, and what is to be told with the cursor's cell.
    Grid piecesSeen{};
    QString toTell;
    QString described; // the cell as the board last told it, without what went before it
};

} // namespace mirel
