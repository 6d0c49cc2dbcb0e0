#include "ui/frmMain.h"

#include "board/ClickResolution.h"
#include "board/Deal.h"
#include "board/PieceSet.h"
#include "hazards/Explosion.h"
#include "hazards/Mines.h"
#include "hazards/Press.h"
#include "hazards/Shifts.h"
#include "hazards/Undo.h"
#include "scores/ScoreDigits.h"
#include "settings/Settings.h"
#include "sound/SoundFiles.h"
#include "ui/KeyboardPlay.h"
#include "ui/ScaledPictures.h"
#include "ui/Twips.h"
#include "ui/frmHighScore.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

#include <algorithm>

namespace mirel {

namespace {

// Paints what the board rules change onto the board box. While a group is being removed,
// every piece taken out of its column bleeps.
class BoardCanvas final : public BoardPainter {
public:
    BoardCanvas(frmMain& window, bool bleep) : window(window), bleep(bleep) {}

    void paintCell(std::int16_t row, std::int16_t col, std::int16_t kind) override {
        window.pctBoard->paintPicture(window.pctPiece[kind], window.board.CellX[row][col],
                                      window.board.CellY[row][col]);
    }
    void pieceTakenOut() override {
        if (bleep) window.PlaySoundFile(BleepSound, SoundAsync);
    }

private:
    frmMain& window;
    bool bleep;
};

} // namespace

frmMain::frmMain(TickClock& clock, RandomSource& random, SoundPlayer& sound, SettingsStore& store,
                 QWidget* parent)
    : QWidget(parent), clock(clock), random(random), sound(sound), store(store) {
    setProperty(gameWindowProperty, true);
    setWindowTitle(QStringLiteral("Mirel"));
    // The layout never shrinks below the size it opens with; larger, it is drawn larger.
    setMinimumSize(toPixels(ClientWidth), toPixels(ClientHeight));
    resize(toPixels(ClientWidth), toPixels(ClientHeight));

    // Created in this order, so that the title logo and the Game Over picture lie above the
    // board and take its clicks while they are shown.
    pctBoard = new PictureBox(this);
    imgScore[5] = control(8100, 330, 330, 420, {});
    imgScore[4] = control(8430, 330, 330, 420, {});
    imgScore[3] = control(8760, 330, 330, 420, {});
    imgScore[2] = control(9090, 330, 330, 420, {});
    imgScore[1] = control(9390, 330, 330, 420, {});
    imgScore[0] = control(9720, 330, 330, 420, {});
    pctNew = control(9330, 1350, 720, 360, pictures.newGame);
    pctHighScores = control(9060, 1770, 1020, 735, pictures.highScores);
    pctSound = control(8430, 2520, 1665, 375, {});
    pctSet = control(8970, 2910, 1125, 360, {});
    pctEvents = control(9000, 3330, 1110, 345, pictures.events);
    pctUndo = control(9180, 3720, 1110, 345, pictures.undo);
    pctHelp = control(9420, 4140, 660, 390, pictures.help);
    pctAbout = control(9150, 4530, 990, 300, pictures.about);
    pctExit = control(9420, 4860, 720, 375, pictures.exit);
    pctTolm = control(0, 0, 3615, 1350, pictures.title);
    pctGameOver = control(0, 0, 2265, 540, pictures.gameOver);
    pctGameOver->setBorder(true);
    pctGameOver->hide();

    pctRowShiftsSelection = control(3600, 1440, 570, 375, {});
    pctRowShifts = control(4200, 1440, 2565, 405, pictures.rowShifts);
    pctColumnShiftsSelection = control(3600, 1890, 570, 375, {});
    pctColumnShifts = control(4200, 1860, 2565, 450, pictures.columnShifts);
    pctMinesSelection = control(3600, 2340, 570, 375, {});
    pctMines = control(4200, 2340, 2565, 345, pictures.mines);
    pctOk = control(4200, 2790, 705, 435, pictures.ok);
    pctHelpText = control(0, 0, 0, 0, pictures.helpText);
    pctAboutText = control(0, 0, 0, 0, pictures.aboutText);
    for (PictureBox*& version : pctVersion) {
        version = control(0, 0, 315, 345, {});
        version->setBorder(true);
    }
    for (PictureBox* box : {pctRowShiftsSelection, pctRowShifts, pctColumnShiftsSelection,
                            pctColumnShifts, pctMinesSelection, pctMines, pctOk, pctHelpText,
                            pctAboutText, pctVersion[0], pctVersion[1], pctVersion[2]})
        box->hide();

    // The game draws no text: screen readers are told what each picture says, and a switch
    // or a digit reads as the state its picture shows.
    using Role = PictureBox::Role;
    std::vector<PictureBox::State> digits;
    for (int d = 0; d <= 9; ++d)
        digits.push_back({pictures.imgDigit[d], QString::number(d)});
    digits.push_back({pictures.imgDigit[10], tr("point")});
    const std::vector<PictureBox::State> yesNo = {{pictures.pctYes, tr("Yes"), true},
                                                  {pictures.pctNo, tr("No")}};
    pctBoard->setAccessibility(Role::Picture, tr("Board"));
    // The score is read as one number, from the place of its first digit.
    imgScore[5]->setAccessibility(Role::Label, tr("Score"));
    imgScore[5]->setValueText(QStringLiteral("0"));
    for (int place = 0; place < 5; ++place)
        imgScore[place]->hideFromReaders();
    pctNew->setAccessibility(Role::Button, tr("New game"));
    pctHighScores->setAccessibility(Role::Button, tr("High scores"));
    pctSound->setAccessibility(
        Role::Switch, tr("Sound"),
        {{pictures.pctSoundOn, tr("On"), true}, {pictures.pctSoundOff, tr("Off")}});
    pctSet->setAccessibility(Role::Choice, tr("Piece set"),
                             {{pictures.pctSet1, tr("Set 1, balls")},
                              {pictures.pctSet2, tr("Set 2, squares")},
                              {pictures.pctSet3, tr("Set 3, faces")}});
    pctEvents->setAccessibility(Role::Button, tr("Events"));
    pctUndo->setAccessibility(Role::Button, tr("Undo"));
    pctHelp->setAccessibility(Role::Button, tr("Help"));
    pctAbout->setAccessibility(Role::Button, tr("About"));
    pctExit->setAccessibility(Role::Button, tr("Exit"));
    pctTolm->setAccessibility(Role::Picture, tr("Mirel"));
    pctGameOver->setAccessibility(Role::Label, tr("Game over!"));
    pctRowShiftsSelection->setAccessibility(Role::Switch, tr("Row shifts"), yesNo);
    pctRowShifts->setAccessibility(Role::Label, tr("Row shifts"));
    // Each switch is read with its label as one control, the label tied to it.
    for (PictureBox* label : {pctRowShifts, pctColumnShifts, pctMines})
        label->hideFromReaders();
    pctRowShifts->setLabelFor(pctRowShiftsSelection);
    pctColumnShifts->setLabelFor(pctColumnShiftsSelection);
    pctMines->setLabelFor(pctMinesSelection);
    pctColumnShiftsSelection->setAccessibility(Role::Switch, tr("Column shifts"), yesNo);
    pctColumnShifts->setAccessibility(Role::Label, tr("Column shifts"));
    pctMinesSelection->setAccessibility(Role::Switch, tr("Mines"), yesNo);
    pctMines->setAccessibility(Role::Label, tr("Mines"));
    pctOk->setAccessibility(Role::Button, tr("Ok"));
    pctHelpText->setAccessibility(Role::Label,
                                  tr("Click on identical adjacent pieces to score points. Use "
                                     "Events to make things even wilder!"));
    pctAboutText->setAccessibility(Role::Label, tr("Mirel. Made by the Mirel team. Version %1.%2")
                                                    .arg(MIREL_VERSION_MAJOR)
                                                    .arg(MIREL_VERSION_MINOR));
    for (PictureBox* version : pctVersion) {
        version->setAccessibility(Role::Label, tr("Version"), digits);
        version->hideFromReaders(); // read with the about text
    }

    connect(pctNew, &PictureBox::clicked, this, &frmMain::pctNew_Click);
    connect(pctExit, &PictureBox::clicked, this, &frmMain::pctExit_Click);
    connect(pctHighScores, &PictureBox::clicked, this, &frmMain::pctHighScores_Click);
    connect(pctUndo, &PictureBox::clicked, this, &frmMain::pctUndo_Click);
    connect(pctEvents, &PictureBox::clicked, this, &frmMain::pctEvents_Click);
    connect(pctOk, &PictureBox::clicked, this, &frmMain::pctOk_Click);
    connect(pctHelp, &PictureBox::clicked, this, &frmMain::pctHelp_Click);
    connect(pctHelpText, &PictureBox::clicked, this, &frmMain::pctHelpText_Click);
    connect(pctAbout, &PictureBox::clicked, this, &frmMain::pctAbout_Click);
    connect(pctAboutText, &PictureBox::clicked, this, &frmMain::pctAboutText_Click);
    connect(pctSound, &PictureBox::clicked, this, &frmMain::pctSound_Click);
    connect(pctSet, &PictureBox::clicked, this, &frmMain::pctSet_Click);
    connect(pctMinesSelection, &PictureBox::clicked, this, &frmMain::pctMinesSelection_Click);
    connect(pctRowShiftsSelection, &PictureBox::clicked, this,
            &frmMain::pctRowShiftsSelection_Click);
    connect(pctColumnShiftsSelection, &PictureBox::clicked, this,
            &frmMain::pctColumnShiftsSelection_Click);
    connect(pctBoard, &PictureBox::mousePressed, this,
            [this](int button, float x, float y) { pctBoard_MouseDown(button, 0, x, y); });

    saveAgain = new QTimer(this);
    saveAgain->setSingleShot(true);
    saveAgain->setInterval(2000);
    connect(saveAgain, &QTimer::timeout, this, &frmMain::SaveSettings);
    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &frmMain::Timer1_Timer);

