#pragma once

#include "scores/HighScoreTable.h"
#include "settings/StoreFile.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace mirel {

// What this copy of the game has done to the table since it last saved, as changes that give
// the same table however often they are applied, so that no copy can lose or double a score by
// applying another's twice. Each score ranked here gets an identity, "<time>-<16 hex digits>",
// kept beside its row: a score whose identity is in the table already is not entered again. A
// Reset is a time too, and empties only the rows older than that. Times are ms since 1970, but
// always later than every time the table holds, so that a clock set back files nothing before
// what it follows. A row without an identity (one a hand or an older copy of the game wrote) is
// one row like any other.
class ScoreChanges {
public:
    // Ranks a finished game's score in `table` as rankNewScore does, and remembers it.
    std::int16_t rank(HighScoreTable& table, std::int32_t score);
    // Empties `table` as ClearHighScores does, and remembers when.
    void reset(HighScoreTable& table);

    // The changes, names as `table` has them now, as entries of the store's own text:
    // "Reset" (its time), and for each score "Score/<id>", "Name/<id>" and, once saved,
    // "Saved/<id>" (the name as saved). What a copy that cannot save keeps aside.
    StoreEntries records(const HighScoreTable& table) const;
    // Applies records() onto `into`; other entries are passed over.
    static void replay(HighScoreTable& into, const StoreEntries& records);

    // `stored` (put in order) with the changes applied. Of equal scores the newer ranks higher.
    HighScoreTable onto(HighScoreTable stored, const HighScoreTable& table) const;
    // Makes `table` what a save would write onto `stored`; NewHighScoreRank follows its row.
    void refresh(HighScoreTable& table, const HighScoreTable& stored);
    // After onto(..., table) has been saved: the changes are in the store.
    void saved(const HighScoreTable& table);

    // A row's identity as stored, with a check of the row's name and score ("" for none).
    static std::string storedId(const HighScoreTable& table, std::int16_t row);
    // Gives each row of `table` the identity among `stored` whose check fits its name and
    // score. One an older copy moved beside another row fits none, and is dropped.
    static void attachIds(HighScoreTable& table, const std::vector<std::string>& stored);

private:
    std::map<std::string, std::optional<std::string>> own; // identity -> name as last saved
    std::int64_t resetAt = 0; // a Reset not saved yet
};

} // namespace mirel
