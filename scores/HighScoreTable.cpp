#include "scores/HighScoreTable.h"

#include <algorithm>
#include <tuple>
#include <utility>
#include <vector>

namespace mirel {

std::int16_t rankNewScore(HighScoreTable& table, std::int32_t score) {
    table.NewHighScoreRank = 0;
    for (std::int16_t r = 1; r <= TableSize; ++r) {
        if (score < table.HighScores[r]) continue;
        for (std::int16_t j = TableSize; j >= r + 1; --j) {
            table.HighScoreNames[j] = std::move(table.HighScoreNames[j - 1]);
            table.HighScores[j] = table.HighScores[j - 1];
            table.ids[j] = std::move(table.ids[j - 1]);
        }
        table.HighScoreNames[r].clear();
        table.ids[r].clear();
        table.HighScores[r] = score;
        table.NewHighScoreRank = r;
        break;
    }
    return table.NewHighScoreRank;
}

void putInOrder(HighScoreTable& table) {
    std::vector<std::tuple<std::int32_t, std::string, std::string>> rows;
    for (std::int16_t r = 1; r <= TableSize; ++r)
        rows.emplace_back(table.HighScores[r], std::move(table.HighScoreNames[r]),
                          std::move(table.ids[r]));
    std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
        return std::get<0>(a) > std::get<0>(b);
    });
    for (std::int16_t r = 1; r <= TableSize; ++r)
        std::tie(table.HighScores[r], table.HighScoreNames[r], table.ids[r]) =
            std::move(rows[r - 1]);
}

void ClearHighScores(HighScoreTable& table) {
    for (std::int16_t r = 1; r <= TableSize; ++r) {
        table.HighScoreNames[r].clear();
        table.ids[r].clear();
        table.HighScores[r] = 0;
    }
}

} // namespace mirel
