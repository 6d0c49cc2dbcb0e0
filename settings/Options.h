#pragma once

#include "board/PieceSet.h"

#include <cstdint>

namespace mirel {

// How large the main window is drawn: the factor its layout is drawn at when it is neither
// maximized nor full-screen (1 is the size it opens with), and whether it is either.
struct WindowSize {
    double factor = 1;
    bool maximized = false;
    bool fullScreen = false;
    friend bool operator==(const WindowSize&, const WindowSize&) = default;
};

// The five options as the switches show them.
struct Options {
    bool rowShifts = false;
    bool columnShifts = false;
    bool mines = false;
    bool sound = false;
    PieceSet set = PieceSet::Balls;
    friend bool operator==(const Options&, const Options&) = default;
};

enum class OptionSwitch : std::int16_t { Sound, Set, Mines, RowShifts, ColumnShifts };

// What a click on a switch makes of the options: the set goes round 1, 2, 3, 1; the others
// flip. Switching one kind of timed shift on switches the other off; switching one off leaves
// the other alone, so clicks alone never leave both on (a stored pair may, and is kept).
Options afterClick(Options options, OptionSwitch clicked);

// What a save writes when another copy may have saved its own options since: each switch this
// copy changed since `basis` (what it last read or saved) as it is here, every other one as
// `stored` holds it now.
Options mergeSwitches(const Options& stored, const Options& basis, const Options& mine);

} // namespace mirel