    // The pictures for a new size are drawn once the size has settled, not at every step
    // of a drag.
    drawWhenSettled = new QTimer(this);
    drawWhenSettled->setSingleShot(true);
    drawWhenSettled->setInterval(100);
    connect(drawWhenSettled, &QTimer::timeout, this,
            [this] { ScaledPictures::instance().want(factor, devicePixelRatioF()); });

    Form_Load();
    Timer1->start();
    keys = new KeyboardPlay(*this);

    const auto shortcut = [this](QKeySequence keys, auto then) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, then);
    };
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Plus), [this] { zoom(1); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { zoom(1); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus), [this] { zoom(-1); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { zoom(0); });
    shortcut(QKeySequence(Qt::Key_F11), [this] { toggleFullScreen(); });
    openAtStoredSize(loadWindowSize(store));
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const double fits = std::min(double(width()) / toPixels(ClientWidth),
                                 double(height()) / toPixels(ClientHeight));
    const double s = std::max(1.0, fits);
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) normalFactor = s;
    layOut(s);
}

// Every control keeps its place and size in proportion, centred, the margins black.
void frmMain::layOut(double s) {
    const QPoint origin((width() - toPixels(ClientWidth, s)) / 2,
                        (height() - toPixels(ClientHeight, s)) / 2);
    factor = s;
    for (PictureBox* box : findChildren<PictureBox*>(Qt::FindDirectChildrenOnly))
        box->setScale(s, origin);
    if (keys) keys->setScale(s);
    drawWhenSettled->start();
}

