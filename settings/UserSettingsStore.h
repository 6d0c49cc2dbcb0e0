#pragma once

#include "settings/SettingsStore.h"
#include "settings/StoreFile.h"

#include <QString>

#include <set>
#include <string>
#include <vector>

namespace mirel {

// The player's store: $XDG_CONFIG_HOME/Mirel/Mirel.conf (~/.config/... by default), values
// under the section "Settings", in the game's own plain-text format (StoreFile.h); other
// sections and keys in the file are kept as they are.
//
// A file that cannot be read in full - unreadable, not a plain file, larger than MaxFileBytes -
// leaves the defaults in play and is never written over. A save holds a kernel lock (flock) on
// the folder of the store's real file, links followed, which ends with its holder and which no
// file can block; while it writes it also holds "Mirel.conf.lock" as copies of the game before
// this one take it (and takes one of theirs that names a running process of this machine as
// held). It reads the file afresh and replaces it in one piece: "Mirel.conf.new-<copy>"
// written, synced and renamed over it, the folder synced; or it changes nothing and says why on
// standard error, once. It never waits: when the store is held it appends its changes, each
// line checked, to "Mirel.conf.kept-<copy>", which it holds a kernel lock on while it runs and
// removes once it has saved; any copy's save merges such a file once its lock is free. The
// store removes no file but those of these patterns, and only its own user's.
class UserSettingsStore final : public SettingsStore {
public:
    // The game writes well under a kilobyte. A larger file is not a store it wrote, and
    // reading one costs start-up time out of all proportion.
    static constexpr long MaxFileBytes = 256 * 1024;

    UserSettingsStore();
    explicit UserSettingsStore(const QString& filePath);
    ~UserSettingsStore() override;

    static QString defaultFilePath();
    const QString& filePath() const { return path; }

    std::string read(const std::string& key, const std::string& fallback) override;
    void write(const std::string& key, const std::string& value) override;
    bool reload() override;
    bool save(const std::function<void()>& writeAll) override;
    Outcome save(const std::function<void()>& writeAll, const std::vector<std::string>& kept) override;
    std::vector<std::string> keptByOthers() override { return others; }
    bool othersKeptChanges() override;

private:
    std::string realPath() const;
    Outcome attempt(const std::function<void()>& writeAll, const std::vector<std::string>* kept);
    bool keepAside(const std::string& real, int folder, const std::vector<std::string>& kept);
    Outcome failed(const std::string& why);

    QString path;
    std::string copy;      // this copy's random name
    int keptFd = -1;       // this copy's file of kept changes, locked while it is open
    std::string keptPath;
    std::vector<std::string> lastKept;
    std::set<std::string> said;
    std::vector<std::string> others; // during a save: what ended copies kept
    StoreEntries stored;  // every key of the file as last read, sections included
    StoreEntries unsaved; // keys of the section "Settings", set since the last save
};

} // namespace mirel
