#pragma once

#include "settings/SettingsStore.h"
#include "settings/StoreFile.h"

#include <QSet>
#include <QString>

#include <optional>
#include <vector>

namespace mirel {

// The player's store: $XDG_CONFIG_HOME/Mirel/Mirel.conf (~/.config/... by default), values
// under the section "Settings", in the game's own plain-text format (StoreFile.h); other
// sections and keys in the file are kept as they are.
//
// A file that cannot be read in full - unreadable, not a plain file, larger than MaxFileBytes -
// leaves the defaults in play and is never written over. A save holds the lock file beside the
// store's real file, symbolic links followed ("Mirel.conf.lock", which older copies of the game
// take too), while it reads the file afresh and replaces it in one piece (a temporary file
// renamed over it, the folder synced after); or it changes nothing and says why on standard
// error. A save never waits for the lock longer than a moment (a second when the program
// ends): when it cannot have it, it keeps its changes in "Mirel.conf.pending-<pid>-<start>"
// beside the store, which it replaces at each such save and removes once it has saved, and
// which the next save of any copy merges once this copy has ended. Leftovers that are no lock
// of a running copy (an empty or unreadable lock or ".rmlock", one a dead copy left, a folder
// or a link in its place) are removed, and so are temporary files a killed save left.
class UserSettingsStore final : public SettingsStore {
public:
    // The game writes well under a kilobyte. A larger file is not a store it wrote, and
    // reading one costs start-up time out of all proportion (tens of milliseconds at this
    // size, seconds at 50 MB).
    static constexpr qint64 MaxFileBytes = 256 * 1024;

    UserSettingsStore();
    explicit UserSettingsStore(const QString& filePath);

    static QString defaultFilePath();
    const QString& filePath() const { return path; }

    std::string read(const std::string& key, const std::string& fallback) override;
    void write(const std::string& key, const std::string& value) override;
    bool reload() override;
    bool save(const std::function<void()>& writeAll) override;
    Outcome save(const std::function<void()>& writeAll, const StoreEntries& kept) override;
    std::vector<StoreEntries> keptByOthers() override { return others; }
    bool othersKeptChanges() override;
    void ending() override { lockWaitMs = 1000; }

private:
    // The whole file, or nothing when it cannot be read in full; a missing file is empty.
    std::optional<StoreEntries> readFile() const;
    // The store's real file: symbolic links to it and its folder followed.
    QString realPath() const;
    // Removes what stands in the lock's way and belongs to no running copy.
    void clearLeftovers(const QString& real);
    // The files of kept changes beside `real` whose copies have ended.
    QStringList endedCopiesKept(const QString& real) const;
    void sayOnce(const QString& line);

    QString path;
    QString ownKept;
    int lockWaitMs = 100;
    bool keepAside = true;
    QSet<QString> said;
    std::vector<StoreEntries> others; // during a save: what ended copies kept
    StoreEntries stored;  // every key of the file as last read, sections included
    StoreEntries unsaved; // keys of the section "Settings", set since the last save
};

} // namespace mirel
