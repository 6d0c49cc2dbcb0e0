#pragma once

#include "scores/HighScoreTable.h"
#include "scores/ScoreChanges.h"
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

// The game's save: every key as above, with these options and, for the table, the one the
// store holds at that moment with this copy's changes since its last save applied onto it.
// The changes then count as saved. False, the changes kept for the next save, when the store
// could not be saved.
bool saveSettings(SettingsStore& store, const Options& options, ScoreChanges& changes,
                  const HighScoreTable& table);
// The same, and the window's size with them (the save above leaves it as stored).
bool saveSettings(SettingsStore& store, const Options& options, ScoreChanges& changes,
                  const HighScoreTable& table, const WindowSize& window);

// The window's size as stored: the size the game opens with when there is none, or when what
// is stored does not read as one.
WindowSize loadWindowSize(SettingsStore& store);

// Brings `table` up to date with what the store holds now, this copy's unsaved changes applied
// onto it. False, `table` left as it is, when the store cannot be read.
bool refreshTable(SettingsStore& store, ScoreChanges& changes, HighScoreTable& table);

} // namespace mirel
