#include "settings/UserSettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QDateTime>
#include <QDirIterator>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStorageInfo>

#include <algorithm>
#include <utility>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mirel {

namespace {

const std::string Section = "Settings/";

// A lock, or a file of kept changes, younger than this may be one a running copy is writing.
constexpr qint64 MomentMs = 2000;

// When this process started, in clock ticks since boot: with the PID it names this run of the
// program, as no other run before or after it.
QString startOf(const QString& pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return {};
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 19 ? QString::fromLatin1(fields[19]) : QString();
}

qint64 ageMs(const QFileInfo& info) {
    return std::abs(info.lastModified().msecsTo(QDateTime::currentDateTime()));
}

// Whether the lock file's text names a process that runs now on this machine.
bool namesRunningProcess(const QByteArray& text) {
    const QList<QByteArray> lines = text.split('\n');
    bool ok = false;
    const qint64 pid = lines.value(0).toLongLong(&ok);
    if (!ok || pid <= 0) return false;
    if (lines.size() > 2 && !lines[2].isEmpty() &&
        lines[2] != QSysInfo::machineHostName().toLocal8Bit())
        return true; // another machine's: it cannot be told from here
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

// Makes a rename in `folder` lasting.
void syncFolder(const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// A file whose text has no key of the section Settings at all (garbage written over it) is no
// store the game can build on, though it reads without fault.
bool holdsNoStore(const StoreEntries& entries, qint64 size) {
    return size > 0 && std::none_of(entries.begin(), entries.end(), [](const auto& entry) {
               return entry.first.rfind(Section, 0) == 0;
           });
}

bool isAbsolute(const QByteArray& path) {
    return path.startsWith('/');
}

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
    if (path.isEmpty()) {
        qWarning("Mirel: there is no home folder (HOME is not set) to keep the settings in; "
                 "nothing will be saved");
        return;
    }
    if (!reload())
        qWarning("Mirel: the settings in %s were not read (%s); playing with the defaults",
                 qUtf8Printable(QDir::toNativeSeparators(path)),
                 qUtf8Printable(troubleWith(path, false, QStringLiteral("it holds no settings"))));
}

QString UserSettingsStore::defaultFilePath() {
    // A relative XDG_CONFIG_HOME is to be ignored; so is a home that is no absolute path.
    // With no home at all there is nowhere to keep the settings: "" keeps nothing.
    const QByteArray config = qgetenv("XDG_CONFIG_HOME");
    if (isAbsolute(config)) return QFile::decodeName(config) + QStringLiteral("/Mirel/Mirel.conf");
    QByteArray home = qgetenv("HOME");
    if (!isAbsolute(home)) {
        const passwd* user = ::getpwuid(::getuid());
        home = user && user->pw_dir ? QByteArray(user->pw_dir) : QByteArray();
    }
    if (!isAbsolute(home) || home == "/" || !QFileInfo(QFile::decodeName(home)).isDir())
        return {};
    return QFile::decodeName(home) + QStringLiteral("/.config/Mirel/Mirel.conf");
}

QString UserSettingsStore::realPath() const {
    QFileInfo info(path);
    for (int links = 0; info.isSymLink() && links < 40; ++links)
        info.setFile(info.symLinkTarget());
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return (folder.isEmpty() ? info.absolutePath() : folder) + QLatin1Char('/') + info.fileName();
}

void UserSettingsStore::sayOnce(const QString& line) {
    if (said.contains(line)) return;
    said.insert(line);
    qWarning("%s", qUtf8Printable(line));
}

void UserSettingsStore::clearLeftovers(const QString& real) {
    const QString folder = QFileInfo(real).absolutePath();
    for (const QString& name : {real + QStringLiteral(".lock"), real + QStringLiteral(".lock.rmlock")}) {
        const QFileInfo lock(name);
        if (!lock.exists() && !lock.isSymLink()) continue;
        QString what;
        if (lock.isSymLink()) {
            what = QStringLiteral("a link");
        } else if (lock.isDir()) {
            what = QStringLiteral("a folder");
        } else if (!lock.isFile()) {
            what = QStringLiteral("no plain file");
        } else {
            QFile file(name);
            const bool readable = file.open(QIODevice::ReadOnly);
            const QByteArray text = readable ? file.read(4096) : QByteArray();
            if (readable && namesRunningProcess(text)) continue; // a lock, or QLockFile's call
            if (ageMs(lock) < MomentMs && (!readable || text.isEmpty())) continue; // being written
            what = !readable ? QStringLiteral("an unreadable lock")
                   : text.isEmpty() ? QStringLiteral("an empty lock")
                                    : QStringLiteral("a lock left by a copy that ended");
            if (readable && lock.isWritable() && !text.isEmpty()) continue; // QLockFile's own case
        }
        const bool removed = lock.isDir() && !lock.isSymLink()
                                 ? QDir().rmdir(name)
                                 : ::unlink(QFile::encodeName(name).constData()) == 0;
        if (!removed)
            sayOnce(QStringLiteral("Mirel: %1 named %2 stands in the way of saving the settings "
                                   "and cannot be removed")
                        .arg(what, QDir::toNativeSeparators(name)));
    }
    // Temporary files of saves killed before they were renamed: a live save holds the lock.
    const QRegularExpression temporary(
        QStringLiteral("^%1\\.[A-Za-z0-9]{6}$").arg(QRegularExpression::escape(QFileInfo(real).fileName())));
    for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden))
        if (temporary.match(file.fileName()).hasMatch() && ageMs(file) >= MomentMs)
            QFile::remove(file.absoluteFilePath());
}

