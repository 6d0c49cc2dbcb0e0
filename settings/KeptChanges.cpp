#include "settings/KeptChanges.h"

#include "settings/Settings.h"
#include "settings/StoredValues.h"

#include <string>

namespace mirel {

namespace {

// Takes down what a save would write, under the keys it would write them.
class Recorder final : public SettingsStore {
public:
    std::string read(const std::string&, const std::string& fallback) override { return fallback; }
    void write(const std::string& key, const std::string& value) override { written[key] = value; }
    bool reload() override { return true; }
    bool save(const std::function<void()>& writeAll) override {
        writeAll();
        return true;
    }
    StoreEntries written;
};

StoreEntries written(const Options& options) {
    Recorder recorder;
    saveSettings(recorder, options, HighScoreTable{});
    return recorder.written;
}

const std::string Scores = "Scores/";

} // namespace

StoreEntries keptChanges(const Options& options, const Options& basis,
                         const ScoreChanges& changes, const HighScoreTable& table) {
    StoreEntries kept;
    const StoreEntries before = written(basis);
    for (const auto& [key, value] : written(options))
        if (before.at(key) != value) kept["Settings/" + key] = value;
    if (changes.resetUnsaved()) kept.emplace(Scores + "Reset", std::string(1, '1'));
    int n = 0;
    for (const ScoreChanges::Unsaved& change : changes.unsaved(table)) {
        const std::string at = std::to_string(++n);
        kept[Scores + "Score" + at] = std::to_string(change.score);
        kept[Scores + "Name" + at] = change.name;
        if (change.stored) kept[Scores + "Saved" + at] = change.storedName;
    }
    return kept;
}

void replayKept(const StoreEntries& kept, HighScoreTable& into) {
    std::vector<ScoreChanges::Unsaved> changes;
    for (int n = 1;; ++n) {
        const std::string at = std::to_string(n);
        const auto score = kept.find(Scores + "Score" + at);
        if (score == kept.end()) break;
        ScoreChanges::Unsaved change;
        change.score = readScore(score->second);
        const auto name = kept.find(Scores + "Name" + at);
        if (name != kept.end()) change.name = name->second;
        const auto saved = kept.find(Scores + "Saved" + at);
        change.stored = saved != kept.end();
        if (change.stored) change.storedName = saved->second;
        changes.push_back(std::move(change));
    }
    const auto reset = kept.find(Scores + "Reset");
    ScoreChanges::replay(into, reset != kept.end() && reset->second == "1", changes);
}

} // namespace mirel
