#pragma once

#include "board/BoardCursor.h"
#include "hazards/ShiftSchedule.h"
#include "ui/FocusFrame.h"

#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <vector>

class QKeyEvent;

namespace mirel {

class frmMain;
class PictureBox;
enum class Screen;

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
    void moveTo(Cell cell);
    void newGame();
    void gameOver(std::int32_t score, std::int16_t rank);
    void screenShown(Screen screen, bool opened);
    void shifted(ShiftKind which);
    void told(const QString& text);
    void settleFocus();
    void use(bool byKeys);
    void showCursor();
    QString pieceName(std::int16_t kind) const;

    frmMain& w;
    PictureBox* const board;        // the cursor lies on it
    PictureBox* const gameOverText; // where the end of a game is read
    // The controls a player reaches with Tab, in reading order; Qt skips the hidden ones.
    std::vector<PictureBox*> chain;
    // The button that opened the screen on show, which takes the focus back.
    QPointer<PictureBox> opener;
    Cell at = CursorStart;
    double cursorFactor = 1;
    bool keys = false;
    bool over = false; // the game on the board has ended
    // What is to be told with the cursor's cell.
    QString toTell;
    QString described; // the cell as the board last told it, without what went before it
};

} // namespace mirel
