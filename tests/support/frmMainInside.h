#pragma once

#include "ui/frmMain.h"

namespace mirel::testing {

// The main window as the tests (and the window benchmarks) make it, with its state, controls
// and handlers in reach: they set a board up, press a control's handler directly and look at
// what each control shows. The window keeps these to itself; this is the one way in, and only
// the tests' and the benchmarks' code includes it.
class frmMainInside : public frmMain {
public:
    using frmMain::frmMain;

    // Handlers and the game's steps.
    using frmMain::pctNew_Click;
    using frmMain::pctOk_Click;
    using frmMain::pctSound_Click;
    using frmMain::ResolveClick;
    using frmMain::RunShiftEvent;
    using frmMain::Timer1_Timer;

    // The game's state, the pictures and the palette.
    using frmMain::board;
    using frmMain::changes;
    using frmMain::pctPiece;
    using frmMain::pictures;
    using frmMain::shifts;
    using frmMain::table;

    // The controls of every screen.
    using frmMain::imgScore;
    using frmMain::pctAbout;
    using frmMain::pctAboutText;
    using frmMain::pctBoard;
    using frmMain::pctColumnShifts;
    using frmMain::pctColumnShiftsSelection;
    using frmMain::pctEvents;
    using frmMain::pctExit;
    using frmMain::pctGameOver;
    using frmMain::pctHelp;
    using frmMain::pctHelpText;
    using frmMain::pctHighScores;
    using frmMain::pctMines;
    using frmMain::pctMinesSelection;
    using frmMain::pctNew;
    using frmMain::pctOk;
    using frmMain::pctRowShifts;
    using frmMain::pctRowShiftsSelection;
    using frmMain::pctSet;
    using frmMain::pctSound;
    using frmMain::pctTolm;
    using frmMain::pctUndo;
    using frmMain::pctVersion;

    using frmMain::keys;
    using frmMain::scaleFactor;
    using frmMain::shownOptions;
    using frmMain::showOptions;
    using frmMain::Timer1;
    using frmMain::windowSize;
};

} // namespace mirel::testing
