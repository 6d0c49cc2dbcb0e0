#include "settings/UserSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStorageInfo>

namespace mirel {

namespace {

const std::string Section = "Settings/";

// How long a save waits for another copy's save to finish. A save takes milliseconds; a
// lock held longer belongs to a copy that hangs, and a lock left by one that died is taken
// over at once.
constexpr int LockWaitMs = 5000;

// Why the file could not be read or written, as far as can be told from outside; `fallback`
// when nothing outside explains it.
QString troubleWith(const QString& path, bool writing, const QString& fallback) {
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (file.isDir()) return QStringLiteral("it is a folder");
    if (file.exists() && !file.isFile()) return QStringLiteral("it is not a plain file");
    if (file.exists() && file.size() > UserSettingsStore::MaxFileBytes)
        return QStringLiteral("it is larger than %1 KiB")
            .arg(UserSettingsStore::MaxFileBytes / 1024);
    if (file.exists() && !file.isReadable()) return QStringLiteral("it cannot be read");
    if (!writing) return fallback;
    if (folder.exists() && !folder.isDir()) return QStringLiteral("its folder is a file");
    if (file.exists() && !file.isWritable()) return QStringLiteral("it is read-only");
    if (folder.exists() && !folder.isWritable()) return QStringLiteral("its folder is read-only");
    const QStorageInfo disk(folder.absoluteFilePath());
    if (disk.isValid() && disk.bytesAvailable() == 0) return QStringLiteral("its disk is full");
    return fallback;
}

} // namespace

UserSettingsStore::UserSettingsStore() : UserSettingsStore(defaultFilePath()) {}

UserSettingsStore::UserSettingsStore(const QString& filePath) : path(filePath) {
    if (!reload())
        qWarning("Mirel: the settings in %s were not read (%s); playing with the defaults",
                 qUtf8Printable(QDir::toNativeSeparators(path)),
                 qUtf8Printable(troubleWith(path, false, QStringLiteral("it could not be read"))));
}

QString UserSettingsStore::defaultFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Mirel/Mirel.conf");
}

std::optional<StoreEntries> UserSettingsStore::readFile() const {
    const QFileInfo info(path);
    // A missing file is a first run. A folder, a named pipe or a device is no store: opening
    // one could block, and reading it never end.
    if (!info.exists() && !info.isSymLink()) return StoreEntries{};
    if (!info.isFile()) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const qint64 size = file.size();
    if (size > MaxFileBytes) return std::nullopt;
    const QByteArray text = file.read(size);
    if (text.size() != size || !file.atEnd()) return std::nullopt;
    return parseStoreFile(
        std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
}

bool UserSettingsStore::reload() {
    std::optional<StoreEntries> entries = readFile();
    if (entries) stored = std::move(*entries);
    return entries.has_value();
}

std::string UserSettingsStore::read(const std::string& name, const std::string& fallback) {
    const auto found = stored.find(Section + name);
    return found == stored.end() ? fallback : found->second;
}

void UserSettingsStore::write(const std::string& name, const std::string& value) {
    pending[name] = value;
}

bool UserSettingsStore::save(const std::function<void()>& writeAll) {
    QString trouble = QStringLiteral("it could not be written");
    const auto failed = [&] {
        pending.clear();
        qWarning("Mirel: the settings were not saved to %s (%s); the stored ones are left as "
                 "they were",
                 qUtf8Printable(QDir::toNativeSeparators(path)),
                 qUtf8Printable(troubleWith(path, true, trouble)));
        return false;
    };

    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) return failed();
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(LockWaitMs)) {
        if (lock.error() == QLockFile::LockFailedError)
            trouble = QStringLiteral("another copy of the game holds its lock");
        return failed();
    }
    std::optional<StoreEntries> now = readFile();
    if (!now) {
        trouble = QStringLiteral("it could not be read");
        return failed();
    }
    stored = std::move(*now);
    writeAll();
    StoreEntries entries = stored;
    for (const auto& [name, value] : pending)
        entries[Section + name] = value;

    const std::string text = formatStoreFile(entries);
    // Escaped, what was read can grow past what a start-up reads; such a file would be lost.
    if (qint64(text.size()) > MaxFileBytes) {
        trouble = QStringLiteral("it would be larger than %1 KiB").arg(MaxFileBytes / 1024);
        return failed();
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) != qint64(text.size()) ||
        !file.commit()) {
        trouble = file.errorString();
        return failed();
    }
    stored = std::move(entries);
    pending.clear();
    return true;
}

} // namespace mirel