QStringList UserSettingsStore::endedCopiesKept(const QString& real) const {
    const QFileInfo store(real);
    const QRegularExpression kept(QStringLiteral("^%1\\.pending-(\\d+)-(\\d+)$")
                                      .arg(QRegularExpression::escape(store.fileName())));
    QStringList ended;
    for (const QFileInfo& file : QDir(store.absolutePath()).entryInfoList(QDir::Files | QDir::Hidden)) {
        const QRegularExpressionMatch match = kept.match(file.fileName());
        if (!match.hasMatch() || file.absoluteFilePath() == ownKept) continue;
        if (startOf(match.captured(1)) == match.captured(2)) continue; // its copy still runs
        ended << file.absoluteFilePath();
    }
    return ended;
}

bool UserSettingsStore::othersKeptChanges() {
    return !path.isEmpty() && !endedCopiesKept(realPath()).isEmpty();
}

std::optional<StoreEntries> UserSettingsStore::readFile() const {
    if (path.isEmpty()) return StoreEntries{};
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
    if (!entries || holdsNoStore(*entries, QFileInfo(path).size())) return false;
    stored = std::move(*entries);
    return true;
}

std::string UserSettingsStore::read(const std::string& name, const std::string& fallback) {
    const auto found = stored.find(Section + name);
    return found == stored.end() ? fallback : found->second;
}

void UserSettingsStore::write(const std::string& name, const std::string& value) {
    unsaved[name] = value;
}

bool UserSettingsStore::save(const std::function<void()>& writeAll) {
    // With nothing to keep aside, this save waits for the lock as saves always did.
    const int wait = std::exchange(lockWaitMs, 5000);
    keepAside = false;
    const Outcome outcome = save(writeAll, {});
    keepAside = true;
    lockWaitMs = wait;
    return outcome == Outcome::Saved;
}

