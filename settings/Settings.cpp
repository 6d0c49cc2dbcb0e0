#include "settings/Settings.h"

#include "settings/StoredValues.h"

#include <string>

namespace mirel {

namespace {

std::string nameKey(std::int16_t rank) {
    return "HighScoreName" + std::to_string(rank);
}

std::string scoreKey(std::int16_t rank) {
    return "HighScore" + std::to_string(rank);
}

bool readOnOff(SettingsStore& store, const std::string& key) {
    return readSwitch(store.read(key, "0"), 0) != 0;
}

void loadTable(SettingsStore& store, HighScoreTable& table) {
    for (std::int16_t rank = 1; rank <= TableSize; ++rank) {
        table.HighScoreNames[rank] = store.read(nameKey(rank), "");
        table.HighScores[rank] = readScore(store.read(scoreKey(rank), "0"));
    }
}

const char* onOff(bool on) {
    return on ? "1" : "0";
}

} // namespace

void loadSettings(SettingsStore& store, Options& options, HighScoreTable& table) {
    options.rowShifts = readOnOff(store, "RowShifts");
    options.columnShifts = readOnOff(store, "ColumnShifts");
    options.mines = readOnOff(store, "Mines");
    options.sound = readOnOff(store, "Sound");
    loadTable(store, table);
    switch (readSwitch(store.read("Set", "1"), 1)) {
    case 1:
        options.set = PieceSet::Balls;
        break;
    case 2:
        options.set = PieceSet::Boxes;
        break;
    default:
        options.set = PieceSet::Faces;
        break;
    }
}

WindowSize loadWindowSize(SettingsStore& store) {
    return readWindowSize(store.read("Window", "1"));
}

namespace {

void writeSettings(SettingsStore& store, const Options& options, const HighScoreTable& table,
                   const WindowSize* window = nullptr) {
    store.write("RowShifts", onOff(options.rowShifts));
    store.write("ColumnShifts", onOff(options.columnShifts));
    store.write("Mines", onOff(options.mines));
    store.write("Sound", onOff(options.sound));
    for (std::int16_t rank = 1; rank <= TableSize; ++rank) {
        store.write(nameKey(rank), table.HighScoreNames[rank]);
        store.write(scoreKey(rank), std::to_string(table.HighScores[rank]));
    }
    store.write("Set", options.set == PieceSet::Balls   ? "1"
                       : options.set == PieceSet::Boxes ? "2"
                                                        : "3");
    if (window) store.write("Window", writtenWindowSize(*window));
}

} // namespace

bool saveSettings(SettingsStore& store, const Options& options, const HighScoreTable& table) {
    return store.save([&] { writeSettings(store, options, table); });
}

namespace {

bool saveWithChanges(SettingsStore& store, const Options& options, ScoreChanges& changes,
                     const HighScoreTable& table, const WindowSize* window) {
    const bool saved = store.save([&] {
        HighScoreTable stored;
        loadTable(store, stored);
        writeSettings(store, options, changes.onto(stored, table), window);
    });
    if (saved) changes.saved(table);
    return saved;
}

} // namespace

bool saveSettings(SettingsStore& store, const Options& options, ScoreChanges& changes,
                  const HighScoreTable& table) {
    return saveWithChanges(store, options, changes, table, nullptr);
}

bool saveSettings(SettingsStore& store, const Options& options, ScoreChanges& changes,
                  const HighScoreTable& table, const WindowSize& window) {
    return saveWithChanges(store, options, changes, table, &window);
}

bool refreshTable(SettingsStore& store, ScoreChanges& changes, HighScoreTable& table) {
    if (!store.reload()) return false;
    HighScoreTable stored;
    loadTable(store, stored);
    changes.refresh(table, stored);
    return true;
}

} // namespace mirel