// A stored size too large for this screen is reduced to fit it.
void frmMain::openAtStoredSize(const WindowSize& size) {
    double f = size.factor;
    if (const QScreen* on = screen()) {
        const QRect room = on->availableGeometry();
        f = std::min(f, std::max(1.0, std::min(double(room.width()) / toPixels(ClientWidth),
                                               double(room.height()) / toPixels(ClientHeight))));
    }
    if (f != 1.0) resize(qRound(toPixels(ClientWidth) * f), qRound(toPixels(ClientHeight) * f));
    normalFactor = f;
    if (size.fullScreen)
        setWindowState(windowState() | Qt::WindowFullScreen);
    else if (size.maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void frmMain::zoom(int direction) {
    double to = 1;
    const QScreen* on = screen();
    const QRect room = on ? on->availableGeometry() : QRect();
    const QSize frame = frameGeometry().size() - geometry().size();
    const auto fits = [&](double f) {
        return !on || (qRound(toPixels(ClientWidth) * f) + frame.width() <= room.width() &&
                       qRound(toPixels(ClientHeight) * f) + frame.height() <= room.height());
    };
    if (direction > 0) {
        to = normalFactor;
        for (double step : ZoomSteps)
            if (step > normalFactor + 1e-6 && fits(step)) {
                to = step;
                break;
            }
    } else if (direction < 0) {
        for (double step : ZoomSteps)
            if (step < normalFactor - 1e-6) to = step;
    }
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) showNormal();
    resize(qRound(toPixels(ClientWidth) * to), qRound(toPixels(ClientHeight) * to));
}

WindowSize frmMain::windowSize() const {
    WindowSize size;
    size.factor = normalFactor;
    size.fullScreen = isFullScreen();
    size.maximized = isMaximized() || (isFullScreen() && maximizedBefore);
    return size;
}

void frmMain::toggleFullScreen() {
    if (isFullScreen()) {
        if (maximizedBefore)
            showMaximized();
        else
            showNormal();
        return;
    }
    maximizedBefore = isMaximized();
    showFullScreen();
}

PictureBox* frmMain::control(int left, int top, int width, int height, const QPixmap& picture) {
    auto* box = new PictureBox(this);
    box->setTwipGeometry(left, top, width, height);
    box->setPicture(picture);
    return box;
}

// Pictures are centred in the client area: the outer size of a window is the window
// manager's, and the same layout must come out with any frame or none.
void frmMain::centre(PictureBox* box) {
    box->moveTwips((ClientWidth - box->Width()) / 2, (ClientHeight - box->Height()) / 2);
}

void frmMain::Form_Load() {
    board.GameActive = false;
    centre(pctTolm);
    pctTolm->show();

    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);

    pctSet->setPicture(pictures.pctSet1);
    pctSound->setPicture(pictures.pctSoundOn);
    pctRowShiftsSelection->setPicture(pictures.pctNo);
    pctColumnShiftsSelection->setPicture(pictures.pctNo);
    pctMinesSelection->setPicture(pictures.pctNo);

    LoadSettings();
    centre(pctGameOver);

    // The palette starts with the empty cell; SelectPieceSet fills kinds 1 to 6.
    pctPiece[0] = pictures.pctBlank;
    SelectPieceSet();

    // The random source is seeded once, when it is made, before the window.
    pctBoard->setTwipGeometry(10, 10, imgScore[5]->Left(), ClientHeight - 10);
}

