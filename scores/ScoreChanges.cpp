#include "scores/ScoreChanges.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <random>

namespace mirel {

namespace {

std::int64_t nowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

std::int64_t timeOf(const std::string& id) {
    return id.empty() ? 0 : std::strtoll(id.c_str(), nullptr, 10);
}

std::string check(const std::string& id, const std::string& name, std::int32_t score) {
    std::uint32_t hash = 2166136261u; // FNV-1a
    for (unsigned char c : id + '\n' + name + '\n' + std::to_string(score))
        hash = (hash ^ c) * 16777619u;
    char text[9];
    std::snprintf(text, sizeof text, "%08x", hash);
    return text;
}

void clearRow(HighScoreTable& table, std::int16_t r) {
    table.HighScoreNames[r].clear();
    table.HighScores[r] = 0;
    table.ids[r].clear();
}

} // namespace

std::int16_t ScoreChanges::rank(HighScoreTable& table, std::int32_t score) {
    const std::int16_t rank = rankNewScore(table, score);
    if (rank == 0) return 0;
    static std::mt19937_64 random{std::random_device{}()};
    char id[40];
    std::snprintf(id, sizeof id, "%lld-%016llx", static_cast<long long>(nowMs()),
                  static_cast<unsigned long long>(random()));
    table.ids[rank] = id;
    own[id] = std::nullopt;
    return rank;
}

void ScoreChanges::reset(HighScoreTable& table) {
    ClearHighScores(table);
    table.resetAt = resetAt = std::max(nowMs(), table.resetAt + 1);
}

StoreEntries ScoreChanges::records(const HighScoreTable& table) const {
    StoreEntries records;
    if (resetAt != 0) records["Reset"] = std::to_string(resetAt);
    for (std::int16_t r = 1; r <= TableSize; ++r) {
        const auto found = own.find(table.ids[r]);
        if (found == own.end() || found->second == table.HighScoreNames[r]) continue;
        records["Score/" + found->first] = std::to_string(table.HighScores[r]);
        records["Name/" + found->first] = table.HighScoreNames[r];
        if (found->second) records["Saved/" + found->first] = *found->second;
    }
    return records;
}

void ScoreChanges::replay(HighScoreTable& into, const StoreEntries& records) {
    const auto reset = records.find("Reset");
    if (const std::int64_t at = reset == records.end() ? 0 : timeOf(reset->second); at > into.resetAt) {
        // Every row older than the Reset goes, rows without an identity too.
        for (std::int16_t r = 1; r <= TableSize; ++r)
            if (timeOf(into.ids[r]) < at) clearRow(into, r);
        putInOrder(into);
        into.resetAt = at;
    }
    for (auto entry = records.upper_bound("Score/"); entry != records.end() && entry->first.rfind("Score/", 0) == 0; ++entry) {
        const std::string id = entry->first.substr(6);
        const auto name = records.find("Name/" + id), saved = records.find("Saved/" + id);
        std::int32_t score = -1;
        const std::string& number = entry->second;
        std::from_chars(number.data(), number.data() + number.size(), score);
        if (name == records.end() || score < 0 || timeOf(id) < into.resetAt) continue;
        std::int16_t at = 1;
        while (at <= TableSize && into.ids[at] != id) ++at;
        if (at <= TableSize) {
            // Only a name typed on after a save is brought up; what is there already stays.
            if (saved != records.end() && into.HighScoreNames[at] == saved->second)
                into.HighScoreNames[at] = name->second;
            continue;
        }
        if (saved != records.end()) continue; // a Reset or better scores took it from the store
        at = 1;
        while (at <= TableSize && (into.HighScores[at] > score ||
                                   (into.HighScores[at] == score && timeOf(into.ids[at]) > timeOf(id))))
            ++at;
        if (at > TableSize) continue;
        for (std::int16_t j = TableSize; j > at; --j) {
            into.HighScoreNames[j] = std::move(into.HighScoreNames[j - 1]);
            into.HighScores[j] = into.HighScores[j - 1];
            into.ids[j] = std::move(into.ids[j - 1]);
        }
        into.HighScoreNames[at] = name->second;
        into.HighScores[at] = score;
        into.ids[at] = id;
    }
}

HighScoreTable ScoreChanges::onto(HighScoreTable stored, const HighScoreTable& table) const {
    putInOrder(stored);
    replay(stored, records(table));
    return stored;
}

void ScoreChanges::refresh(HighScoreTable& table, const HighScoreTable& stored) {
    const std::string typing = table.NewHighScoreRank ? table.ids[table.NewHighScoreRank] : "";
    HighScoreTable merged = onto(stored, table);
    merged.NewHighScoreRank = 0;
    for (std::int16_t r = 1; r <= TableSize && !typing.empty(); ++r)
        if (merged.ids[r] == typing) merged.NewHighScoreRank = r;
    table = std::move(merged);
}

void ScoreChanges::saved(const HighScoreTable& table) {
    resetAt = 0;
    std::map<std::string, std::optional<std::string>> still;
    for (std::int16_t r = 1; r <= TableSize; ++r)
        if (own.count(table.ids[r])) still[table.ids[r]] = table.HighScoreNames[r];
    own = std::move(still);
}

std::string ScoreChanges::storedId(const HighScoreTable& table, std::int16_t row) {
    const std::string& id = table.ids[row];
    return id.empty() ? "" : id + '-' + check(id, table.HighScoreNames[row], table.HighScores[row]);
}

void ScoreChanges::attachIds(HighScoreTable& table, const std::vector<std::string>& stored) {
    table.ids.fill("");
    for (std::int16_t r = 1; r <= TableSize; ++r) {
        for (const std::string& value : stored) {
            const std::size_t dash = value.rfind('-');
            const std::string id = value.substr(0, dash == std::string::npos ? 0 : dash);
            if (id.empty() || std::find(table.ids.begin(), table.ids.end(), id) != table.ids.end() ||
                std::any_of(id.begin(), id.end(), [](char c) { return (unsigned char)c <= ' '; }) ||
                value.substr(dash + 1) != check(id, table.HighScoreNames[r], table.HighScores[r]))
                continue;
            table.ids[r] = id;
            break;
        }
    }
}

} // namespace mirel
