#include "ui/KeyboardPlay.h"

#include "board/ClickResolution.h"
#include "ui/PictureBox.h"
#include "ui/ScaledPictures.h"
#include "ui/Twips.h"
#include "ui/frmMain.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

#include <QtMath>

#include <algorithm>

namespace mirel {

KeyboardPlay::KeyboardPlay(frmMain& window)
    : QObject(&window), w(window), board(w.control(ControlName::Board)),
      gameOverText(w.control(ControlName::GameOver)) {
    chain = w.tabOrder();
    cursorFrame = new Overlay(board, w.art().pctCursor, 0);
    cursorFrame->resize(w.art().pctCursor.deviceIndependentSize().toSize());
    focusFrame = new FocusFrame(w, w.art().pctFocusFrame,
                                std::vector<QWidget*>(chain.begin(), chain.end()), board);

    // Keys and presses are seen on their way to the window; what they did, the window says.
    w.installEventFilter(this);
    for (PictureBox* box : w.findChildren<PictureBox*>())
        box->installEventFilter(this);
    connect(&w, &frmMain::newGameDealt, this, &KeyboardPlay::newGame);
    connect(&w, &frmMain::groupRemoved, this, [this](int, std::int32_t score, bool last) {
        if (!last) told(tr("Score %1.").arg(score));
    });
    connect(&w, &frmMain::mineExploded, this, [this](std::int32_t score, bool last) {
        if (!last) told(tr("A mine exploded! Score %1.").arg(score));
    });
    connect(&w, &frmMain::undone, this, [this](bool changed, std::int32_t score) {
        told(changed ? tr("Undone, score %1.").arg(score) : tr("Nothing to undo."));
    });
    connect(&w, &frmMain::shifted, this, &KeyboardPlay::shifted);
    connect(&w, &frmMain::gameOver, this, &KeyboardPlay::gameOver);
    connect(&w, &frmMain::screenShown, this, &KeyboardPlay::screenShown);
    connect(&w, &frmMain::switched, this, [this](OptionSwitch which) {
        if (which == OptionSwitch::Set) told(w.control(ControlName::Set)->stateText());
    });
    moveTo(CursorStart);
    // A reader is told the cursor's cell once the window has settled, a second after it is
    // made, as after every step.
    QTimer::singleShot(1000, this, [this] { told(QString()); });
}

bool KeyboardPlay::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        return keyPress(*static_cast<QKeyEvent*>(event), watched);
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (watched == board) {
            // The keyboard's cursor goes where the mouse pressed, hidden until the next key.
            const QPointF p = static_cast<QMouseEvent*>(event)->position();
            if (w.gameOn()) {
                if (const auto cell = w.cellUnder(p)) at = *cell;
            }
        }
        if (keys) use(false);
        break;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        if (watched == board) showCursor();
        break;
    default:
        break;
    }
    return false;
}

namespace {

// The desktop's own key for a command, or the one most desktops use (some platforms bind no
// key to quitting).
bool isCommand(const QKeyEvent& event, QKeySequence::StandardKey command, QKeyCombination usual) {
    return event.matches(command) || event.keyCombination() == usual;
}

} // namespace

bool KeyboardPlay::keyPress(QKeyEvent& event, QObject* watched) {
    const auto pressIfShown = [this](PictureBox* box) {
        if (!box->isVisible()) return;
        use(true);
        press(box);
    };
    if (isCommand(event, QKeySequence::New, Qt::CTRL | Qt::Key_N)) {
        pressIfShown(w.control(ControlName::New));
        return true;
    }
    if (isCommand(event, QKeySequence::Undo, Qt::CTRL | Qt::Key_Z)) {
        pressIfShown(w.control(ControlName::Undo));
        return true;
    }
    if (isCommand(event, QKeySequence::HelpContents, QKeyCombination(Qt::Key_F1))) {
        pressIfShown(w.control(ControlName::Help));
        return true;
    }
    if (isCommand(event, QKeySequence::Quit, Qt::CTRL | Qt::Key_Q)) {
        // Whatever the screen, through the Exit button's own closing.
        use(true);
        press(w.control(ControlName::Exit));
        return true;
    }

    const bool boardShown = board->isVisible();
    switch (event.key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        if (!boardShown) return false;
        const int rows = event.key() == Qt::Key_Up ? -1 : event.key() == Qt::Key_Down ? 1 : 0;
        const int cols = event.key() == Qt::Key_Left ? -1 : event.key() == Qt::Key_Right ? 1 : 0;
        board->setFocus(Qt::OtherFocusReason);
        use(true);
        moveTo(moveCursor(at, rows, cols));
        return true;
    }
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        use(true); // the focus frame moves the focus along the chain
        return false;
    case Qt::Key_Escape:
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        break;
    default:
        return false;
    }

    // The help and about screens are left with Escape, Space or Enter; the events screen
    // with Escape, through its Ok.
    for (PictureBox* screen :
         {w.control(ControlName::HelpText), w.control(ControlName::AboutText)}) {
        if (screen->isVisible()) {
            pressIfShown(screen);
            return true;
        }
    }
    if (event.key() == Qt::Key_Escape) {
        pressIfShown(w.control(ControlName::Ok));
        return true;
    }
    if (watched == board && boardShown) {
        use(true);
        pressCursorCell();
        return true;
    }
    // A button or switch in focus presses itself.
    if (std::find(chain.begin(), chain.end(), watched) != chain.end()) use(true);
    return false;
}

void KeyboardPlay::press(PictureBox* box) {
    emit box->clicked();
}

// The very handler a left click on the cell runs, at the middle of its picture.
void KeyboardPlay::pressCursorCell() {
    w.pressCell(at);
}

