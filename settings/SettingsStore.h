#pragma once

#include <functional>
#include <string>

namespace mirel {

// Where the options and the high scores are kept between runs: text values under fixed keys.
// Two copies of the game may share one store, so a save reads what is stored at that moment
// and writes its changes onto it, kept apart from any other copy's save.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text of `key` as last read, or `fallback` when the store holds no such key.
    virtual std::string read(const std::string& key, const std::string& fallback) = 0;
    virtual void write(const std::string& key, const std::string& value) = 0;
    // Reads what is stored now. False when it cannot be read in full; what was read before
    // then stays.
    virtual bool reload() = 0;
    // Reads what is stored now, runs `writeAll` (whose read()s see it) and makes its write()s
    // lasting: all of them, or none, leaving what was stored before untouched. No other copy's
    // save comes between the reading and the writing. False when the writes could not be made.
    virtual bool save(const std::function<void()>& writeAll) = 0;
};

} // namespace mirel
