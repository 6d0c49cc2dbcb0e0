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
#include "ui/InputGate.h"
#include "ui/KeyboardPlay.h"
#include "ui/Twips.h"
#include "ui/WindowZoom.h"
#include "ui/frmHighScore.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QWindow>

#include <algorithm>

namespace mirel {

// Paints what the board rules change onto the board box. While a group is being removed,
// every piece taken out of its column bleeps.
class frmMain::BoardCanvas final : public BoardPainter {
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

namespace {

// A control of a screen, as it is made.
struct ControlEntry {
    PictureBox** box;
    Screen screen;
    std::array<int, 4> place; // left, top, width and height in twips
    QPixmap picture;
    PictureBox::Role role;
    QString name = {}; // what a screen reader calls it
    std::vector<PictureBox::State> states = {};
    struct {
        bool tab = false;      // Tab stops at it
        bool byItself = false; // shown by the game's steps, not with its screen
        bool unread = false;   // read as part of another control
        bool border = false;
    } flags = {};
    void (frmMain::*onClick)() = nullptr;
    PictureBox** labels = nullptr;
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

    // Every control of every screen, once: made in this order (so that the title logo and the
    // Game Over picture lie above the board and take its clicks while they are shown), which
    // is also the order Tab goes in and a screen reader finds them. The game draws no text:
    // readers are told what each picture says, and a switch or a digit reads as the state its
    // picture shows.
    using Role = PictureBox::Role;
    std::vector<PictureBox::State> digits;
    for (int d = 0; d <= 9; ++d)
        digits.push_back({pictures.imgDigit[d], QString::number(d)});
    digits.push_back({pictures.imgDigit[10], tr("point")});
    const std::vector<PictureBox::State> yesNo = {{pictures.pctYes, tr("Yes"), true},
                                                  {pictures.pctNo, tr("No")}};
    const std::vector<PictureBox::State> soundStates = {{pictures.pctSoundOn, tr("On"), true},
                                                        {pictures.pctSoundOff, tr("Off")}};
    const std::vector<PictureBox::State> sets = {{pictures.pctSet1, tr("Set 1, balls")},
                                                 {pictures.pctSet2, tr("Set 2, squares")},
                                                 {pictures.pctSet3, tr("Set 3, faces")}};
    const QString helpText = tr("Click on identical adjacent pieces to score points. Use "
                                "Events to make things even wilder!");
    const QString aboutText = tr("Mirel. Made by the Mirel team. Version %1.%2")
                                  .arg(MIREL_VERSION_MAJOR)
                                  .arg(MIREL_VERSION_MINOR);
    const auto Main = Screen::Main, Events = Screen::Events;
    const auto Button = Role::Button, Label = Role::Label, Switch = Role::Switch;
    // byItself: on its screen, but shown by the game's own steps rather than with the screen.
    // unread: read as part of another control (`labels` it, where given).
    const ControlEntry table[] = {
        {&pctBoard, Main, {10, 10, 8100, 5615}, {}, Role::Picture, tr("Board"), {}, {.tab = true}},
        // The score is read as one number, from the place of its first digit.
        {&imgScore[5], Main, {8100, 330, 330, 420}, {}, Label, tr("Score")},
        {&imgScore[4], Main, {8430, 330, 330, 420}, {}, Label, {}, {}, {.unread = true}},
        {&imgScore[3], Main, {8760, 330, 330, 420}, {}, Label, {}, {}, {.unread = true}},
        {&imgScore[2], Main, {9090, 330, 330, 420}, {}, Label, {}, {}, {.unread = true}},
        {&imgScore[1], Main, {9390, 330, 330, 420}, {}, Label, {}, {}, {.unread = true}},
        {&imgScore[0], Main, {9720, 330, 330, 420}, {}, Label, {}, {}, {.unread = true}},
        {&pctNew, Main, {9330, 1350, 720, 360}, pictures.newGame, Button, tr("New game"), {},
         {.tab = true}, &frmMain::pctNew_Click},
        {&pctHighScores, Main, {9060, 1770, 1020, 735}, pictures.highScores, Button,
         tr("High scores"), {}, {.tab = true}, &frmMain::pctHighScores_Click},
        {&pctSound, Main, {8430, 2520, 1665, 375}, {}, Switch, tr("Sound"), soundStates,
         {.tab = true}, &frmMain::pctSound_Click},
        {&pctSet, Main, {8970, 2910, 1125, 360}, {}, Role::Choice, tr("Piece set"), sets,
         {.tab = true}, &frmMain::pctSet_Click},
        {&pctEvents, Main, {9000, 3330, 1110, 345}, pictures.events, Button, tr("Events"), {},
         {.tab = true}, &frmMain::pctEvents_Click},
        {&pctUndo, Main, {9180, 3720, 1110, 345}, pictures.undo, Button, tr("Undo"), {},
         {.tab = true}, &frmMain::pctUndo_Click},
        {&pctHelp, Main, {9420, 4140, 660, 390}, pictures.help, Button, tr("Help"), {},
         {.tab = true}, &frmMain::pctHelp_Click},
        {&pctAbout, Main, {9150, 4530, 990, 300}, pictures.about, Button, tr("About"), {},
         {.tab = true}, &frmMain::pctAbout_Click},
        {&pctExit, Main, {9420, 4860, 720, 375}, pictures.exit, Button, tr("Exit"), {},
         {.tab = true}, &frmMain::pctExit_Click},
        {&pctTolm, Main, {0, 0, 3615, 1350}, pictures.title, Role::Picture, tr("Mirel"), {},
         {.byItself = true}},
        {&pctGameOver, Main, {0, 0, 2265, 540}, pictures.gameOver, Label, tr("Game over!"), {},
         {.byItself = true, .border = true}},

        // Each switch is read with its label as one control, the label tied to it.
        {&pctRowShiftsSelection, Events, {3600, 1440, 570, 375}, {}, Switch, tr("Row shifts"),
         yesNo, {.tab = true}, &frmMain::pctRowShiftsSelection_Click},
        {&pctRowShifts, Events, {4200, 1440, 2565, 405}, pictures.rowShifts, Label,
         tr("Row shifts"), {}, {.unread = true}, nullptr, &pctRowShiftsSelection},
        {&pctColumnShiftsSelection, Events, {3600, 1890, 570, 375}, {}, Switch,
         tr("Column shifts"), yesNo, {.tab = true}, &frmMain::pctColumnShiftsSelection_Click},
        {&pctColumnShifts, Events, {4200, 1860, 2565, 450}, pictures.columnShifts, Label,
         tr("Column shifts"), {}, {.unread = true}, nullptr, &pctColumnShiftsSelection},
        {&pctMinesSelection, Events, {3600, 2340, 570, 375}, {}, Switch, tr("Mines"), yesNo,
         {.tab = true}, &frmMain::pctMinesSelection_Click},
        {&pctMines, Events, {4200, 2340, 2565, 345}, pictures.mines, Label, tr("Mines"), {},
         {.unread = true}, nullptr, &pctMinesSelection},
        {&pctOk, Events, {4200, 2790, 705, 435}, pictures.ok, Button, tr("Ok"), {},
         {.tab = true}, &frmMain::pctOk_Click},

        // Sized and placed as they are shown; the version is read with the about text.
        {&pctHelpText, Screen::Help, {}, pictures.helpText, Label, helpText, {}, {},
         &frmMain::pctHelpText_Click},
        {&pctAboutText, Screen::About, {}, pictures.aboutText, Label, aboutText, {}, {},
         &frmMain::pctAboutText_Click},
        {&pctVersion[0], Screen::About, {0, 0, 315, 345}, {}, Label, tr("Version"), digits,
         {.unread = true, .border = true}},
        {&pctVersion[1], Screen::About, {0, 0, 315, 345}, {}, Label, tr("Version"), digits,
         {.unread = true, .border = true}},
        {&pctVersion[2], Screen::About, {0, 0, 315, 345}, {}, Label, tr("Version"), digits,
         {.unread = true, .border = true}},
    };
    for (const ControlEntry& c : table) {
        auto* box = new PictureBox(this);
        *c.box = box;
        box->setTwipGeometry(c.place[0], c.place[1], c.place[2], c.place[3]);
        box->setPicture(c.picture);
        box->setBorder(c.flags.border);
        if (c.screen != Screen::Main || c.flags.byItself) box->hide();
        box->setAccessibility(c.role, c.name, c.states);
        if (c.labels) box->setLabelFor(*c.labels);
        if (c.flags.unread) box->hideFromReaders();
        if (c.onClick) connect(box, &PictureBox::clicked, this, c.onClick);
        if (c.flags.tab) tabStops.push_back(box);
        screens[int(c.screen)].push_back({box, !c.flags.byItself});
    }
    imgScore[5]->setValueText(QStringLiteral("0"));
    connect(pctBoard, &PictureBox::mousePressed, this,
            [this](int button, float x, float y) { pctBoard_MouseDown(button, 0, x, y); });

