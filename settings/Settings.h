#pragma once

#include "scores/HighScoreTable.h"
#include "scores/ScoreChanges.h"
#include "settings/Options.h"
#include "settings/SettingsStore.h"

#include <cstdint>
#include <string>
#include <vector>

namespace mirel {

// One key the game stores. A whole number (a switch) reads `byDefault` when it is missing or
// not a whole number, and a number outside low..high as `outside`; an option's value lives
// where `get` and `set` say. A name reads as it is stored, "" when missing; a score as
// readScore reads it, 0 when missing. Names and scores are those of `rank` in the table.
struct StoredKey {
    enum Kind : std::uint8_t { Switch, Name, Score };
    std::string name;
    Kind kind = Switch;
    std::int16_t byDefault = 0, low = 0, high = 0, outside = 0;
    std::int16_t (*get)(const Options&) = nullptr;
    void (*set)(Options&, std::int16_t) = nullptr;
    std::int16_t rank = 0;
};

// Every key, one row each, in the order they are read and written: row shifts, column shifts,
// mines, sound, then name and score of ranks 1..10, then the set.
const std::vector<StoredKey>& storedKeys();

// Reads the options and ranks 1..10 of the table, every key of storedKeys() in its order. A
// missing key takes its default (set 1, everything else off, empty names with 0); so does a
// value that does not read as the key's kind of number.
void loadSettings(SettingsStore& store, Options& options, HighScoreTable& table);

// Writes every key, in the order they are read, and saves the store. False when the store
// could not be saved.
bool saveSettings(SettingsStore& store, const Options& options, const HighScoreTable& table);

// The game's save: every key as above, and each row's identity (HighScoreIdN) and the time of
// the last Reset (HighScoresReset). The switches are those the store holds at that moment,
// with the ones this copy changed since `basis` (what it last read or saved) as `options` has
// them; the table is the one the store holds, with what ended copies kept aside applied onto
// it, then this copy's changes since its last save. The changes then count as saved and
// `basis` becomes `options`. Kept or Failed leave them for the next save: Kept when they
// wait durably beside the store.
// With `window`, the window's size is written too; without, it is left as stored.
SettingsStore::Outcome saveSettings(SettingsStore& store, const Options& options, Options& basis,
                                    ScoreChanges& changes, const HighScoreTable& table,
                                    const WindowSize* window = nullptr);

// The window's size as stored: the size the game opens with when there is none, or when what
// is stored does not read as one.
WindowSize loadWindowSize(SettingsStore& store);

// Brings `table` up to date with what the store holds now, this copy's unsaved changes applied
// onto it. False, `table` left as it is, when the store cannot be read.
bool refreshTable(SettingsStore& store, ScoreChanges& changes, HighScoreTable& table);

} // namespace mirel
