#include "settings/UserSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <random>
#include <sstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace mirel {

namespace {

const std::string Section = "Settings/";

struct Fd { // closed, and its locks let go, when it goes
    int fd = -1;
    explicit Fd(int fd) : fd(fd) {}
    Fd(Fd&& other) noexcept : fd(std::exchange(other.fd, -1)) {}
    ~Fd() { if (fd >= 0) ::close(fd); }
};

std::string hex(std::uint64_t value, int digits) {
    char text[17];
    std::snprintf(text, sizeof text, "%0*llx", digits, static_cast<unsigned long long>(value));
    return text;
}

bool writeFully(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        text.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Why an open file cannot be read in full as a store, "" when `text` holds all of it.
std::string readAll(int fd, std::string& text) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) return std::strerror(errno);
    if (S_ISDIR(info.st_mode)) return "it is a folder";
    if (!S_ISREG(info.st_mode)) return "it is not a plain file";
    text.resize(UserSettingsStore::MaxFileBytes + 1);
    std::size_t got = 0;
    for (ssize_t n = 1; n != 0 && got < text.size(); got += n > 0 ? std::size_t(n) : 0)
        if ((n = ::read(fd, text.data() + got, text.size() - got)) < 0 && errno != EINTR)
            return std::strerror(errno);
    if (got > UserSettingsStore::MaxFileBytes) return "it is larger than 256 KiB";
    text.resize(got);
    return "";
}

// The same for a file by name; a missing file reads empty. Never blocks on a pipe.
std::string readFile(const std::string& name, std::string& text) {
    text.clear();
    const Fd fd(::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.fd < 0) return errno == ENOENT || errno == ENOTDIR ? "" : std::strerror(errno);
    return readAll(fd.fd, text);
}

// A file whose text has no key of the section Settings at all (garbage written over it) is no
// store the game can build on, though it reads without fault.
bool holdsNoStore(const StoreEntries& entries, std::size_t size) {
    return size > 0 && std::none_of(entries.begin(), entries.end(), [](const auto& entry) {
               return entry.first.rfind(Section, 0) == 0;
           });
}

bool ofPattern(const std::string& name, const std::string& prefix) {
    return name.size() == prefix.size() + 16 && name.rfind(prefix, 0) == 0 &&
           name.find_first_not_of("0123456789abcdef", prefix.size()) == std::string::npos;
}

// This copy's temporary file `name` in `folder`, `text` written to it in full and synced, each
// step checked (Qt's QSaveFile::commit() can report success after a write failed). Locked while
// it is open, so that no other copy takes it for one left over. -1, errno set and nothing left,
// when a step fails.
int written(int folder, const std::string& name, std::string_view text, int mode) {
    Fd file(::openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666));
    if (file.fd >= 0 && ::flock(file.fd, LOCK_EX | LOCK_NB) == 0 && (mode < 0 || ::fchmod(file.fd, mode) == 0) &&
        writeFully(file.fd, text) && ::fsync(file.fd) == 0)
        return std::exchange(file.fd, -1);
    const int error = errno;
    if (file.fd >= 0) ::unlinkat(folder, name.c_str(), 0);
    errno = error;
    return -1;
}

