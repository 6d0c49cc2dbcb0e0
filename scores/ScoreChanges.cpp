#include "scores/ScoreChanges.h"

namespace mirel {

namespace {

// A new row at `rank` moves the rows at and below it down one; the tenth leaves the table.
void makeRoomAt(std::vector<std::int16_t>& rows, std::int16_t rank) {
    for (std::int16_t& row : rows)
        if (row != 0 && row >= rank)
            row = row == TableSize ? 0 : static_cast<std::int16_t>(row + 1);
}

} // namespace

std::int16_t ScoreChanges::rank(HighScoreTable& table, std::int32_t score) {
    const std::int16_t rank = rankNewScore(table, score);
    if (rank == 0) return 0;
    std::vector<std::int16_t> rows;
    for (const Ranked& change : ranked)
        rows.push_back(change.row);
    makeRoomAt(rows, rank);
    for (std::size_t i = 0; i < ranked.size(); ++i) {
        if (rows[i] == 0 && ranked[i].row != 0)
            ranked[i].name = table.HighScoreNames[ranked[i].row];
        ranked[i].row = rows[i];
    }
    ranked.push_back(Ranked{score, rank, {}, false, {}});
    return rank;
}

void ScoreChanges::reset(HighScoreTable& table) {
    ClearHighScores(table);
    // Whatever was ranked before is wiped by the Reset wherever it is applied.
    ranked.clear();
    resetFirst = true;
}

const std::string& ScoreChanges::nameOf(const Ranked& change, const HighScoreTable& table) const {
    return change.row != 0 ? table.HighScoreNames[change.row] : change.name;
}

namespace {

// The row of a score already in the store, 0 when another copy's scores pushed it out or a
// Reset took it.
std::int16_t storedRow(const HighScoreTable& table, std::int32_t score, const std::string& name) {
    for (std::int16_t r = 1; r <= TableSize; ++r)
        if (table.HighScores[r] == score && table.HighScoreNames[r] == name) return r;
    return 0;
}

} // namespace

void ScoreChanges::apply(HighScoreTable& into, const HighScoreTable& table,
                         std::vector<std::int16_t>* rows) const {
    putInOrder(into);
    if (resetFirst) ClearHighScores(into);
    if (rows) rows->clear();
    for (const Ranked& change : ranked) {
        std::int16_t at = 0;
        if (change.stored) {
            // Already in the store: find it there, unless another copy's scores pushed it out or
            // a Reset took it, and give it the name as it stands.
            at = storedRow(into, change.score, change.storedName);
        } else {
            at = rankNewScore(into, change.score);
            if (rows && at != 0) makeRoomAt(*rows, at);
        }
        if (at != 0) into.HighScoreNames[at] = nameOf(change, table);
        if (rows) rows->push_back(at);
    }
}

HighScoreTable ScoreChanges::onto(HighScoreTable stored, const HighScoreTable& table) const {
    const std::int16_t newRank = stored.NewHighScoreRank;
    apply(stored, table, nullptr);
    stored.NewHighScoreRank = newRank;
    return stored;
}

void ScoreChanges::refresh(HighScoreTable& table, const HighScoreTable& stored) {
    HighScoreTable merged = stored;
    std::vector<std::int16_t> rows;
    apply(merged, table, &rows);
    merged.NewHighScoreRank = table.NewHighScoreRank;
    for (std::size_t i = 0; i < ranked.size(); ++i) {
        ranked[i].name = nameOf(ranked[i], table);
        ranked[i].row = rows[i];
    }
    table = std::move(merged);
    // A refresh comes only when no name is being typed, so a score saved under the name it has
    // now has nothing left to carry.
    std::erase_if(ranked, [](const Ranked& change) {
        return change.stored && change.storedName == change.name;
    });
}

std::vector<ScoreChanges::Unsaved> ScoreChanges::unsaved(const HighScoreTable& table) const {
    std::vector<Unsaved> changes;
    for (const Ranked& change : ranked)
        changes.push_back(Unsaved{change.score, nameOf(change, table), change.stored,
                                  change.storedName});
    return changes;
}

void ScoreChanges::replay(HighScoreTable& into, bool reset, const std::vector<Unsaved>& changes) {
    putInOrder(into);
    if (reset) ClearHighScores(into);
    for (const Unsaved& change : changes) {
        std::int16_t at = 0;
        if (change.stored) {
            at = storedRow(into, change.score, change.storedName);
        } else {
            const std::int16_t newRank = into.NewHighScoreRank;
            at = rankNewScore(into, change.score);
            into.NewHighScoreRank = newRank;
        }
        if (at != 0) into.HighScoreNames[at] = change.name;
    }
}

void ScoreChanges::saved(const HighScoreTable& table) {
    resetFirst = false;
    for (Ranked& change : ranked) {
        change.name = nameOf(change, table);
        change.stored = true;
        change.storedName = change.name;
    }
}

} // namespace mirel
