#pragma once

#include "settings/SettingsStore.h"
#include "settings/StoreFile.h"

#include <QString>

#include <optional>

namespace mirel {

// The player's store: $XDG_CONFIG_HOME/Mirel/Mirel.conf (~/.config/... by default), values
// under the section "Settings", in the game's own plain-text format (StoreFile.h); other
// sections and keys in the file are kept as they are.
//
// A file that cannot be read in full - unreadable, not a plain file, larger than MaxFileBytes -
// leaves the defaults in play and is never written over. A save holds the lock file beside the
// store ("Mirel.conf.lock", which older copies of the game take too) while it reads the file
// afresh and replaces it in one piece (a temporary file renamed over it); or it changes
// nothing and says why on standard error.
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

private:
    // The whole file, or nothing when it cannot be read in full; a missing file is empty.
    std::optional<StoreEntries> readFile() const;

    QString path;
    StoreEntries stored;  // every key of the file as last read, sections included
    StoreEntries pending; // keys of the section "Settings"
};

} // namespace mirel
