#pragma once

#include "settings/SettingsStore.h"

#include <map>
#include <string>
#include <vector>

namespace mirel::testing {

// A settings store in memory that records the order of every read and write.
class MemorySettingsStore final : public SettingsStore {
public:
    std::string read(const std::string& key, const std::string& fallback) override {
        reads.push_back(key);
        const auto found = values.find(key);
        return found == values.end() ? fallback : found->second;
    }
    void write(const std::string& key, const std::string& value) override {
        writes.push_back(key);
        unsaved[key] = value;
    }
    bool reload() override { return !failReads; }
    Outcome save(const std::function<void()>& writeAll, const StoreEntries&) override {
        ++saves;
        if (!failReads) writeAll();
        if (!failReads && !failSaves)
            for (auto& [key, value] : unsaved)
                values[key] = value;
        unsaved.clear();
        return failReads || failSaves ? Outcome::Failed : Outcome::Saved;
    }

    std::map<std::string, std::string> values;
    std::map<std::string, std::string> unsaved;
    std::vector<std::string> reads;
    std::vector<std::string> writes;
    int saves = 0;
    bool failSaves = false;
    bool failReads = false;
};

} // namespace mirel::testing
