#pragma once

#include "scores/HighScoreTable.h"
#include "settings/Options.h"
#include "settings/SettingsStore.h"

namespace mirel {

// Reads the options and ranks 1..10 of the table, in the game's order: row shifts, column
// shifts, mines, sound, then name and score of each rank, then the set. A missing key takes
// its default (set 1, everything else off, empty names with 0); so does a value that does not
// read as the key's kind of number.
void loadSettings(SettingsStore& store, Options& options, HighScoreTable& table);

// Writes every key, in the order they are read, and saves the store. False when the store
// could not be saved.
bool saveSettings(SettingsStore& store, const Options& options, const HighScoreTable& table);

} // namespace mirel