// What copies that have ended left beside the store `base` in `folder`: temporary files and
// changes kept aside (read, `aside`), each of this user's, locked here, so no running copy's.
struct Left {
    std::string name;
    Fd fd;
    bool aside;
    StoreEntries kept;
};
std::vector<Left> leftByEnded(int folder, const std::string& base) {
    std::vector<Left> left;
    DIR* names = ::fdopendir(::dup(folder));
    while (const dirent* entry = names ? ::readdir(names) : nullptr) {
        const std::string name = entry->d_name;
        const bool aside = ofPattern(name, base + ".kept-");
        if (!aside && !ofPattern(name, base + ".new-")) continue;
        Fd fd(::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
        struct stat info {}, now {};
        std::string text;
        if (fd.fd < 0 || ::fstat(fd.fd, &info) != 0 || info.st_uid != ::geteuid() || !S_ISREG(info.st_mode) ||
            ::flock(fd.fd, LOCK_EX | LOCK_NB) != 0 || ::fstatat(folder, name.c_str(), &now, AT_SYMLINK_NOFOLLOW) != 0 ||
            now.st_ino != info.st_ino || (aside && !readAll(fd.fd, text).empty()))
            continue; // its copy runs, or it is another's, or it cannot be read: it stays as it is
        left.push_back({name, std::move(fd), aside, parseStoreFile(text)});
    }
    if (names) ::closedir(names);
    return left;
}

std::string hostName() {
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    return host;
}

std::string programOf(const std::string& pid) {
    char exe[PATH_MAX];
    const ssize_t n = ::readlink(("/proc/" + pid + "/exe").c_str(), exe, sizeof exe);
    const std::string name(exe, n > 0 ? std::size_t(n) : 0);
    return name.substr(name.rfind('/') + 1);
}

// "Mirel.conf.lock" as copies before this one take it, QLockFile's way: the holder's process
// number, program and machine on lines of their own. Made (Ours), or one there names a running
// process of this machine (Held), or anything else stands there, which holds nothing (Free).
enum class OldLock { Ours, Free, Held };
OldLock takeOldLock(const std::string& lock, ino_t& made) {
    const Fd fd(::open(lock.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644));
    struct stat info {};
    if (fd.fd >= 0 && ::fstat(fd.fd, &info) == 0) {
        made = info.st_ino;
        const std::string pid = std::to_string(::getpid());
        writeFully(fd.fd, pid + '\n' + programOf(pid) + '\n' + hostName() + '\n');
        return OldLock::Ours;
    }
    std::string text;
    if (errno != EEXIST || !readFile(lock, text).empty()) return OldLock::Free;
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    const long pid = lines.size() >= 3 ? std::strtol(lines[0].c_str(), nullptr, 10) : 0;
    if (pid <= 0 || lines[2] != hostName() || (::kill(pid_t(pid), 0) != 0 && errno != EPERM))
        return OldLock::Free;
    // A number reused by another program holds nothing, as QLockFile judges it.
    const std::string program = programOf(std::to_string(pid));
    return program.empty() || program == lines[1] ? OldLock::Held : OldLock::Free;
}

} // namespace

UserSettingsStore::UserSettingsStore() : UserSettingsStore(defaultFilePath()) {}

UserSettingsStore::UserSettingsStore(const QString& filePath)
    : path(filePath.isEmpty() ? filePath : QFileInfo(filePath).absoluteFilePath()) {
    copy = hex(std::random_device{}() * (1ull << 32) + std::random_device{}(), 16);
    if (path.isEmpty()) {
        qWarning("Mirel: there is no home folder (HOME is not set) to keep the settings in; "
                 "nothing will be saved");
        return;
    }
    std::string text;
    std::string why = readFile(QFile::encodeName(path).toStdString(), text);
    if (why.empty() && !reload()) why = "it holds no settings";
    if (!why.empty())
        qWarning("Mirel: the settings in %s were not read (%s); playing with the defaults",
                 qUtf8Printable(QDir::toNativeSeparators(path)), why.c_str());
}

UserSettingsStore::~UserSettingsStore() {
    if (keptFd >= 0) ::close(keptFd); // what is kept there waits for another copy
}

QString UserSettingsStore::defaultFilePath() {
    // A relative XDG_CONFIG_HOME is to be ignored; so is a home that is no absolute path.
    // With no home at all there is nowhere to keep the settings: "" keeps nothing.
    const QByteArray config = qgetenv("XDG_CONFIG_HOME");
    if (config.startsWith('/')) return QFile::decodeName(config) + QStringLiteral("/Mirel/Mirel.conf");
    QByteArray home = qgetenv("HOME");
    if (!home.startsWith('/')) {
        const passwd* user = ::getpwuid(::getuid());
        home = user && user->pw_dir ? QByteArray(user->pw_dir) : QByteArray();
    }
    if (!home.startsWith('/') || home == "/" || !QFileInfo(QFile::decodeName(home)).isDir())
        return {};
    return QFile::decodeName(home) + QStringLiteral("/.config/Mirel/Mirel.conf");
}

std::string UserSettingsStore::realPath() const {
    std::string file = QFile::encodeName(path).toStdString();
    char target[PATH_MAX];
    ssize_t n = 0;
    for (int links = 0; links < 40 && (n = ::readlink(file.c_str(), target, sizeof target)) > 0; ++links) {
        const std::string to(target, std::size_t(n));
        file = to[0] == '/' ? to : file.substr(0, file.rfind('/') + 1) + to;
    }
    const std::size_t slash = file.rfind('/');
    if (char* folder = ::realpath(file.substr(0, slash).c_str(), nullptr)) {
        file = folder + file.substr(slash);
        std::free(folder);
    }
    return file;
}

bool UserSettingsStore::reload() {
    std::string text;
    if (path.isEmpty() || !readFile(QFile::encodeName(path).toStdString(), text).empty()) return path.isEmpty();
    StoreEntries entries = parseStoreFile(text);
    if (holdsNoStore(entries, text.size())) return false;
    stored = std::move(entries);
    return true;
}