    saveAgain = new QTimer(this);
    saveAgain->setSingleShot(true);
    saveAgain->setInterval(2000);
    connect(saveAgain, &QTimer::timeout, this, &frmMain::SaveSettings);
    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &frmMain::Timer1_Timer);

    gate = new InputGate(this);
    // Before the settings are loaded: a save then stores the window's size.
    zoomer = new WindowZoom(*this, QSize(toPixels(ClientWidth), toPixels(ClientHeight)),
                            [this](double s) { layOut(s); });
    Form_Load();
    Timer1->start();
    keys = new KeyboardPlay(*this);

    zoomer->openAt(loadWindowSize(store));
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (zoomer) zoomer->resized();
}

// Every control keeps its place and size in proportion, centred, the margins black.
void frmMain::layOut(double s) {
    const QPoint origin((width() - toPixels(ClientWidth, s)) / 2,
                        (height() - toPixels(ClientHeight, s)) / 2);
    factor = s;
    for (PictureBox* box : findChildren<PictureBox*>(Qt::FindDirectChildrenOnly))
        box->setScale(s, origin);
    if (keys) keys->setScale(s);
}

WindowSize frmMain::windowSize() const {
    return zoomer->stored();
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
    // One the store cannot take at once (another copy holds it) is kept aside if it can be, and
    // tried again in a while, so that the window never waits for the store.
    saveAgain->stop();
    const WindowSize window = windowSize();
    const auto outcome = saveSettings(store, shownOptions(), savedOptions, changes, table, &window);
    if (outcome == SettingsStore::Outcome::Kept || outcome == SettingsStore::Outcome::Held)
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
    hideScreen(Screen::Main);
    unsetCursor();
}

void frmMain::ShowMainScreen() {
    setCursor(Qt::WaitCursor);
    showScreen(Screen::Main);
    if (!board.GameActive) pctTolm->show();
    unsetCursor();
}

// Every control of a screen but those its steps show by themselves.
void frmMain::showScreen(Screen screen) {
    for (const auto& [box, withScreen] : screens[int(screen)])
        if (withScreen) box->show();
}

void frmMain::hideScreen(Screen screen) {
    for (const auto& [box, withScreen] : screens[int(screen)])
        box->hide();
}

void frmMain::SelectPieceSet() {
    inPlay = shownOptions().set;
    pctPiece[0] = pictures.pctBlank;
    // With five kinds, kind 6 keeps its picture; it is never dealt.
    const auto pieces = pictures.pieces(inPlay);
    std::copy(pieces.begin(), pieces.end(), pctPiece.begin() + 1);
    board.KindLimit = kindLimitFor(inPlay);
}

void frmMain::pctNew_Click() {
    ShowMainScreen();
    pctTolm->hide();
    SelectPieceSet();
    NewGame();
    board.Score = 0;
    emit newGameDealt();
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

std::optional<Cell> frmMain::cellUnder(QPointF point) const {
    return cellAt(board, pressToTwips(point.x()), pressToTwips(point.y()));
}

void frmMain::pressCell(Cell cell) {
    const float x = float(board.CellX[cell.row][cell.col] + PieceSize / 2);
    const float y = float(board.CellY[cell.row][cell.col] + PieceSize / 2);
    pctBoard_MouseDown(1, 0, x, y);
}

PictureBox* frmMain::control(ControlName which) const {
    switch (which) {
    case ControlName::Board:
        return pctBoard;
    case ControlName::New:
        return pctNew;
    case ControlName::HighScores:
        return pctHighScores;
    case ControlName::Set:
        return pctSet;
    case ControlName::Events:
        return pctEvents;
    case ControlName::Undo:
        return pctUndo;
    case ControlName::Help:
        return pctHelp;
    case ControlName::About:
        return pctAbout;
    case ControlName::Exit:
        return pctExit;
    case ControlName::GameOver:
        return pctGameOver;
    case ControlName::Ok:
        return pctOk;
    case ControlName::HelpText:
        return pctHelpText;
    case ControlName::AboutText:
        return pctAboutText;
    }
    return nullptr;
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
    const std::int32_t scoreBefore = board.Score;

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
    if (result == PressResult::LonePiece) return;

    const bool last = result == PressResult::RemovedLastMove;
    emit groupRemoved((board.Score - scoreBefore) / pointsFor(1), board.Score, last);
    if (last) EndGame();
}

// The mine shows for a second while it starts to go off; then the fire burns the block
// around it for the length of the blast and one more second; then the block is gone and the
// board settles. Nothing is scored and no undo copy is taken.
void frmMain::ExplodeMine(std::int16_t row, std::int16_t col) {
    board.LockFlag = true;
    gate->lockBegan();
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
    gate->lockEnded();
    const bool last = !MovesLeft(board.BoardPieces);
    emit mineExploded(board.Score, last);
    if (last) EndGame();
}

void frmMain::Timer1_Timer() {
    if (shiftWaiting) return;
    const std::int64_t now = clock.now();
    if (const auto which = dueShift(shifts, now)) {
        if (!RunShiftEvent(*which)) return;
        shiftDone(shifts, *which, now, random);
        // The game's shifts are set at New: when none of them can bring a group back, the game
        // ends here as after a removal.
        if (!shiftsCanBringAGroup(board.BoardPieces, shifts.EventInterval[RowShift] != 0,
                                  shifts.EventInterval[ColumnShift] != 0))
            EndGame();
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
    gate->lockBegan();
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
    gate->lockEnded();
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
    const bool changed = restoreUndoCopy(board, canvas);
    pctBoard->refresh();
    ShowScore();
    emit undone(changed, board.Score);
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
    const std::int16_t rank = changes.rank(table, board.Score);
    emit gameOver(board.Score, rank);
    pctGameOver->repaint();

    if (rank != 0) {
        showHighScoreWindow(false);
        SaveSettings();
    }
    board.GameActive = false;
}

void frmMain::pctHighScores_Click() {
    table.NewHighScoreRank = 0;
    refreshTable(store, changes, table);
    showHighScoreWindow(true);
}

void frmMain::showHighScoreWindow(bool opened) {
    // The window is made afresh for every showing, and gone when it closes.
    HideMainScreen();
    emit screenShown(Screen::HighScores, opened);
    frmHighScore highScores(table, pictures, this, factor);
    // A Reset is stored at once, while the window still shows the emptied table.
    connect(&highScores, &frmHighScore::tableCleared, this, [this] {
        changes.reset(table);
        SaveSettings();
    });
    // A name is stored the moment its entry ends, while the window still shows it.
    connect(&highScores, &frmHighScore::nameEntered, this, &frmMain::SaveSettings);
    // Ctrl+Q closes it as the window manager's close does, keeping the name typed so far,
    // and then the game, as Exit does.
    connect(&highScores, &frmHighScore::quitAsked, this, [this, &highScores] {
        highScores.close();
        close();
    });
    highScores.exec();
    ShowMainScreen();
    emit screenShown(Screen::Main, opened);
}

void frmMain::pctEvents_Click() {
    HideMainScreen();
    showScreen(Screen::Events);
    emit screenShown(Screen::Events, true);
}

void frmMain::pctOk_Click() {
    parkFocus();
    hideScreen(Screen::Events);
    ShowMainScreen();
    emit screenShown(Screen::Main, true);
}

void frmMain::pctHelp_Click() {
    HideMainScreen();
    pctHelpText->autoSize();
    centre(pctHelpText);
    showScreen(Screen::Help);
    emit screenShown(Screen::Help, true);
}

void frmMain::pctHelpText_Click() {
    parkFocus();
    ShowMainScreen();
    hideScreen(Screen::Help);
    emit screenShown(Screen::Main, true);
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

    showScreen(Screen::About);
    emit screenShown(Screen::About, true);
}

void frmMain::pctAboutText_Click() {
    parkFocus();
    hideScreen(Screen::About);
    ShowMainScreen();
    emit screenShown(Screen::Main, true);
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
    emit switched(clicked);
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

bool frmMain::soundOn() const {
    return pctSound->shows(pictures.pctSoundOn);
}

void frmMain::PlaySoundFile(const std::string& fileName, std::int16_t flags) {
    if (!soundOn()) return;
    sound.play(QCoreApplication::applicationDirPath().toStdString() + "/" + fileName, flags);
}

// Holds the window, handling nothing, for the given seconds; asleep, not spinning.
void frmMain::PauseSeconds(std::int16_t seconds) {
    pauseUntil(clock, clock.now() + std::int64_t{seconds} * 1000);
}

} // namespace mirel
