#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace mirel {

constexpr std::int16_t TableSize = 10;

// The ten best scores with their names, rank 1 the best; slot 0 is unused. Both windows
// share one table, which lives as long as the main window.
struct HighScoreTable {
    std::array<std::string, TableSize + 1> HighScoreNames{};
    std::array<std::int32_t, TableSize + 1> HighScores{};
    // Each named score's identity (ScoreChanges.h), "" for a row that has none.
    std::array<std::string, TableSize + 1> ids{};
    // When the table was last emptied by a Reset, in ms since 1970; 0 when never.
    std::int64_t resetAt = 0;
    // The row whose name is still to be typed, 0 when there is none.
    std::int16_t NewHighScoreRank = 0;
};

// Ranks a finished game's score: the first rank whose score is less than or equal to it
// takes a new row with an empty name, so of equal scores the newest ranks highest; the rows
// below move down and the old tenth row is lost. A score below the tenth leaves the table as
// it is. Returns (and stores in NewHighScoreRank) the new row's rank, or 0.
std::int16_t rankNewScore(HighScoreTable& table, std::int32_t score);

// Puts the rows in order of their scores, best first, rows with equal scores keeping their
// order. A table the game kept is in order already; one edited by hand may not be, and a new
// score must never rank above a better one.
void putInOrder(HighScoreTable& table);

// Ten empty names with the score 0.
void ClearHighScores(HighScoreTable& table);

} // namespace mirel
