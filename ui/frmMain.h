#pragma once

#include "board/Board.h"
#include "core/RandomSource.h"
#include "core/SoundPlayer.h"
#include "core/TickClock.h"
#include "hazards/ShiftSchedule.h"
#include "scores/HighScoreTable.h"
#include "scores/ScoreChanges.h"
#include "settings/Options.h"
#include "settings/SettingsStore.h"
#include "ui/PictureBox.h"
#include "ui/Pictures.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <optional>
#include <string>

namespace mirel {

class InputGate;
class KeyboardPlay;
class WindowZoom;
namespace testing {
class frmMainInside;
}

// The screens the main window shows, one at a time.
enum class Screen { Main, Events, Help, About, HighScores };

// The controls of the main window that the keyboard finds by name.
// clang-format off
enum class ControlName { Board, New, HighScores, Set, Events, Undo, Help, About, Exit, GameOver, Ok,
                         HelpText, AboutText };
// clang-format on

// The main window: it owns the game and every control, and its handlers carry out the game's
// steps in order, leaving every rule to the core.
class frmMain : public QWidget {
    Q_OBJECT

public:
    // The client area, in twips (676 x 375 pixels).
    static constexpr int ClientWidth = 10140;
    static constexpr int ClientHeight = 5625;

    frmMain(TickClock& clock, RandomSource& random, SoundPlayer& sound, SettingsStore& store,
            QWidget* parent = nullptr);
    ~frmMain() override;

    // What the rest of the program may use of the window, whose state and controls are its
    // own: the keyboard (KeyboardPlay) reads the board and presses on it through the first
    // four, presses a control as a click on it does (`emit control(...)->clicked()`) and
    // follows the signals below; the program's start and end (app/) save the settings.

    // Whether a game is on the board, and its pieces (kind 0: empty).
    bool gameOn() const { return board.GameActive; }
    const Grid& pieces() const { return board.BoardPieces; }
    // The cell at a point of the board's box, in its pixels, if any.
    std::optional<Cell> cellUnder(QPointF point) const;
    // A left press on the middle of a cell, through the very handler a click there runs.
    void pressCell(Cell cell);
    // The set the board's pieces are of, and the pictures the window is drawn with.
    PieceSet pieceSetInPlay() const { return inPlay; }
    const Pictures& art() const { return pictures; }
    // Whether the Sound switch shows on: sounds are played only then.
    bool soundOn() const;
    // A control, and the controls Tab stops at, in reading order, of every screen (hidden ones
    // are skipped).
    PictureBox* control(ControlName which) const;
    const std::vector<PictureBox*>& tabOrder() const { return tabStops; }
    void SaveSettings();
    // The save when the program ends: it may wait a moment longer for the store.
    void SaveSettingsAtEnd();

private:
    // The tests' one way in (tests/support/frmMainInside.h).
    friend class testing::frmMainInside;
    class BoardCanvas;

    // Handlers of the controls.
    void pctNew_Click();
    void pctExit_Click();
    void pctHighScores_Click();
    void pctUndo_Click();
    void pctBoard_MouseDown(int button, int shift, float x, float y);
    void pctEvents_Click();
    void pctOk_Click();
    void pctHelp_Click();
    void pctHelpText_Click();
    void pctAbout_Click();
    void pctAboutText_Click();
    void pctSound_Click();
    void pctSet_Click();
    void pctMinesSelection_Click();
    void pctRowShiftsSelection_Click();
    void pctColumnShiftsSelection_Click();
    void Timer1_Timer();

    // Procedures the game's parts call on each other.
    void SelectPieceSet();
    void NewGame();
    void ResolveClick(std::int16_t row, std::int16_t col);
    void ExplodeMine(std::int16_t row, std::int16_t col);
    void ScheduleShiftEvent(ShiftKind which);
    bool RunShiftEvent(ShiftKind which);
    void ShowScore();
    void EndGame();
    void HideMainScreen();
    void ShowMainScreen();
    void PlaySoundFile(const std::string& fileName, std::int16_t flags);
    void PauseSeconds(std::int16_t seconds);
    void LoadSettings();

    // The game's state.
    BoardModel board;
    ShiftClock shifts;
    HighScoreTable table;
    ScoreChanges changes; // to the table, since the last save
    Options savedOptions; // the options as last read or saved

