#pragma once

#include "settings/StoreFile.h"

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

    // How a save went: Saved; Kept beside the store, for a later save, while another copy
    // holds it; Held by another copy and not kept either (worth trying again); Failed.
    enum class Outcome { Saved, Kept, Held, Failed };
    // Reads what is stored now, runs `writeAll` (whose read()s see it) and makes its write()s
    // lasting: all of them, or none, leaving what was stored before untouched. No other copy's
    // save comes between the reading and the writing. When another copy holds the store,
    // `kept` (changes that give the same result however often they are applied) is kept
    // durably beside it instead, for this copy's next save, or any copy's once this one ended.
    virtual Outcome save(const std::function<void()>& writeAll, const StoreEntries& kept) = 0;
    // Inside writeAll: what each copy that has ended kept and never saved.
    virtual std::vector<StoreEntries> keptByOthers() { return {}; }
    // Whether copies that have ended left changes to merge.
    virtual bool othersKeptChanges() { return false; }
};

} // namespace mirel
