#pragma once

#include <string>

namespace mirel {

// Where the options and the high scores are kept between runs: text values under fixed keys.
// The game reads every key once at start-up and writes every key when its window closes.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text of `key`, or `fallback` when the store holds no such key.
    virtual std::string read(const std::string& key, const std::string& fallback) = 0;
    virtual void write(const std::string& key, const std::string& value) = 0;
    // Makes the writes since the last save lasting: all of them, or none, leaving what was
    // stored before untouched. False when they could not be made.
    virtual bool save() = 0;
};

} // namespace mirel