    // The pictures, and the palette the board is painted from (kind k with pctPiece[k]).
    const Pictures pictures = Pictures::load();
    std::array<QPixmap, 7> pctPiece;

    // Controls of the main screen.
    PictureBox* pctBoard = nullptr;
    std::array<PictureBox*, 6> imgScore{};
    PictureBox* pctNew = nullptr;
    PictureBox* pctHighScores = nullptr;
    PictureBox* pctSound = nullptr;
    PictureBox* pctSet = nullptr;
    PictureBox* pctEvents = nullptr;
    PictureBox* pctUndo = nullptr;
    PictureBox* pctHelp = nullptr;
    PictureBox* pctAbout = nullptr;
    PictureBox* pctExit = nullptr;
    PictureBox* pctTolm = nullptr;
    PictureBox* pctGameOver = nullptr;

    // The events screen: three switches, their labels, and Ok.
    PictureBox* pctRowShiftsSelection = nullptr;
    PictureBox* pctRowShifts = nullptr;
    PictureBox* pctColumnShiftsSelection = nullptr;
    PictureBox* pctColumnShifts = nullptr;
    PictureBox* pctMinesSelection = nullptr;
    PictureBox* pctMines = nullptr;
    PictureBox* pctOk = nullptr;

    // The help screen, and the about screen with the version below it.
    PictureBox* pctHelpText = nullptr;
    PictureBox* pctAboutText = nullptr;
    std::array<PictureBox*, 3> pctVersion{};

    // Polls the shift clock once a second; stopped only while a shift runs.
    QTimer* Timer1 = nullptr;

    // The game without a mouse: the board's cursor, the focus frame and the shortcuts.
    KeyboardPlay* keys = nullptr;

    // The factor the whole layout is drawn at, to fill the window (1 at the size it opens
    // with): the smaller of its width and height over those of the layout, at least 1.
    double scaleFactor() const { return factor; }
    // The size as it is stored: the factor when neither maximized nor full-screen, and which.
    WindowSize windowSize() const;

    // The options as the five switches show them, with the window's size, and showing a set
    // of options on the switches.
    Options shownOptions() const;
    void showOptions(const Options& options);

signals:
    // What happened in the game, said once, at the moment it happens: the keyboard's cursor
    // and the screen reader's lines follow these, and anything else that reacts to the game
    // listens here too.
    // A game has been dealt.
    void newGameDealt();
    // A press removed a group of `size` pieces, scoring to `score`; `lastMove` when no group
    // is left (the game is over next).
    void groupRemoved(int size, std::int32_t score, bool lastMove);
    // A hidden mine went off and its blast has burnt out; `lastMove` as above.
    void mineExploded(std::int32_t score, bool lastMove);
    // Undo put the board of the last removal back, or found it there already.
    void undone(bool changed, std::int32_t score);
    // A timed shift has moved the board.
    void shifted(ShiftKind which);
    // The game is over, with its score and the rank it takes in the table (0: none).
    void gameOver(std::int32_t score, std::int16_t rank);
    // A screen is on show now, opened by a player (the high-score window at a game's end is
    // part of that end, not opened).
    void screenShown(Screen screen, bool opened);
    // A click on a switch has changed what it shows.
    void switched(OptionSwitch which);
    // The window is closing, after the settings have been saved.
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Form_Load();
    void Form_Unload();
    void centre(PictureBox* box);
    void showHighScoreWindow(bool opened);
    void parkFocus();
    void clickSwitch(OptionSwitch clicked);
    void showScreen(Screen screen);
    void hideScreen(Screen screen);

    // Each screen's controls, in the order they are made, and whether they show with it.
    std::array<std::vector<std::pair<PictureBox*, bool>>, 5> screens;
    std::vector<PictureBox*> tabStops;

    // Tries again, now and then, to save changes that had to be kept aside.
    QTimer* saveAgain = nullptr;

    TickClock& clock;
    RandomSource& random;
    bool shiftWaiting = false; // a due shift waits for a click to be resolved
    InputGate* gate = nullptr; // drops what was pressed while the board was locked
    PieceSet inPlay = PieceSet::Balls;
    SoundPlayer& sound;
    SettingsStore& store;

    void layOut(double factor);
    double factor = 1;
    // The window's size, as the window manager and the zoom keys change it.
    WindowZoom* zoomer = nullptr;
};

} // namespace mirel
