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

// An identity starts with the time it was made; no identity is older than any.
std::int64_t timeOf(const std::string& id) {
    return std::strtoll(id.c_str(), nullptr, 10);
}

// A time for something done now, after every time in `table`: a clock set back (or a copy on
// another machine whose clock runs ahead) never files a new score before a Reset it follows,
// nor a Reset before a row it empties.
std::int64_t nowAfter(const HighScoreTable& table) {
    std::int64_t latest = table.resetAt;
    for (std::int16_t r = 1; r <= TableSize; ++r) latest = std::max(latest, timeOf(table.ids[r]));
    return std::max(nowMs(), latest + (latest < INT64_MAX));
}

std::string check(const std::string& id, const std::string& name, std::int32_t score) {
    std::uint32_t hash = 2166136261u; // FNV-1a
    for (unsigned char c : id + '\n' + name + '\n' + std::to_string(score))
        hash = (hash ^ c) * 16777619u;
    char text[9];
    std::snprintf(text, sizeof text, "%08x", hash);
    return text;
}

} // namespace

std::int16_t ScoreChanges::rank(HighScoreTable& table, std::int32_t score) {
    static std::mt19937_64 random{std::random_device{}()};
    const std::int64_t at = nowAfter(table);
    const std::int16_t rank = rankNewScore(table, score);
    char id[40];
    std::snprintf(id, sizeof id, "%lld-%016llx", static_cast<long long>(at),
                  static_cast<unsigned long long>(random()));
    if (rank != 0) own[table.ids[rank] = id] = std::nullopt;
    return rank;
}

void ScoreChanges::reset(HighScoreTable& table) {
    const std::int64_t at = nowAfter(table);
    ClearHighScores(table);
    table.resetAt = resetAt = at;
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
    const auto record = [&](const std::string& key) {
        const auto found = records.find(key);
        return found == records.end() ? nullptr : &found->second;
    };
    // A Reset empties every row older than it, rows without an identity too.
    if (const std::string* reset = record("Reset"); reset && timeOf(*reset) > into.resetAt) {
        into.resetAt = timeOf(*reset);
        for (std::int16_t r = 1; r <= TableSize; ++r)
            if (timeOf(into.ids[r]) < into.resetAt) {
                into.HighScoreNames[r].clear();
                into.ids[r].clear();
                into.HighScores[r] = 0;
            }
        putInOrder(into);
    }
    for (auto entry = records.lower_bound("Score/"); entry != records.end() && entry->first.rfind("Score/", 0) == 0; ++entry) {
        const std::string id = entry->first.substr(6);
        const std::string *name = record("Name/" + id), *saved = record("Saved/" + id);
        std::int32_t score = -1;
        std::from_chars(entry->second.data(), entry->second.data() + entry->second.size(), score);
        if (!name || score < 0 || timeOf(id) < into.resetAt) continue;
        std::int16_t r = 1;
        while (r <= TableSize && into.ids[r] != id) ++r;
        // Of a row there, only a name typed on after a save is brought up. A row saved once
        // and gone was taken by a Reset or better scores.
        if (r <= TableSize && saved && into.HighScoreNames[r] == *saved) into.HighScoreNames[r] = *name;
        if (r <= TableSize || saved) continue;
        for (r = 1; r <= TableSize && (into.HighScores[r] > score ||
                                       (into.HighScores[r] == score && timeOf(into.ids[r]) > timeOf(id)));)
            ++r;
        if (r > TableSize) continue;
        std::move_backward(into.HighScoreNames.begin() + r, into.HighScoreNames.end() - 1, into.HighScoreNames.end());
        std::move_backward(into.HighScores.begin() + r, into.HighScores.end() - 1, into.HighScores.end());
        std::move_backward(into.ids.begin() + r, into.ids.end() - 1, into.ids.end());
        into.HighScoreNames[r] = *name;
        into.HighScores[r] = score;
        into.ids[r] = id;
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
    const auto row = std::find(merged.ids.begin() + 1, merged.ids.end(), typing) - merged.ids.begin();
    merged.NewHighScoreRank = !typing.empty() && row <= TableSize ? std::int16_t(row) : 0;
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
            if (!id.empty() && std::find(table.ids.begin(), table.ids.end(), id) == table.ids.end() &&
                std::none_of(id.begin(), id.end(), [](char c) { return (unsigned char)c <= ' '; }) &&
                value.substr(dash + 1) == check(id, table.HighScoreNames[r], table.HighScores[r])) {
                table.ids[r] = id;
                break;
            }
        }
    }
}

} // namespace mirel
