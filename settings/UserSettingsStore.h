#pragma once

#include "settings/SettingsStore.h"

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
// leaves the defaults in play and is never written over. Every file is written one way: whole,
// to "Mirel.conf.new-<copy>", locked by its copy while open, synced, renamed into place, the
// folder synced; or nothing changes and standard error says why, once. Locks are the kernel's,
// which end with their holder. A save never waits: while another copy holds the store, its
// changes replace "Mirel.conf.kept-<copy>", locked while this copy runs, and any copy's save
// merges that file once its lock is free. Nothing is removed but files of those names whose
// lock is free, and never another user's.
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
    Outcome save(const std::function<void()>& writeAll, const StoreEntries& kept) override;
    std::vector<StoreEntries> keptByOthers() override { return others; }
    bool othersKeptChanges() override;

private:
    std::string realPath() const;
    std::string load(); // why the store cannot be read now, "" when it was
    bool keepAside(int folder, const std::string& base, const StoreEntries& kept);
    Outcome say(const std::string& line, Outcome outcome);
    Outcome failed(const std::string& why, Outcome outcome = Outcome::Failed);

    QString path;
    std::string copy; // this copy's random name
    int keptFd = -1;  // this copy's file of kept changes, locked while it is open
    StoreEntries lastKept;
    std::set<std::string> said;
    std::vector<StoreEntries> others; // during a save: what ended copies kept
    StoreEntries stored;  // every key of the file as last read, sections included
    StoreEntries unsaved; // keys of the section "Settings", set since the last save
};

} // namespace mirel