// The stored choices replace the built-in ones on all five switches, and the table of the
// ten best is filled, in order of its scores whatever order an edited store gave them.
void frmMain::LoadSettings() {
    Options options;
    loadSettings(store, options, table);
    putInOrder(table);
    showOptions(options);
    savedOptions = options;
    // Changes a copy that has ended kept aside are merged now.
    if (store.othersKeptChanges()) {
        SaveSettings();
        loadSettings(store, options, table);
        putInOrder(table);
    }
}

void frmMain::SaveSettings() {
    // Another copy of the game may have saved since, so this copy's changes to the table go
    // onto the one stored now. A store that cannot be saved says why on standard error and
    // keeps what it held; the changes wait for the next save, and the game goes on or closes.
    // One the store cannot take at once (another copy holds it) is kept aside and tried again
    // in a while, so that the window never waits for the store.
    saveAgain->stop();
    const WindowSize window = windowSize();
    if (saveSettings(store, shownOptions(), savedOptions, changes, table, &window) ==
        SettingsStore::Outcome::Kept)
        saveAgain->start();
}

void frmMain::SaveSettingsAtEnd() {
    SaveSettings();
    saveAgain->stop();
}

void frmMain::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void frmMain::Form_Unload() {
    SaveSettingsAtEnd();
    emit unloaded();
}

void frmMain::pctExit_Click() {
    close();
}

// The focus waits on the window while a screen's controls hide, so that it never passes
// through them one by one; the screen then shown gives it to its own.
void frmMain::parkFocus() {
    if (focusWidget() && focusWidget() != this) setFocus(Qt::OtherFocusReason);
}

void frmMain::HideMainScreen() {
    parkFocus();
    setCursor(Qt::WaitCursor);
    pctBoard->hide();
    for (PictureBox* place : imgScore)
        place->hide();
    for (PictureBox* box : {pctExit, pctNew, pctHighScores, pctSound, pctSet, pctEvents, pctTolm})
        box->hide();
    unsetCursor();
    for (PictureBox* box : {pctGameOver, pctHelp, pctAbout, pctUndo})
        box->hide();
}

