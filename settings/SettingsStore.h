#pragma once

#include <functional>
#include <string>
#include <vector>

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

    // How a save that may keep its changes aside went.
    enum class Outcome { Saved, Kept, Failed };
    // As save(writeAll), but when another copy holds the store, the lines `kept` (changes
    // that give the same result however often they are applied) are kept durably beside it
    // instead, for this copy's next save, or any copy's once this one has ended.
    virtual Outcome save(const std::function<void()>& writeAll, const std::vector<std::string>& kept) {
        (void)kept;
        return save(writeAll) ? Outcome::Saved : Outcome::Failed;
    }
    // Inside writeAll: the lines copies that have ended kept and never saved, oldest first.
    virtual std::vector<std::string> keptByOthers() { return {}; }
    // Whether copies that have ended left changes to merge.
    virtual bool othersKeptChanges() { return false; }
};

} // namespace mirel
