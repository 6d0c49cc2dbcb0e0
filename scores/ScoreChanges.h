#pragma once

#include "scores/HighScoreTable.h"

#include <cstdint>
#include <string>
#include <vector>

namespace mirel {

// What this copy of the game has done to the table since it last saved: the scores it ranked
// and the Reset it made, in order. Another copy may have saved its own scores meanwhile, so a
// save applies these onto the table stored at that moment instead of writing this copy's table
// over it. The names come from the rows of this copy's table, where the name entry types them.
class ScoreChanges {
public:
    // Ranks a finished game's score in `table` as rankNewScore does, and remembers it.
    std::int16_t rank(HighScoreTable& table, std::int32_t score);
    // Empties `table` as ClearHighScores does, and remembers it.
    void reset(HighScoreTable& table);

    // `stored` (put in order) with the changes applied in the order they were made. A new score
    // ranks as it would have here, above the equal ones already there; a score already saved
    // is not entered again, only its name brought up to date with `table`.
    HighScoreTable onto(HighScoreTable stored, const HighScoreTable& table) const;

    // Makes `table` what a save would write onto `stored`, so that a score is ranked, and the
    // table shown, against the other copies' scores too. NewHighScoreRank is kept.
    void refresh(HighScoreTable& table, const HighScoreTable& stored);

    // After onto(..., table) has been saved: nothing is to be entered again. A score whose name
    // may still be typed is kept until the next refresh, to carry the rest of its name.
    void saved(const HighScoreTable& table);

    // The changes as a save would apply them, names taken from `table`: for a copy that cannot
    // save now to keep aside, and for another copy to apply later with replay().
    struct Unsaved {
        std::int32_t score = 0;
        std::string name;
        bool stored = false; // already saved under `storedName`: only its name is brought up
        std::string storedName;
    };
    bool resetUnsaved() const { return resetFirst; }
    std::vector<Unsaved> unsaved(const HighScoreTable& table) const;
    // Applies changes another copy kept onto `into` (put in order), as onto() would have.
    static void replay(HighScoreTable& into, bool reset, const std::vector<Unsaved>& changes);

private:
    struct Ranked {
        std::int32_t score = 0;
        std::int16_t row = 0; // its row in this copy's table, 0 once it has left it
        std::string name;     // the name as last seen, for a row that has left the table
        bool stored = false;  // saved already, under `storedName`
        std::string storedName;
    };
    // Applies the changes onto `into`, and where `rows` is given, the row each ranked score
    // ends up in.
    void apply(HighScoreTable& into, const HighScoreTable& table,
               std::vector<std::int16_t>* rows) const;
    const std::string& nameOf(const Ranked& change, const HighScoreTable& table) const;

    bool resetFirst = false;
    std::vector<Ranked> ranked;
};

} // namespace mirel