void frmMain::ShowMainScreen() {
    setCursor(Qt::WaitCursor);
    pctBoard->show();
    for (PictureBox* place : imgScore)
        place->show();
    for (PictureBox* box :
         {pctExit, pctNew, pctHighScores, pctSound, pctSet, pctEvents, pctHelp, pctAbout})
        box->show();
    if (!board.GameActive) pctTolm->show();
    pctUndo->show();
    unsetCursor();
}

void frmMain::SelectPieceSet() {
    const PieceSet set = shownOptions().set;
    pctPiece[0] = pictures.pctBlank;
    if (set == PieceSet::Balls)
        std::copy(pictures.pctBall.begin(), pictures.pctBall.end(), pctPiece.begin() + 1);
    else if (set == PieceSet::Boxes)
        std::copy(pictures.pctBox.begin(), pictures.pctBox.end(), pctPiece.begin() + 1);
    else // kind 6 keeps its picture; it is never dealt with five kinds
        std::copy(pictures.pctFace.begin(), pictures.pctFace.end(), pctPiece.begin() + 1);
    board.KindLimit = kindLimitFor(set);
}

void frmMain::pctNew_Click() {
    ShowMainScreen();
    pctTolm->hide();
    SelectPieceSet();
    NewGame();
    board.Score = 0;
}

void frmMain::NewGame() {
    setCursor(Qt::WaitCursor);
    board.GameActive = true;
    pctGameOver->hide();
    for (PictureBox* place : imgScore)
        place->setPicture(pictures.imgDigit[0]);
    imgScore[5]->setValueText(QStringLiteral("0"));

    BoardCanvas canvas(*this, false);
    dealBoard(board, random, canvas);
    pctBoard->refresh();
    startUndoAfresh(board);

    resetShiftClock(shifts);
    ScheduleShiftEvent(RowShift);
    ScheduleShiftEvent(ColumnShift);

    clearMines(board.BoardMines);
    if (pctMinesSelection->shows(pictures.pctYes)) layMines(board.BoardMines, random);

    board.BusyFlag = false;
    board.LockFlag = false;
    unsetCursor();
}

// The keyboard's player watches the window's events, and the window still sends some (the
// focus leaving) while QWidget's part of it is being destroyed: it goes first.
frmMain::~frmMain() {
    delete keys;
}

void frmMain::ScheduleShiftEvent(ShiftKind which) {
    const PictureBox* option = which == RowShift ? pctRowShiftsSelection : pctColumnShiftsSelection;
    scheduleShift(shifts, which, option->shows(pictures.pctYes), random);
}

void frmMain::pctBoard_MouseDown(int button, int /*shift*/, float x, float y) {
    // Only a game in play takes presses: before the first deal the cells have no places yet,
    // and a finished board takes no move, so that no game is ranked twice.
    if (!board.GameActive || board.BusyFlag || button != 1) return;
    const auto cell = cellAt(board, x, y);
    if (!cell) return;
    ResolveClick(cell->row, cell->col);
}

void frmMain::ResolveClick(std::int16_t row, std::int16_t col) {
    if (board.LockFlag || board.BoardPieces[row][col] == 0) return;
    setCursor(Qt::WaitCursor);
    board.BusyFlag = true;

    BoardCanvas canvas(*this, true);
    const PressResult result = resolvePress(board, shifts, {row, col}, clock.now(), canvas);
    if (result == PressResult::Mine) {
        board.BusyFlag = false;
        ExplodeMine(row, col);
        unsetCursor();
        return;
    }
    if (result != PressResult::LonePiece) {
        ShowScore();
        pctBoard->refresh();
    }
    unsetCursor();
    board.BusyFlag = false;

    if (result == PressResult::RemovedLastMove) EndGame();
}

// The mine shows for a second while it starts to go off; then the fire burns the block
// around it for the length of the blast and one more second; then the block is gone and the
// board settles. Nothing is scored and no undo copy is taken.
void frmMain::ExplodeMine(std::int16_t row, std::int16_t col) {
    board.LockFlag = true;
    pctBoard->paintPicture(pictures.pctMine, board.CellX[row][col], board.CellY[row][col]);
    pctBoard->repaint();
    PlaySoundFile(ExplodeSound, SoundAsync);
    PauseSeconds(1);

    const BlastArea area = blastArea({row, col});
    forEachCell(area, [this](Cell cell) {
        pctBoard->paintPicture(pictures.pctFire, board.CellX[cell.row][cell.col],
                               board.CellY[cell.row][cell.col]);
    });
    pctBoard->repaint();
    PlaySoundFile(ExplodeSound, SoundWait);
    PauseSeconds(1);

    BoardCanvas canvas(*this, false); // one explosion is heard, not a bleep a destroyed cell
    destroyArea(board.BoardPieces, area, canvas);
    pctBoard->refresh();
    board.LockFlag = false;
    if (!MovesLeft(board.BoardPieces)) EndGame();
}

