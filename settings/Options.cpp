#include "settings/Options.h"

namespace mirel {

Options afterClick(Options options, OptionSwitch clicked) {
    switch (clicked) {
    case OptionSwitch::Sound:
        options.sound = !options.sound;
        break;
    case OptionSwitch::Set:
        options.set = options.set == PieceSet::Balls   ? PieceSet::Boxes
                      : options.set == PieceSet::Boxes ? PieceSet::Faces
                                                       : PieceSet::Balls;
        break;
    case OptionSwitch::Mines:
        options.mines = !options.mines;
        break;
    case OptionSwitch::RowShifts:
        options.rowShifts = !options.rowShifts;
        if (options.rowShifts) options.columnShifts = false;
        break;
    case OptionSwitch::ColumnShifts:
        options.columnShifts = !options.columnShifts;
        if (options.columnShifts) options.rowShifts = false;
        break;
    }
    return options;
}

Options mergeSwitches(const Options& stored, const Options& basis, const Options& mine) {
    Options merged = stored;
    if (mine.sound != basis.sound) merged.sound = mine.sound;
    if (mine.set != basis.set) merged.set = mine.set;
    if (mine.mines != basis.mines) merged.mines = mine.mines;
    if (mine.rowShifts != basis.rowShifts) merged.rowShifts = mine.rowShifts;
    if (mine.columnShifts != basis.columnShifts) merged.columnShifts = mine.columnShifts;
    return merged;
}

} // namespace mirel
