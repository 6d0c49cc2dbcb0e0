#include "settings/Settings.h"

#include "settings/StoredValues.h"

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <string>

namespace mirel {

namespace {

std::vector<StoredKey> makeStoredKeys() {
    // An option switch: off when missing, any number but 0 reads on.
    std::vector<StoredKey> keys{
        {"RowShifts", StoredKey::Switch, 0, 0, 1, 1,
         [](const Options& o) -> std::int16_t { return o.rowShifts; },
         [](Options& o, std::int16_t v) { o.rowShifts = v != 0; }},
        {"ColumnShifts", StoredKey::Switch, 0, 0, 1, 1,
         [](const Options& o) -> std::int16_t { return o.columnShifts; },
         [](Options& o, std::int16_t v) { o.columnShifts = v != 0; }},
        {"Mines", StoredKey::Switch, 0, 0, 1, 1,
         [](const Options& o) -> std::int16_t { return o.mines; },
         [](Options& o, std::int16_t v) { o.mines = v != 0; }},
        {"Sound", StoredKey::Switch, 0, 0, 1, 1,
         [](const Options& o) -> std::int16_t { return o.sound; },
         [](Options& o, std::int16_t v) { o.sound = v != 0; }},
    };
    for (std::int16_t rank = 1; rank <= TableSize; ++rank) {
        keys.push_back({"HighScoreName" + std::to_string(rank), StoredKey::Name});
        keys.back().rank = rank;
        keys.push_back({"HighScore" + std::to_string(rank), StoredKey::Score});
        keys.back().rank = rank;
    }
    // The set: 1 when missing, any number beyond 1..3 reads as the faces.
    keys.push_back({"Set", StoredKey::Switch, 1, 1, 3, 3,
                    [](const Options& o) { return std::int16_t(o.set); },
                    [](Options& o, std::int16_t v) { o.set = PieceSet(v); }});
    return keys;
}

void readKey(SettingsStore& store, const StoredKey& key, Options& options,
             HighScoreTable& table) {
    switch (key.kind) {
    case StoredKey::Switch: {
        const std::int16_t value = readSwitch(store.read(key.name, std::to_string(key.byDefault)), key.byDefault);
        key.set(options, value < key.low || value > key.high ? key.outside : value);
        break;
    }
    case StoredKey::Name:
        table.HighScoreNames[key.rank] = store.read(key.name, "");
        break;
    case StoredKey::Score:
        table.HighScores[key.rank] = readScore(store.read(key.name, "0"));
        break;
    }
}

std::string written(const StoredKey& key, const Options& options, const HighScoreTable& table) {
    switch (key.kind) {
    case StoredKey::Switch:
        return std::to_string(key.get(options));
    case StoredKey::Name:
        return table.HighScoreNames[key.rank];
    case StoredKey::Score:
        return std::to_string(table.HighScores[key.rank]);
    }
    return {};
}

// Each row's identity and the time of the last Reset, under keys of their own that copies of
// the game before them keep where they stand.
void readIdentities(SettingsStore& store, HighScoreTable& table) {
    std::vector<std::string> ids;
    for (std::int16_t rank = 1; rank <= TableSize; ++rank)
        ids.push_back(store.read("HighScoreId" + std::to_string(rank), ""));
    ScoreChanges::attachIds(table, ids);
    const std::string reset = store.read("HighScoresReset", "0");
    table.resetAt = std::max<long long>(0, std::strtoll(reset.c_str(), nullptr, 10));
}

void loadTable(SettingsStore& store, HighScoreTable& table) {
    Options unused;
    for (const StoredKey& key : storedKeys())
        if (key.kind != StoredKey::Switch) readKey(store, key, unused, table);
    readIdentities(store, table);
}

void writeSettings(SettingsStore& store, const Options& options, const HighScoreTable& table) {
    for (const StoredKey& key : storedKeys())
        store.write(key.name, written(key, options, table));
    // A row without one leaves no key behind, or blanks one that was there.
    for (std::int16_t rank = 1; rank <= TableSize; ++rank) {
        const std::string key = "HighScoreId" + std::to_string(rank);
        const std::string id = ScoreChanges::storedId(table, rank);
        if (!id.empty() || !store.read(key, "").empty()) store.write(key, id);
    }
    if (table.resetAt != 0) store.write("HighScoresReset", std::to_string(table.resetAt));
}

// What a copy that cannot save keeps aside: its changes to the table, and each switch it
// changed as "Set/<key>" = "<value it started from> <value>", which a save applies only where
// the store still holds the value it started from.
StoreEntries keptChanges(const Options& options, const Options& basis, const ScoreChanges& changes,
                         const HighScoreTable& table) {
    StoreEntries kept = changes.records(table);
    for (const StoredKey& key : storedKeys())
        if (key.kind == StoredKey::Switch && key.get(options) != key.get(basis))
            kept["Set/" + key.name] = std::to_string(key.get(basis)) + ' ' + std::to_string(key.get(options));
    return kept;
}

void replaySwitches(const StoreEntries& kept, Options& options) {
    for (const StoredKey& key : storedKeys()) {
        const auto found = kept.find("Set/" + key.name);
        int from = 0, to = 0;
        if (key.kind == StoredKey::Switch && found != kept.end() &&
            std::sscanf(found->second.c_str(), "%d %d", &from, &to) == 2 && key.get(options) == from &&
            to >= key.low && to <= key.high)
            key.set(options, std::int16_t(to));
    }
}

} // namespace

const std::vector<StoredKey>& storedKeys() {
    static const std::vector<StoredKey> keys = makeStoredKeys();
    return keys;
}

void loadSettings(SettingsStore& store, Options& options, HighScoreTable& table) {
    for (const StoredKey& key : storedKeys())
        readKey(store, key, options, table);
    readIdentities(store, table);
}

bool saveSettings(SettingsStore& store, const Options& options, const HighScoreTable& table) {
    return store.save([&] { writeSettings(store, options, table); }, {}) == SettingsStore::Outcome::Saved;
}

SettingsStore::Outcome saveSettings(SettingsStore& store, const Options& options, Options& basis,
                                    ScoreChanges& changes, const HighScoreTable& table,
                                    const WindowSize* window) {
    const SettingsStore::Outcome outcome = store.save(
        [&] {
            Options now;
            HighScoreTable stored;
            loadSettings(store, now, stored);
            for (const StoreEntries& kept : store.keptByOthers()) {
                replaySwitches(kept, now);
                ScoreChanges::replay(stored, kept);
            }
            writeSettings(store, mergeSwitches(now, basis, options), changes.onto(stored, table));
            if (window) store.write("Window", writtenWindowSize(*window));
        },
        keptChanges(options, basis, changes, table));
    if (outcome == SettingsStore::Outcome::Saved) {
        changes.saved(table);
        basis = options;
    }
    return outcome;
}

WindowSize loadWindowSize(SettingsStore& store) {
    return readWindowSize(store.read("Window", "1"));
}

bool refreshTable(SettingsStore& store, ScoreChanges& changes, HighScoreTable& table) {
    if (!store.reload()) return false;
    HighScoreTable stored;
    loadTable(store, stored);
    changes.refresh(table, stored);
    return true;
}

} // namespace mirel