void frmMain::Timer1_Timer() {
    if (shiftWaiting) return;
    const std::int64_t now = clock.now();
    if (const auto which = dueShift(shifts, now)) {
        if (RunShiftEvent(*which)) shiftDone(shifts, *which, now, random);
    }
}

// Returns false when the shift no longer applies after waiting for a click: the game it was
// due in has ended or been replaced meanwhile.
bool frmMain::RunShiftEvent(ShiftKind which) {
    shiftWaiting = true;
    while (board.BusyFlag)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    shiftWaiting = false;
    if (shifts.LastEventTick == 0) return false;

    Timer1->stop();
    board.LockFlag = true;
    BoardCanvas canvas(*this, false);
    // The moved board is shown at once, so that the player sees it before the closing sound
    // ends and before their next click lands on it.
    if (which == RowShift) {
        PlaySoundFile(BazookaSound, SoundWait);
        rowShift(board.BoardPieces, canvas);
        pctBoard->repaint();
        PlaySoundFile(BazookaSound, SoundWait);
    } else if (occupiedColumns(board.BoardPieces) > 1) {
        PlaySoundFile(BazookaSound, SoundWait);
        columnShift(board.BoardPieces, canvas);
        pctBoard->repaint();
        PlaySoundFile(BazookaSound, SoundWait);
    }
    board.LockFlag = false;
    Timer1->start();
    emit shifted(which);
    return true;
}

void frmMain::ShowScore() {
    const auto digits = scoreDigits(board.Score);
    for (int i = 0; i < 6; ++i)
        imgScore[5 - i]->setPicture(pictures.imgDigit[digits[i]]);
    imgScore[5]->setValueText(QString::number(board.Score));
}

void frmMain::pctUndo_Click() {
    if (!board.GameActive) return;
    BoardCanvas canvas(*this, false);
    restoreUndoCopy(board, canvas);
    pctBoard->refresh();
    ShowScore();
}

void frmMain::EndGame() {
    // The score is ranked among those other copies have saved too (first, so that Game Over
    // tells a screen reader the rank the score takes), and saved once named.
    refreshTable(store, changes, table);
    // A finished board stays as it ended: no shift moves it, nor sounds over it.
    stopShiftClock(shifts);
    parkFocus();
    pctBoard->hide();
    pctBoard->repaint();
    repaint();
    pctGameOver->show();
    pctGameOver->repaint();

    if (changes.rank(table, board.Score) != 0) {
        showHighScoreWindow();
        SaveSettings();
    }
    board.GameActive = false;
}

void frmMain::pctHighScores_Click() {
    table.NewHighScoreRank = 0;
    refreshTable(store, changes, table);
    showHighScoreWindow();
}

void frmMain::showHighScoreWindow() {
    // The window is made afresh for every showing, and gone when it closes.
    HideMainScreen();
    frmHighScore highScores(table, pictures, this, factor);
    // A Reset is stored at once, while the window still shows the emptied table.
    connect(&highScores, &frmHighScore::tableCleared, this, [this] {
        changes.reset(table);
        SaveSettings();
    });
    // A name is stored the moment its entry ends, while the window still shows it.
    connect(&highScores, &frmHighScore::nameEntered, this, &frmMain::SaveSettings);
    highScores.exec();
    ShowMainScreen();
}

// The controls of the events screen, in the order they are shown and hidden.
std::array<PictureBox*, 7> frmMain::eventsScreen() const {
    return {pctRowShiftsSelection,
            pctColumnShiftsSelection,
            pctMinesSelection,
            pctRowShifts,
            pctColumnShifts,
            pctMines,
            pctOk};
}

void frmMain::pctEvents_Click() {
    HideMainScreen();
    for (PictureBox* box : eventsScreen())
        box->show();
}

void frmMain::pctOk_Click() {
    parkFocus();
    for (PictureBox* box : eventsScreen())
        box->hide();
    ShowMainScreen();
}

