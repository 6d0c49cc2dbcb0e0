#include "settings/UserSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace mirel {

namespace {

const std::string Section = "Settings/";

struct Fd { // closed, and its kernel locks let go, when it goes
    int fd = -1;
    explicit Fd(int fd) : fd(fd) {}
    Fd(Fd&& other) noexcept : fd(std::exchange(other.fd, -1)) {}
    Fd& operator=(Fd&& other) noexcept {
        std::swap(fd, other.fd);
        return *this;
    }
    ~Fd() { if (fd >= 0) ::close(fd); }
};

bool lockNow(int fd) { return ::flock(fd, LOCK_EX | LOCK_NB) == 0; }

bool sameFile(int fd, int folder, const std::string& name) {
    struct stat open {}, named {};
    return ::fstat(fd, &open) == 0 && ::fstatat(folder, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
           open.st_ino == named.st_ino && open.st_dev == named.st_dev;
}

// Why an open file cannot be read in full as a store, "" when `text` holds all of it.
std::string readAll(int fd, std::string& text) {
    struct stat info {};
    text.clear();
    if (::fstat(fd, &info) != 0) return std::strerror(errno);
    if (!S_ISREG(info.st_mode)) return S_ISDIR(info.st_mode) ? "it is a folder" : "it is not a plain file";
    text.resize(UserSettingsStore::MaxFileBytes + 1);
    std::size_t got = 0;
    for (ssize_t n = 1; n != 0 && got < text.size(); got += n > 0 ? std::size_t(n) : 0)
        if ((n = ::read(fd, text.data() + got, text.size() - got)) < 0 && errno != EINTR)
            return std::strerror(errno);
    if (got > UserSettingsStore::MaxFileBytes) return "it is larger than 256 KiB";
    text.resize(got);
    return "";
}

// The same for a file by name, which reads empty when missing. Never blocks on a pipe.
std::string readFile(const std::string& name, std::string& text) {
    const Fd fd(::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    text.clear();
    return fd.fd >= 0 ? readAll(fd.fd, text) : errno == ENOENT || errno == ENOTDIR ? "" : std::strerror(errno);
}

// Text with no key of the section Settings at all (garbage written over the store) is no store
// the game can build on, though it reads without fault.
bool holdsNoStore(const StoreEntries& entries, std::size_t size) {
    return size > 0 && std::none_of(entries.begin(), entries.end(),
                                    [](const auto& entry) { return entry.first.rfind(Section, 0) == 0; });
}

// `text` put in place of `name` in `folder` the one way every file is written: whole, to this
// copy's `temporary`, locked while it is open so that no other copy takes it for one left over,
// synced, every step checked, then renamed over the old file. The new file, open and locked; or
// -1, errno set, and nothing changed.
int replaced(int folder, const std::string& temporary, const std::string& name, std::string_view text, int mode) {
    Fd file(::openat(folder, temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666));
    bool whole = file.fd >= 0 && lockNow(file.fd) && (mode < 0 || ::fchmod(file.fd, mode) == 0);
    for (ssize_t n = 0; whole && !text.empty(); text.remove_prefix(n > 0 ? std::size_t(n) : 0))
        whole = (n = ::write(file.fd, text.data(), text.size())) > 0 || (n < 0 && errno == EINTR);
    if (whole && ::fsync(file.fd) == 0 && ::renameat(folder, temporary.c_str(), folder, name.c_str()) == 0)
        return std::exchange(file.fd, -1);
    const int error = errno;
    if (file.fd >= 0) ::unlinkat(folder, temporary.c_str(), 0);
    errno = error;
    return -1;
}

// Copies of the game before this one lock "Mirel.conf.lock" with QLockFile, which makes the
// file anew and holds a kernel lock on it while it is held, and removes one that is there only
// while it can take that lock. This copy takes the same lock while it writes: on a file it
// makes (and removes after), or on one that stands there unlocked, left by a copy that ended,
// and is still there a moment later (so not one being let go). One it cannot open holds none of
// them: a link, or another user's. Without `folder` (-1) it is held.
struct OldLock {
    int folder;
    std::string name;
    Fd fd{-1};
    bool made = false, held = true;
    OldLock(int folder, std::string lockName) : folder(folder), name(std::move(lockName)) {
        for (int tries = 0; folder >= 0 && tries < 3 && held; ++tries) {
            fd = Fd(::openat(folder, name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
            made = fd.fd >= 0;
            char host[256] = {};
            // Named as QLockFile names its holder: they remove a lock file that names none.
            if (made && ::gethostname(host, sizeof host - 1) == 0)
                ::dprintf(fd.fd, "%d\n%s\n%s\n", int(::getpid()), program_invocation_short_name, host);
            if (!made && errno == EEXIST) fd = Fd(::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
            if (fd.fd < 0) {
                held = errno == ENOENT; // gone at once: tried again
                continue;
            }
            if (!lockNow(fd.fd)) return;
            if (!made) ::usleep(20000);
            held = !sameFile(fd.fd, folder, name);
        }
    }
    ~OldLock() {
        if (made && !held && sameFile(fd.fd, folder, name)) ::unlinkat(folder, name.c_str(), 0);
    }
};

// What copies that have ended left beside the store `base`: temporaries, and changes kept aside
// (read). Only this user's files of the store's own names whose lock this copy can take.
struct Left {
    std::string name;
    Fd fd;
    bool aside;
    StoreEntries kept;
};
std::vector<Left> leftByEnded(int folder, const std::string& base) {
    const auto ofPattern = [](const std::string& name, const std::string& prefix) {
        return name.size() == prefix.size() + 16 && name.rfind(prefix, 0) == 0 &&
               name.find_first_not_of("0123456789abcdef", prefix.size()) == std::string::npos;
    };
    std::vector<Left> left;
    DIR* names = ::fdopendir(::dup(folder));
    while (const dirent* entry = names ? ::readdir(names) : nullptr) {
        const std::string name = entry->d_name;
        const bool aside = ofPattern(name, base + ".kept-");
        if (!aside && !ofPattern(name, base + ".new-")) continue;
        Fd fd(::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
        struct stat info {};
        std::string text;
        if (fd.fd >= 0 && ::fstat(fd.fd, &info) == 0 && info.st_uid == ::geteuid() && S_ISREG(info.st_mode) &&
            lockNow(fd.fd) && sameFile(fd.fd, folder, name) && (!aside || readAll(fd.fd, text).empty()))
            left.push_back({name, std::move(fd), aside, parseStoreFile(text)});
    }
    if (names) ::closedir(names);
    return left;
}

} // namespace

UserSettingsStore::UserSettingsStore() : UserSettingsStore(defaultFilePath()) {}

UserSettingsStore::UserSettingsStore(const QString& filePath)
    : path(filePath.isEmpty() ? filePath : QFileInfo(filePath).absoluteFilePath()) {
    std::random_device random;
    char name[17];
    std::snprintf(name, sizeof name, "%08x%08x", random(), random());
    copy = name;
    if (path.isEmpty()) {
        qWarning("Mirel: there is no home folder (HOME is not set) to keep the settings in; "
                 "nothing will be saved");
        return;
    }
    if (const std::string why = load(); !why.empty())
        qWarning("Mirel: the settings in %s were not read (%s); playing with the defaults",
                 qUtf8Printable(QDir::toNativeSeparators(path)), why.c_str());
}

UserSettingsStore::~UserSettingsStore() {
    if (keptFd >= 0) ::close(keptFd); // what it kept waits for another copy
}

QString UserSettingsStore::defaultFilePath() {
    // A relative XDG_CONFIG_HOME is to be ignored, and so is a home that is no absolute path.
    // With no home at all there is nowhere to keep the settings: "" keeps nothing.
    const QByteArray config = qgetenv("XDG_CONFIG_HOME");
    if (config.startsWith('/')) return QFile::decodeName(config) + QStringLiteral("/Mirel/Mirel.conf");
    QByteArray home = qgetenv("HOME");
    if (!home.startsWith('/')) {
        const passwd* user = ::getpwuid(::getuid());
        home = user && user->pw_dir ? QByteArray(user->pw_dir) : QByteArray();
    }
    if (!home.startsWith('/') || home == "/" || !QFileInfo(QFile::decodeName(home)).isDir()) return {};
    return QFile::decodeName(home) + QStringLiteral("/.config/Mirel/Mirel.conf");
}

// The store's real file, links followed: its folder is where the locks and the files beside it
// are, whatever links lead there.
std::string UserSettingsStore::realPath() const {
    QFileInfo file(path);
    for (int links = 0; links < 40 && file.isSymLink(); ++links) file.setFile(file.symLinkTarget());
    const QString folder = QFileInfo(file.absolutePath()).canonicalFilePath();
    return QFile::encodeName((folder.isEmpty() ? file.absolutePath() : folder) + '/' + file.fileName()).toStdString();
}

std::string UserSettingsStore::load() {
    std::string text;
    std::string why = readFile(QFile::encodeName(path).toStdString(), text);
    StoreEntries entries = parseStoreFile(text);
    if (why.empty() && holdsNoStore(entries, text.size())) why = "it holds no settings";
    if (why.empty()) stored = std::move(entries);
    return why;
}

bool UserSettingsStore::reload() {
    return path.isEmpty() || load().empty();
}

std::string UserSettingsStore::read(const std::string& name, const std::string& fallback) {
    const auto found = stored.find(Section + name);
    return found == stored.end() ? fallback : found->second;
}

void UserSettingsStore::write(const std::string& name, const std::string& value) {
    unsaved[name] = value;
}

SettingsStore::Outcome UserSettingsStore::say(const std::string& line, Outcome outcome) {
    unsaved.clear();
    others.clear();
    if (said.insert(line).second) qWarning("Mirel: %s", line.c_str());
    return outcome;
}

SettingsStore::Outcome UserSettingsStore::failed(const std::string& why, Outcome outcome) {
    return say("the settings were not saved to " + QFile::encodeName(path).toStdString() + " (" + why +
                   "); the stored ones are left as they were",
               outcome);
}

// While another copy holds the store, this copy's changes wait beside it, in a file this copy
// keeps locked while it runs.
bool UserSettingsStore::keepAside(int folder, const std::string& base, const StoreEntries& kept) {
    if (keptFd >= 0 && kept == lastKept) return true;
    const int fd = replaced(folder, base + ".new-" + copy, base + ".kept-" + copy, formatStoreFile(kept), 0600);
    if (fd < 0) return false;
    if (keptFd >= 0) ::close(keptFd); // only once the new one, locked, stands in its place
    keptFd = fd;
    lastKept = ::fsync(folder) == 0 ? kept : StoreEntries{};
    return !lastKept.empty();
}

bool UserSettingsStore::othersKeptChanges() {
    if (path.isEmpty()) return false;
    const std::string real = realPath();
    const Fd folder(::open(real.substr(0, real.rfind('/')).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    const auto left = folder.fd < 0 ? std::vector<Left>{} : leftByEnded(folder.fd, real.substr(real.rfind('/') + 1));
    return std::any_of(left.begin(), left.end(), [](const Left& file) { return file.aside; });
}

SettingsStore::Outcome UserSettingsStore::save(const std::function<void()>& writeAll, const StoreEntries& kept) {
    if (path.isEmpty()) {
        unsaved.clear();
        return Outcome::Failed;
    }
    const std::string real = realPath(), base = real.substr(real.rfind('/') + 1);
    QDir().mkpath(QFile::decodeName(real.substr(0, real.rfind('/')).c_str()));
    const Fd folder(::open(real.substr(0, real.rfind('/')).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.fd < 0) return failed(std::string("its folder cannot be opened: ") + std::strerror(errno));

    // Copies of this game exclude each other by a kernel lock on the store's folder, which ends
    // with its holder and which no file can block; copies before it, by their lock file. A save
    // waits for neither.
    const OldLock oldLock(lockNow(folder.fd) ? folder.fd : -1, base + ".lock");
    if (oldLock.held) {
        const std::string why = "another copy of the game holds it";
        if (kept.empty()) return failed(why, Outcome::Held);
        if (!keepAside(folder.fd, base, kept))
            return failed(why + ", and the changes could not be kept aside: " + std::strerror(errno), Outcome::Held);
        return say("the settings are not saved to " + QFile::encodeName(path).toStdString() + " yet (" + why +
                       "); they are kept in " + real + ".kept-" + copy + " until they can be",
                   Outcome::Kept);
    }

    std::string text;
    const std::string why = readFile(real, text);
    if (!why.empty()) return failed(why);
    if (!text.empty() && ::access(real.c_str(), W_OK) != 0) return failed("it is read-only");
    StoreEntries now = parseStoreFile(text);
    // A file that holds no store (garbage written over it, say) is kept aside under a name that
    // says so, and what this copy last read stands in for it.
    if (holdsNoStore(now, text.size())) {
        char stamp[32];
        const std::time_t t = std::time(nullptr);
        std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", std::localtime(&t));
        const std::string aside = real + ".unreadable-" + stamp;
        if (::rename(real.c_str(), aside.c_str()) == 0)
            qWarning("Mirel: %s held no settings; it is kept as %s, and the settings this copy "
                     "had are saved in its place", real.c_str(), aside.c_str());
        now = stored;
    }
    stored = std::move(now);
    const std::vector<Left> left = leftByEnded(folder.fd, base);
    for (const Left& file : left)
        if (file.aside) others.push_back(file.kept);

    writeAll();
    StoreEntries entries = stored;
    for (const auto& [name, value] : unsaved) entries[Section + name] = value;
    text = formatStoreFile(entries);
    // Escaped, what was read can grow past what a start-up reads; such a file would be lost.
    if (text.size() > std::size_t(MaxFileBytes)) return failed("it would be larger than 256 KiB");

    struct stat old {};
    const Fd file(replaced(folder.fd, base + ".new-" + copy, base, text,
                           ::stat(real.c_str(), &old) == 0 ? int(old.st_mode & 07777) : -1));
    if (file.fd < 0) return failed(errno == ENOSPC ? "its disk is full" : std::strerror(errno));
    if (::fsync(folder.fd) != 0 && said.insert("fsync").second)
        qWarning("Mirel: the folder of %s could not be synced (%s); the settings may not last a "
                 "power cut", real.c_str(), std::strerror(errno));
    for (const Left& ended : left) ::unlinkat(folder.fd, ended.name.c_str(), 0);
    if (keptFd >= 0) {
        ::unlinkat(folder.fd, (base + ".kept-" + copy).c_str(), 0);
        ::close(std::exchange(keptFd, -1));
        lastKept.clear();
    }
    unsaved.clear();
    others.clear();
    stored = std::move(entries);
    return Outcome::Saved;
}

} // namespace mirel
