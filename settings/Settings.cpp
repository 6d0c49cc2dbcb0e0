#include "settings/Settings.h"

#include "settings/KeptChanges.h"
#include "settings/StoredValues.h"

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

void loadTable(SettingsStore& store, HighScoreTable& table) {
    Options unused;
    for (const StoredKey& key : storedKeys())
        if (key.kind != StoredKey::Switch) readKey(store, key, unused, table);
}

void writeSettings(SettingsStore& store, const Options& options, const HighScoreTable& table) {
    for (const StoredKey& key : storedKeys())
        store.write(key.name, written(key, options, table));
}

} // namespace

const std::vector<StoredKey>& storedKeys() {
    static const std::vector<StoredKey> keys = makeStoredKeys();
    return keys;
}

void loadSettings(SettingsStore& store, Options& options, HighScoreTable& table) {
    for (const StoredKey& key : storedKeys())
        readKey(store, key, options, table);
}

bool saveSettings(SettingsStore& store, const Options& options, const HighScoreTable& table) {
    return store.save([&] { writeSettings(store, options, table); });
}

SettingsStore::Outcome saveSettings(SettingsStore& store, const Options& options, Options& basis,
                                    ScoreChanges& changes, const HighScoreTable& table,
                                    const WindowSize* window) {
    const SettingsStore::Outcome outcome = store.save(
        [&] {
            Options now;
            HighScoreTable stored;
            loadSettings(store, now, stored);
            for (const StoreEntries& kept : store.keptByOthers())
                replayKept(kept, stored);
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