void frmMain::pctHelp_Click() {
    HideMainScreen();
    pctHelpText->autoSize();
    centre(pctHelpText);
    pctHelpText->show();
}

void frmMain::pctHelpText_Click() {
    parkFocus();
    ShowMainScreen();
    pctHelpText->hide();
}

void frmMain::pctAbout_Click() {
    static_assert(MIREL_VERSION_MAJOR >= 0 && MIREL_VERSION_MAJOR <= 9 &&
                      MIREL_VERSION_MINOR >= 0 && MIREL_VERSION_MINOR <= 9,
                  "the about screen shows each part of the version as one digit");
    HideMainScreen();
    pctAboutText->autoSize();
    centre(pctAboutText);

    // The version sits right below the about picture, in three bordered digit boxes.
    const int top = pctAboutText->Top() + pctAboutText->Height();
    const int digits[3] = {MIREL_VERSION_MAJOR, 10, MIREL_VERSION_MINOR};
    for (int i = 0; i < 3; ++i) {
        pctVersion[i]->setPicture(pictures.imgDigit[digits[i]]);
        pctVersion[i]->autoSize();
    }
    const int width = pctVersion[0]->Width();
    pctVersion[0]->moveTwips(ClientWidth / 2 - 2 * width, top);
    pctVersion[1]->moveTwips(ClientWidth / 2 - width, top);
    pctVersion[2]->moveTwips(ClientWidth / 2, top);

    for (PictureBox* box : {pctVersion[0], pctVersion[1], pctVersion[2], pctAboutText})
        box->show();
}

void frmMain::pctAboutText_Click() {
    parkFocus();
    for (PictureBox* box : {pctAboutText, pctVersion[0], pctVersion[1], pctVersion[2]})
        box->hide();
    ShowMainScreen();
}

Options frmMain::shownOptions() const {
    Options options;
    options.rowShifts = pctRowShiftsSelection->shows(pictures.pctYes);
    options.columnShifts = pctColumnShiftsSelection->shows(pictures.pctYes);
    options.mines = pctMinesSelection->shows(pictures.pctYes);
    options.sound = pctSound->shows(pictures.pctSoundOn);
    options.set = pctSet->shows(pictures.pctSet1)   ? PieceSet::Balls
                  : pctSet->shows(pictures.pctSet2) ? PieceSet::Boxes
                                                    : PieceSet::Faces;
    return options;
}

void frmMain::showOptions(const Options& options) {
    const auto yesNo = [this](bool on) { return on ? pictures.pctYes : pictures.pctNo; };
    pctRowShiftsSelection->setPicture(yesNo(options.rowShifts));
    pctColumnShiftsSelection->setPicture(yesNo(options.columnShifts));
    pctMinesSelection->setPicture(yesNo(options.mines));
    pctSound->setPicture(options.sound ? pictures.pctSoundOn : pictures.pctSoundOff);
    pctSet->setPicture(options.set == PieceSet::Balls   ? pictures.pctSet1
                       : options.set == PieceSet::Boxes ? pictures.pctSet2
                                                        : pictures.pctSet3);
}

// A click only changes what the switches show; each option is read where it takes effect.
void frmMain::clickSwitch(OptionSwitch clicked) {
    showOptions(afterClick(shownOptions(), clicked));
}

void frmMain::pctSound_Click() {
    clickSwitch(OptionSwitch::Sound);
}
void frmMain::pctSet_Click() {
    clickSwitch(OptionSwitch::Set);
}
void frmMain::pctMinesSelection_Click() {
    clickSwitch(OptionSwitch::Mines);
}
void frmMain::pctRowShiftsSelection_Click() {
    clickSwitch(OptionSwitch::RowShifts);
}
void frmMain::pctColumnShiftsSelection_Click() {
    clickSwitch(OptionSwitch::ColumnShifts);
}

void frmMain::PlaySoundFile(const std::string& fileName, std::int16_t flags) {
    if (!pctSound->shows(pictures.pctSoundOn)) return;
    sound.play(QCoreApplication::applicationDirPath().toStdString() + "/" + fileName, flags);
}

// Holds the window, handling nothing, for the given seconds; asleep, not spinning.
void frmMain::PauseSeconds(std::int16_t seconds) {
    pauseUntil(clock, clock.now() + std::int64_t{seconds} * 1000);
}

} // namespace mirel