void KeyboardPlay::shifted(ShiftKind which) {
    told(which == RowShift ? tr("The rows shifted.") : tr("The columns shifted."));
}

// A game's end is read at Game Over, which takes the focus: the score and, where it enters
// the table, its rank.
void KeyboardPlay::gameOver(std::int32_t score, std::int16_t rank) {
    over = true;
    gameOverText->setReaderDescription(
        rank != 0 ? tr("Score %1, rank %2 of the high scores").arg(score).arg(rank)
                  : tr("Score %1").arg(score));
    gameOverText->setFocus(Qt::OtherFocusReason);
}

void KeyboardPlay::newGame() {
    over = false;
    at = CursorStart;
    board->setFocus(Qt::OtherFocusReason);
    told(tr("New game."));
}

// The focus goes back to the button that opened a screen once it is left. The high-score
// window takes the focus itself.
void KeyboardPlay::screenShown(Screen screen, bool opened) {
    const auto openedBy = [this](Screen s) -> PictureBox* {
        switch (s) {
        case Screen::Events:
            return w.control(ControlName::Events);
        case Screen::Help:
            return w.control(ControlName::Help);
        case Screen::About:
            return w.control(ControlName::About);
        case Screen::HighScores:
            return w.control(ControlName::HighScores);
        case Screen::Main:
            break;
        }
        return nullptr;
    };
    if (screen != Screen::Main) opener = opened ? openedBy(screen) : nullptr;
    if (screen != Screen::HighScores) told(QString());
}

// Told with the cursor's cell when the board has the focus, else by the control in focus,
// once the focus has settled on the screen on show.
void KeyboardPlay::told(const QString& text) {
    toTell = text;
    settleFocus();
    moveTo(at); // the piece under the cursor may have changed
    focusFrame->setShown(keys);
}

// After a screen has changed, the focus goes back to the button that opened the screen, or
// to the first control of the screen on show.
void KeyboardPlay::settleFocus() {
    if (opener && board->isVisible()) {
        if (opener->isVisible()) opener->setFocus(Qt::OtherFocusReason);
        opener = nullptr;
        return;
    }
    QWidget* focus = w.focusWidget();
    if (focus && focus->isVisible() && (focus->focusPolicy() & Qt::TabFocus)) return;
    // A screen of text, or the end of a game, is read where the focus rests.
    for (PictureBox* text :
         {w.control(ControlName::HelpText), w.control(ControlName::AboutText), gameOverText}) {
        if (text->isVisible() && (text != gameOverText || over)) {
            if (focus != text) text->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    for (PictureBox* box : chain) {
        if (box->isVisible()) {
            box->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    if (focus) focus->clearFocus(); // keys go to the window itself
}

void KeyboardPlay::setScale(double factor) {
    if (factor == cursorFactor) return;
    cursorFactor = factor;
    const QSizeF size = w.art().pctCursor.deviceIndependentSize();
    cursorFrame->setScale(factor);
    cursorFrame->resize(qCeil(size.width() * factor), qCeil(size.height() * factor));
    moveTo(at);
    focusFrame->setScale(factor);
}

void KeyboardPlay::use(bool byKeys) {
    keys = byKeys;
    showCursor();
    focusFrame->setShown(keys);
}

// The cursor shows only with the board in focus and a game on it.
void KeyboardPlay::showCursor() {
    cursorFrame->setVisible(keys && w.gameOn() && w.focusWidget() == board);
}

void KeyboardPlay::moveTo(Cell cell) {
    at = cell;
    const double factor = board->scaleFactor();
    cursorFrame->move(firstPixelAt(FirstCellX + CellPitch * (at.col - 1), factor),
                      firstPixelAt(FirstCellY + CellPitch * (at.row - 1), factor));
    showCursor();
    // The board in focus is read by its name, the cursor's cell, and a reader hears it
    // change; what there is to tell goes before it.
    const QString description = describeCursor();
    board->setReaderDescription(description);
    const QString told = toTell.isEmpty() ? description : toTell + QLatin1Char(' ') + description;
    auto* focus = qobject_cast<PictureBox*>(w.focusWidget());
    if (focus == board) {
        // A cell already told is not told again when nothing happened to it (the clock's
        // tick after a removal would otherwise repeat it, and Orca drops the first of two
        // lines told at once).
        if (description != described || !toTell.isEmpty()) board->announce(told);
        described = description;
    } else if (focus && !toTell.isEmpty()) {
        focus->announce(toTell);
    }
    toTell.clear();
}

QString KeyboardPlay::describeCursor() const {
    const PressOutcome outcome = outcomeOfPress(w.pieces(), at);
    const QString cell = tr("row %1, column %2: ").arg(at.row).arg(at.col);
    switch (outcome.kind) {
    case PressOutcome::EmptyCell:
        break;
    case PressOutcome::LonePiece:
        return cell + tr("%1, alone").arg(pieceName(outcome.piece));
    case PressOutcome::RemovesGroup:
        // The points are the count a noun follows, so where a language has plural forms,
        // they follow the points.
        return cell + tr("%1, a group of %2, %n points", nullptr, outcome.points)
                          .arg(pieceName(outcome.piece))
                          .arg(outcome.size);
    }
    return cell + tr("empty");
}

// The pieces are named after the set the board was dealt with.
QString KeyboardPlay::pieceName(std::int16_t kind) const {
    const PieceSetKinds& set = kindsOf(w.pieceSetInPlay());
    if (kind >= 1 && kind <= set.count)
        return QCoreApplication::translate("mirel", set.kinds[std::size_t(kind - 1)].name);
    return tr("piece %1").arg(kind);
}

} // namespace mirel