SettingsStore::Outcome UserSettingsStore::save(const std::function<void()>& writeAll,
                                               const StoreEntries& kept) {
    QString trouble = QStringLiteral("it could not be written");
    const auto failed = [&] {
        unsaved.clear();
        others.clear();
        sayOnce(QStringLiteral("Mirel: the settings were not saved to %1 (%2); the stored ones "
                               "are left as they were")
                    .arg(QDir::toNativeSeparators(path), troubleWith(path, true, trouble)));
        return Outcome::Failed;
    };
    if (path.isEmpty()) {
        unsaved.clear();
        return Outcome::Failed;
    }

    const QString real = realPath();
    const QFileInfo info(real);
    if (!QDir().mkpath(info.absolutePath())) return failed();
    if (ownKept.isEmpty()) {
        const QString pid = QString::number(QCoreApplication::applicationPid());
        ownKept = real + QStringLiteral(".pending-%1-%2").arg(pid, startOf(pid));
    }
    clearLeftovers(real);
    QLockFile lock(real + QStringLiteral(".lock"));
    if (!lock.tryLock(lockWaitMs)) {
        if (lock.error() != QLockFile::LockFailedError || !keepAside) {
            if (lock.error() == QLockFile::LockFailedError)
                trouble = QStringLiteral("another copy of the game holds its lock");
            else
                trouble = QStringLiteral("its lock cannot be made");
            return failed();
        }
        unsaved.clear();
        const QString why = QStringLiteral("another copy of the game holds its lock");
        // Kept aside whole, in one piece, with no lock: the file is this copy's alone.
        const std::string text = formatStoreFile(kept);
        QSaveFile file(ownKept);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(text.data(), qint64(text.size())) != qint64(text.size()) || !file.commit()) {
            trouble = why;
            return failed();
        }
        syncFolder(info.absolutePath());
        sayOnce(QStringLiteral("Mirel: the settings are not saved to %1 yet (%2); they are kept "
                               "in %3 until they can be")
                    .arg(QDir::toNativeSeparators(path), why, QDir::toNativeSeparators(ownKept)));
        return Outcome::Kept;
    }
    std::optional<StoreEntries> now = readFile();
    if (!now) {
        trouble = QStringLiteral("it could not be read");
        return failed();
    }
    // A file that holds no store (garbage written over it, say) is kept aside under a name
    // that says so, and what this copy last read stands in for it.
    if (holdsNoStore(*now, QFileInfo(real).size())) {
        const QString aside = real + QStringLiteral(".unreadable-") +
                              QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
        if (QFile::rename(real, aside))
            qWarning("Mirel: %s held no settings; it is kept as %s, and the settings this copy "
                     "had are saved in its place",
                     qUtf8Printable(QDir::toNativeSeparators(path)),
                     qUtf8Printable(QDir::toNativeSeparators(aside)));
        *now = stored;
    }
    stored = std::move(*now);

    // What copies that ended kept: their switches under the store's, their scores for writeAll.
    const QStringList endedKept = endedCopiesKept(real);
    others.clear();
    for (const QString& name : endedKept) {
        QFile file(name);
        if (!file.open(QIODevice::ReadOnly) || file.size() > MaxFileBytes) continue;
        const QByteArray text = file.readAll();
        StoreEntries entries = parseStoreFile(std::string_view(text.constData(), size_t(text.size())));
        for (const auto& [key, value] : entries)
            if (key.rfind(Section, 0) == 0) stored[key] = value;
        others.push_back(std::move(entries));
    }

    writeAll();
    others.clear();
    StoreEntries entries = stored;
    for (const auto& [name, value] : unsaved)
        entries[Section + name] = value;

    const std::string text = formatStoreFile(entries);
    // Escaped, what was read can grow past what a start-up reads; such a file would be lost.
    if (qint64(text.size()) > MaxFileBytes) {
        trouble = QStringLiteral("it would be larger than %1 KiB").arg(MaxFileBytes / 1024);
        return failed();
    }
    QSaveFile file(real);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) != qint64(text.size()) ||
        !file.commit()) {
        trouble = file.errorString();
        return failed();
    }
    syncFolder(info.absolutePath());
    for (const QString& name : endedKept)
        QFile::remove(name);
    QFile::remove(ownKept);
    stored = std::move(entries);
    unsaved.clear();
    return Outcome::Saved;
}

} // namespace mirel