std::string UserSettingsStore::read(const std::string& name, const std::string& fallback) {
    const auto found = stored.find(Section + name);
    return found == stored.end() ? fallback : found->second;
}

void UserSettingsStore::write(const std::string& name, const std::string& value) {
    unsaved[name] = value;
}

SettingsStore::Outcome UserSettingsStore::failed(const std::string& why, Outcome outcome) {
    unsaved.clear();
    others.clear();
    const std::string line = "Mirel: the settings were not saved to " +
                             QFile::encodeName(path).toStdString() + " (" + why +
                             "); the stored ones are left as they were";
    if (said.insert(line).second) qWarning("%s", line.c_str());
    return outcome;
}

bool UserSettingsStore::keepAside(int folder, const std::string& real, const StoreEntries& kept) {
    if (keptFd >= 0 && kept == lastKept) return true;
    const std::string temporary = real + ".new-" + copy;
    const int fd = written(folder, temporary.substr(temporary.rfind('/') + 1), formatStoreFile(kept), 0600);
    if (fd < 0) return false;
    if (::rename(temporary.c_str(), (real + ".kept-" + copy).c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        ::close(fd);
        errno = error;
        return false;
    }
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
    const std::string real = realPath();
    const std::string base = real.substr(real.rfind('/') + 1);
    QDir().mkpath(QFile::decodeName(real.substr(0, real.rfind('/')).c_str()));
    const Fd folder(::open(real.substr(0, real.rfind('/')).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.fd < 0) return failed(std::string("its folder cannot be opened: ") + std::strerror(errno));

    ino_t lockMade = 0;
    const std::string lock = real + ".lock";
    const auto stillOurs = [&] {
        struct stat info {};
        return ::lstat(lock.c_str(), &info) == 0 && info.st_ino == lockMade;
    };
    struct Unlock {
        std::function<void()> then;
        ~Unlock() { then(); }
    } unlock{[&] { if (lockMade != 0 && stillOurs()) ::unlink(lock.c_str()); }};
    if ((::flock(folder.fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) ||
        takeOldLock(lock, lockMade) == OldLock::Held) {
        const std::string why = "another copy of the game holds it";
        if (kept.empty()) return failed(why, Outcome::Held);
        if (!keepAside(folder.fd, real, kept))
            return failed(why + ", and the changes could not be kept aside: " + std::strerror(errno), Outcome::Held);
        unsaved.clear();
        const std::string line = "Mirel: the settings are not saved to " +
                                 QFile::encodeName(path).toStdString() + " yet (" + why +
                                 "); they are kept in " + real + ".kept-" + copy + " until they can be";
        if (said.insert(line).second) qWarning("%s", line.c_str());
        return Outcome::Kept;
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
    others.clear();
    for (const Left& file : left)
        if (file.aside) others.push_back(file.kept);

    writeAll();
    others.clear();
    StoreEntries entries = stored;
    for (const auto& [name, value] : unsaved) entries[Section + name] = value;
    unsaved.clear();
    text = formatStoreFile(entries);
    // Escaped, what was read can grow past what a start-up reads; such a file would be lost.
    if (text.size() > std::size_t(MaxFileBytes)) return failed("it would be larger than 256 KiB");

    struct stat old {};
    const std::string temporary = real + ".new-" + copy;
    const Fd file(written(folder.fd, base + ".new-" + copy, text,
                          ::stat(real.c_str(), &old) == 0 ? int(old.st_mode & 07777) : -1));
    // A copy before this one takes a lock older than 30 s for a dead copy's: this save waited
    // that long, and writes nothing.
    if (file.fd >= 0 && lockMade != 0 && !stillOurs()) {
        ::unlink(temporary.c_str());
        return failed("a copy of the game before this one took its lock");
    }
    if (file.fd < 0 || ::rename(temporary.c_str(), real.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return failed(error == ENOSPC ? "its disk is full" : std::strerror(error));
    }
    if (::fsync(folder.fd) != 0 && said.insert("fsync").second)
        qWarning("Mirel: the folder of %s could not be synced (%s); the settings may not last a "
                 "power cut", real.c_str(), std::strerror(errno));
    for (const Left& ended : left) ::unlinkat(folder.fd, ended.name.c_str(), 0);
    if (keptFd >= 0) {
        ::unlink((real + ".kept-" + copy).c_str());
        ::close(std::exchange(keptFd, -1));
        lastKept.clear();
    }
    stored = std::move(entries);
    return Outcome::Saved;
}

} // namespace mirel
