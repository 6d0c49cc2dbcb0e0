#pragma once

#include "settings/SettingsStore.h"

#include <QString>

#include <map>
#include <string>

namespace mirel {

// The player's store: the file QSettings("Mirel", "Mirel") would use
// ($XDG_CONFIG_HOME/Mirel/Mirel.conf, ~/.config/... by default), values under the group
// "Settings", kept through QSettings but in the game's own plain-text format (StoreFile.h):
// Qt's own format decodes "@Variant(...)" values, and a hand-edited one a few hundred
// kilobytes long is enough to crash it.
//
// Everything stored is read when the store is made. A file that cannot be read in full -
// unreadable, a folder, larger than MaxFileBytes - leaves the defaults in play and is never
// written over. A save replaces the file in one piece (a temporary file renamed over it,
// under a lock file, so that two copies of the game saving together leave one of their two
// stores), or changes nothing and says why on standard error.
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
    bool save() override;

private:
    QString path;
    std::map<std::string, std::string> stored;
    std::map<std::string, std::string> pending;
};

} // namespace mirel
