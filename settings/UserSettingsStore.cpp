#include "settings/UserSettingsStore.h"

#include "settings/StoreFile.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>
#include <QMutex>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>

#include <optional>

namespace mirel {

namespace {

const QString Group = QStringLiteral("Settings");

// Files whose last read was refused. QSettings writes a file after a failed read all the
// same, with only the keys it could read, so the writer has to know.
struct Refusals {
    QMutex mutex;
    QSet<QString> paths;
};

Refusals& refusals() {
    static Refusals list;
    return list;
}

QString fileNameOf(QIODevice& device) {
    const auto* file = qobject_cast<QFileDevice*>(&device);
    return file ? QFileInfo(file->fileName()).absoluteFilePath() : QString();
}

bool readStoreFile(QIODevice& device, QSettings::SettingsMap& map) {
    const qint64 size = device.size();
    QByteArray text;
    if (size <= UserSettingsStore::MaxFileBytes) text = device.read(size);
    const bool whole = size <= UserSettingsStore::MaxFileBytes && text.size() == size;
    {
        QMutexLocker lock(&refusals().mutex);
        if (whole)
            refusals().paths.remove(fileNameOf(device));
        else
            refusals().paths.insert(fileNameOf(device));
    }
    if (!whole) return false;
    for (const auto& [key, value] : parseStoreFile(std::string_view(text.constData(), text.size())))
        map.insert(QString::fromStdString(key), QByteArray::fromStdString(value));
    return true;
}

bool writeStoreFile(QIODevice& device, const QSettings::SettingsMap& map) {
    const QString name = fileNameOf(device);
    {
        QMutexLocker lock(&refusals().mutex);
        // A file that has gone since holds nothing left to lose.
        if (refusals().paths.contains(name) && QFileInfo::exists(name)) return false;
    }
    StoreEntries entries;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const QVariant& value = it.value();
        const QByteArray bytes = value.typeId() == QMetaType::QByteArray
                                     ? value.toByteArray()
                                     : value.toString().toUtf8();
        entries[it.key().toStdString()] = bytes.toStdString();
    }
    const std::string text = formatStoreFile(entries);
    return device.write(text.data(), static_cast<qint64>(text.size())) ==
           static_cast<qint64>(text.size());
}

QSettings::Format storeFormat() {
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("conf"), readStoreFile, writeStoreFile);
    return format;
}

// Why the file could not be read or written, as far as can be told from outside.
QString troubleWith(const QString& path, bool writing) {
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (file.isDir()) return QStringLiteral("it is a folder");
    if (file.exists() && !file.isFile()) return QStringLiteral("it is not a plain file");
    if (file.exists() && file.size() > UserSettingsStore::MaxFileBytes)
        return QStringLiteral("it is larger than %1 KiB")
            .arg(UserSettingsStore::MaxFileBytes / 1024);
    if (file.exists() && !file.isReadable()) return QStringLiteral("it cannot be read");
    if (!writing) return QStringLiteral("it could not be read");
    if (folder.exists() && !folder.isDir()) return QStringLiteral("its folder is a file");
    if (file.exists() && !file.isWritable()) return QStringLiteral("it is read-only");
    if (folder.exists() && !folder.isWritable()) return QStringLiteral("its folder is read-only");
    return QStringLiteral("it could not be written");
}

QString key(const std::string& name) {
    return QString::fromStdString(name);
}

// A folder, or a named pipe or device that QSettings would block on opening or read without
// end. A missing file is fine: it is a first run.
bool somethingElseIsThere(const QString& path) {
    const QFileInfo file(path);
    return file.exists() && !file.isFile();
}

} // namespace

UserSettingsStore::UserSettingsStore() : UserSettingsStore(defaultFilePath()) {}

UserSettingsStore::UserSettingsStore(const QString& filePath) : path(filePath) {
    std::optional<QSettings> settings;
    if (!somethingElseIsThere(path)) settings.emplace(path, storeFormat());
    if (!settings || settings->status() != QSettings::NoError) {
        qWarning("Mirel: the settings in %s were not read (%s); playing with the defaults",
                 qUtf8Printable(QDir::toNativeSeparators(path)),
                 qUtf8Printable(troubleWith(path, false)));
        return;
    }
    settings->beginGroup(Group);
    for (const QString& name : settings->childKeys())
        stored[name.toStdString()] = settings->value(name).toByteArray().toStdString();
}

QString UserSettingsStore::defaultFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Mirel/Mirel.conf");
}

std::string UserSettingsStore::read(const std::string& name, const std::string& fallback) {
    const auto found = stored.find(name);
    return found == stored.end() ? fallback : found->second;
}

void UserSettingsStore::write(const std::string& name, const std::string& value) {
    pending[name] = value;
}

bool UserSettingsStore::save() {
    std::map<std::string, std::string> writes;
    writes.swap(pending);
    if (writes.empty()) return true;

    // A fresh QSettings each time: its status keeps the first error it met, so one left from
    // start-up would hide whether this save worked. A file it cannot read now is not written.
    std::optional<QSettings> settings;
    if (!somethingElseIsThere(path)) settings.emplace(path, storeFormat());
    if (settings && settings->status() == QSettings::NoError) {
        settings->beginGroup(Group);
        std::map<std::string, std::optional<QVariant>> before;
        for (const auto& [name, value] : writes) {
            before[name] = settings->contains(key(name)) ? std::optional(settings->value(key(name)))
                                                         : std::nullopt;
            settings->setValue(key(name), QByteArray::fromStdString(value));
        }
        settings->sync();
        if (settings->status() == QSettings::NoError) {
            for (auto& [name, value] : writes)
                stored[name] = std::move(value);
            return true;
        }
        // QSettings keeps unsaved changes in memory, shared by every QSettings on this file in
        // the process; put back what was there so that no later reader takes them for stored.
        for (const auto& [name, value] : before) {
            if (value)
                settings->setValue(key(name), *value);
            else
                settings->remove(key(name));
        }
    }
    qWarning("Mirel: the settings were not saved to %s (%s); the stored ones are left as they "
             "were",
             qUtf8Printable(QDir::toNativeSeparators(path)),
             qUtf8Printable(troubleWith(path, true)));
    return false;
}

} // namespace mirel
