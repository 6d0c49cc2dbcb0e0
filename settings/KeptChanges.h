#pragma once

#include "scores/HighScoreTable.h"
#include "scores/ScoreChanges.h"
#include "settings/Options.h"
#include "settings/StoreFile.h"

namespace mirel {

// What a copy of the game keeps beside the store when it cannot save: in the section
// "Settings", the switches it changed since its last save, under the store's own keys; in the
// section "Scores", its changes to the table in order (Reset=1 when it emptied the table
// first, then ScoreN, NameN and, for a score saved before under another name, SavedN, for N
// from 1).
StoreEntries keptChanges(const Options& options, const Options& basis,
                         const ScoreChanges& changes, const HighScoreTable& table);

// Applies the table's part of what another copy kept onto `into`, as its save would have.
void replayKept(const StoreEntries& kept, HighScoreTable& into);

} // namespace mirel
