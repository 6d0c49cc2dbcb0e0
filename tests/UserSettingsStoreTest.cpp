#include "settings/UserSettingsStore.h"
#include "settings/Settings.h"
#include "settings/StoreFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace mirel;

namespace {

// Root reads and writes files whatever their mode; the tests of unreadable files and
// read-only folders are about a player's own rights, so the test process gives up the two
// capabilities that override them.
void dropFileAccessOverrides() {
    if (geteuid() != 0) return;
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (syscall(SYS_capget, &header, data) != 0) return;
    for (unsigned cap : {unsigned(CAP_DAC_OVERRIDE), unsigned(CAP_DAC_READ_SEARCH)}) {
        data[cap / 32].effective &= ~(1u << (cap % 32));
        data[cap / 32].permitted &= ~(1u << (cap % 32));
    }
    syscall(SYS_capset, &header, data);
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(content), content.size());
}

// A store as a player who played a while might have it.
const QByteArray Stored = "[Settings]\nRowShifts=1\nColumnShifts=0\nMines=1\nSound=1\n"
                          "HighScoreName1=ANNA\nHighScore1=250\nSet=2\n";

const Options StoredOptions{true, false, true, true, PieceSet::Boxes};

Options builtIn() {
    Options options;
    options.sound = true;
    options.set = PieceSet::Faces;
    return options;
}

// What the game saves in the tests: every switch the other way from the stored ones.
const Options NewOptions{false, true, false, false, PieceSet::Faces};

// Names typed in German and Russian are kept as UTF-8 text, as written.
std::string newName(int rank) {
    const char* const names[] = {"", "NEW1", "MÜLLER", "ЖЁЛТЫЙ"};
    return rank <= 3 ? names[rank] : "";
}

HighScoreTable newTable() {
    HighScoreTable table;
    for (int rank = 1; rank <= TableSize; ++rank) {
        table.HighScoreNames[rank] = newName(rank);
        table.HighScores[rank] = rank <= 3 ? 300 - rank : 0;
    }
    return table;
}

// The table and options one copy of the game saves over and over in the test of two copies
// saving together: every key carries the copy's letter.
Options optionsOf(char copy) {
    return copy == 'A' ? Options{true, false, true, true, PieceSet::Boxes}
                       : Options{false, true, false, false, PieceSet::Faces};
}

HighScoreTable tableOf(char copy) {
    HighScoreTable table;
    for (int rank = 1; rank <= TableSize; ++rank) {
        table.HighScoreNames[rank] = std::string(7, copy);
        table.HighScores[rank] = (copy == 'A' ? 1000 : 2000) + rank;
    }
    return table;
}

// Whether what was loaded is all of one copy's store (or the store before either saved).
bool wholly(const Options& options, const HighScoreTable& table, char copy) {
    if (!(options == optionsOf(copy))) return false;
    const HighScoreTable expected = tableOf(copy);
    for (int rank = 1; rank <= TableSize; ++rank)
        if (table.HighScoreNames[rank] != expected.HighScoreNames[rank] ||
            table.HighScores[rank] != expected.HighScores[rank])
            return false;
    return true;
}

bool oneWholeStore(const Options& options, const HighScoreTable& table) {
    return wholly(options, table, 'A') || wholly(options, table, 'B') ||
           wholly(options, table, 'S');
}

// Another copy of the game: saves its store `rounds` times, loading between saves, and
// fails if a save fails or a load finds anything but one whole store.
int saveAsCopy(char copy, int rounds) {
    for (int round = 0; round < rounds; ++round) {
        UserSettingsStore store;
        Options options;
        HighScoreTable table;
        loadSettings(store, options, table);
        if (!oneWholeStore(options, table)) return 2;
        // A save never waits: while the other copy holds the store it fails, changing nothing.
        for (int tries = 0; !saveSettings(store, optionsOf(copy), tableOf(copy)); ++tries) {
            if (tries == 100000) return 3;
            QThread::usleep(500);
        }
    }
    return 0;
}

// Reads the game's keys straight from a file's text.
class TextStore final : public SettingsStore {
public:
    explicit TextStore(const QByteArray& text) : entries(parseStoreFile(text.toStdString())) {}
    std::string read(const std::string& key, const std::string& fallback) override {
        const auto found = entries.find("Settings/" + key);
        return found == entries.end() ? fallback : found->second;
    }
    void write(const std::string&, const std::string&) override {}
    bool reload() override { return false; }
    Outcome save(const std::function<void()>&, const StoreEntries&) override { return Outcome::Failed; }

    StoreEntries entries;
};

enum class FileState {
    Missing,
    MissingFolder,
    Empty,
    Truncated,
    Junk,
    AtTheLimit,
    OverTheLimit,
    FiftyMegabytes,
    Unreadable,
    WriteOnly,
    ReadOnlyFile,
    ReadOnlyFolder,
    Directory,
    NamedPipe,
    FolderIsAFile,
    Symlink,
};

// What a bad file leaves the game with at start-up.
enum class Reads { Defaults, Stored, Truncated };

} // namespace

Q_DECLARE_METATYPE(FileState)
Q_DECLARE_METATYPE(Reads)

class UserSettingsStoreTest : public QObject {
    Q_OBJECT

public:
    explicit UserSettingsStoreTest(QString home) : home(std::move(home)) {}

private:
    QString home;
    QString config; // this test's XDG_CONFIG_HOME
    int homes = 0;

    QString storePath() const { return config + "/Mirel/Mirel.conf"; }

    // Every test starts in a configuration folder of its own, so that nothing one test stored
    // (or QSettings still remembers of it) reaches another.
    void freshConfigFolder() {
        config = home + "/config" + QString::number(++homes);
        QVERIFY(QDir().mkpath(config));
        qputenv("XDG_CONFIG_HOME", config.toUtf8());
        QCOMPARE(UserSettingsStore::defaultFilePath(), storePath());
    }

    void expectNoComplaint() { QTest::failOnWarning(QRegularExpression("^Mirel:")); }

    void expectOneLine(const char* what) {
        QTest::ignoreMessage(
            QtWarningMsg,
            QRegularExpression(QStringLiteral("^Mirel: the settings %1 [^\\n]*%2[^\\n]*$")
                                   .arg(what, QRegularExpression::escape(storePath()))));
    }

    // Loads, saves NewOptions and newTable, and checks that another start reads them back.
    void saveAndReload(bool fromHere = true) {
        UserSettingsStore store;
        Options options;
        HighScoreTable table;
        loadSettings(store, options, table);
        QVERIFY(saveSettings(store, NewOptions, newTable()));
        if (!fromHere) return;
        UserSettingsStore again;
        Options reloaded = builtIn();
        HighScoreTable reloadedTable;
        loadSettings(again, reloaded, reloadedTable);
        QCOMPARE(reloaded, NewOptions);
        const HighScoreTable saved = newTable();
        for (int rank = 1; rank <= TableSize; ++rank) {
            QCOMPARE(reloadedTable.HighScoreNames[rank], saved.HighScoreNames[rank]);
            QCOMPARE(reloadedTable.HighScores[rank], saved.HighScores[rank]);
        }
    }

private slots:
    void theStoreIsWhereQSettingsKeepsTheGames() {
        QCOMPARE(UserSettingsStore::defaultFilePath(), QSettings("Mirel", "Mirel").fileName());
        QVERIFY(UserSettingsStore::defaultFilePath().startsWith(home));
    }

    void firstRunTakesTheDefaultsAndCreatesNothing() {
        freshConfigFolder();
        expectNoComplaint();
        UserSettingsStore store;
        Options options = builtIn();
        HighScoreTable table;
        table.HighScoreNames[2] = "LEFT";
        loadSettings(store, options, table);
        QCOMPARE(options, Options{});
        QCOMPARE(table.HighScoreNames[2], std::string());
        QVERIFY(!QFileInfo::exists(config + "/Mirel"));
    }

    void aSaveWritesEveryKeyInItsWrittenForm() {
        freshConfigFolder();
        expectNoComplaint();
        saveAndReload();

        const QByteArray text = contentOf(storePath());
        QStringList lines = QString::fromUtf8(text).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.takeFirst(), "[Settings]");
        QStringList expected{"RowShifts=0", "ColumnShifts=1", "Mines=0", "Sound=0", "Set=3"};
        for (int rank = 1; rank <= TableSize; ++rank) {
            expected << QString("HighScoreName%1=%2")
                            .arg(rank)
                            .arg(QString::fromStdString(newName(rank)));
            expected << QString("HighScore%1=%2").arg(rank).arg(rank <= 3 ? 300 - rank : 0);
        }
        std::sort(expected.begin(), expected.end());
        std::sort(lines.begin(), lines.end());
        QCOMPARE(lines, expected);
    }

    void savingTwiceKeepsTheFileAsItWas() {
        freshConfigFolder();
        saveAndReload();
        const QByteArray first = contentOf(storePath());
        saveAndReload();
        QCOMPARE(contentOf(storePath()), first);
    }

    void keysOfOthersSurviveASave() {
        freshConfigFolder();
        writeFile(storePath(), "[Other]\nkept=yes\n\n" + Stored + "Unknown=still here\n");
        saveAndReload();
        const StoreEntries entries = parseStoreFile(contentOf(storePath()).toStdString());
        QCOMPARE(entries.at("Other/kept"), std::string("yes"));
        QCOMPARE(entries.at("Settings/Unknown"), std::string("still here"));
        QCOMPARE(entries.at("Settings/HighScoreName1"), std::string("NEW1"));
    }

    // Control characters are written escaped, four bytes each: a store that would grow past
    // what a start-up reads is not written, and the one there stays readable.
    void aStoreTooLargeToReadBackIsNotWritten() {
        freshConfigFolder();
        const QByteArray content =
            "[Settings]\nHighScoreName1=A" + QByteArray(100 * 1024, '\x01') + "\n";
        writeFile(storePath(), content);
        UserSettingsStore store;
        Options options;
        HighScoreTable table;
        loadSettings(store, options, table);
        QCOMPARE(table.HighScoreNames[1].size(), std::size_t(100 * 1024 + 1));
        expectOneLine("were not saved to");
        QVERIFY(!saveSettings(store, options, table));
        QCOMPARE(contentOf(storePath()), content);
    }

    // The file in every state it can be found in: what the game starts with, whether the save
    // works, and that a save that does not work leaves the file exactly as it was.
    void badFiles_data() {
        QTest::addColumn<FileState>("state");
        QTest::addColumn<Reads>("reads");
        QTest::addColumn<bool>("saves");

        QTest::newRow("missing") << FileState::Missing << Reads::Defaults << true;
        QTest::newRow("missing folder") << FileState::MissingFolder << Reads::Defaults << true;
        QTest::newRow("empty") << FileState::Empty << Reads::Defaults << true;
        QTest::newRow("cut off in the middle of a line")
            << FileState::Truncated << Reads::Truncated << true;
        QTest::newRow("binary junk") << FileState::Junk << Reads::Defaults << true;
        QTest::newRow("exactly at the size limit")
            << FileState::AtTheLimit << Reads::Stored << true;
        QTest::newRow("one byte over the size limit")
            << FileState::OverTheLimit << Reads::Defaults << false;
        QTest::newRow("50 MB") << FileState::FiftyMegabytes << Reads::Defaults << false;
        QTest::newRow("unreadable (mode 000)") << FileState::Unreadable << Reads::Defaults << false;
        QTest::newRow("write-only (mode 200)") << FileState::WriteOnly << Reads::Defaults << false;
        QTest::newRow("read-only (mode 444)") << FileState::ReadOnlyFile << Reads::Stored << false;
        QTest::newRow("in a read-only folder")
            << FileState::ReadOnlyFolder << Reads::Stored << false;
        QTest::newRow("a folder") << FileState::Directory << Reads::Defaults << false;
        QTest::newRow("a named pipe") << FileState::NamedPipe << Reads::Defaults << false;
        QTest::newRow("its folder is a file")
            << FileState::FolderIsAFile << Reads::Defaults << false;
        QTest::newRow("a link to a file elsewhere") << FileState::Symlink << Reads::Stored << true;
    }
    void badFiles() {
        QFETCH(FileState, state);
        QFETCH(Reads, reads);
        QFETCH(bool, saves);
        freshConfigFolder();
        expectNoComplaint();
        const QString folder = config + "/Mirel";
        const QString path = storePath();
        QByteArray content = Stored;
        bool permissionsBind = true;
        QFile::Permissions mode = QFile::ReadOwner | QFile::WriteOwner;

        switch (state) {
        case FileState::Missing:
            QVERIFY(QDir().mkpath(folder));
            break;
        case FileState::MissingFolder:
            break;
        case FileState::Empty:
            content.clear();
            break;
        case FileState::Truncated:
            content = content.left(content.indexOf("ANNA") + 2);
            break;
        case FileState::Junk:
            content = QByteArray("\x7F"
                                 "ELF\x02\x01\x01\0\0\0\xFF\xFE[\n]\n\n=\0\xC3",
                                 20);
            break;
        case FileState::AtTheLimit:
        case FileState::OverTheLimit:
            // Padding without "=" is no key, so that a save makes the file smaller.
            content += "; ";
            content += QByteArray(UserSettingsStore::MaxFileBytes - content.size() - 1, 'p');
            content += state == FileState::AtTheLimit ? "\n" : "p\n";
            break;
        case FileState::FiftyMegabytes:
            content += "HighScoreName2=" + QByteArray(50 * 1024 * 1024, 'Z') + "\n";
            break;
        case FileState::Unreadable:
            mode = {};
            break;
        case FileState::WriteOnly:
            mode = QFile::WriteOwner;
            break;
        case FileState::ReadOnlyFile:
            mode = QFile::ReadOwner;
            break;
        default:
            break;
        }
        if (state != FileState::Missing && state != FileState::MissingFolder &&
            state != FileState::Directory && state != FileState::NamedPipe &&
            state != FileState::FolderIsAFile && state != FileState::Symlink)
            writeFile(path, content);

        if (state == FileState::Directory) QVERIFY(QDir().mkpath(path));
        if (state == FileState::NamedPipe) {
            QVERIFY(QDir().mkpath(folder));
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        }
        if (state == FileState::FolderIsAFile) writeFile(folder, content);
        if (state == FileState::Symlink) {
            writeFile(config + "/elsewhere/real.conf", content);
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(QFile::link("../elsewhere/real.conf", path));
        }
        if (QFileInfo(path).isFile()) {
            QVERIFY(QFile::setPermissions(path, mode));
            if (mode != (QFile::ReadOwner | QFile::WriteOwner)) {
                QFile probe(path);
                permissionsBind = !probe.open(QIODevice::ReadWrite);
            }
        }
        if (state == FileState::ReadOnlyFolder) {
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
            QFile probe(folder + "/probe");
            permissionsBind = !probe.open(QIODevice::WriteOnly);
        }
        const auto restorePermissions = [&] {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            if (QFileInfo(path).isFile())
                QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        };
        const auto restore = qScopeGuard(restorePermissions);
        if (!permissionsBind) QSKIP("file permissions do not bind this user");

        const QStringList before = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden);
        const bool folderWasFile = QFileInfo(folder).isFile();

        // Start-up.
        if (reads == Reads::Defaults && state != FileState::Missing &&
            state != FileState::MissingFolder && state != FileState::Empty &&
            state != FileState::FolderIsAFile)
            expectOneLine("in");
        UserSettingsStore store;
        Options options = builtIn();
        HighScoreTable table;
        loadSettings(store, options, table);

        switch (reads) {
        case Reads::Defaults:
            QCOMPARE(options, Options{});
            QCOMPARE(table.HighScoreNames[1], std::string());
            QCOMPARE(table.HighScores[1], 0);
            break;
        case Reads::Stored:
            QCOMPARE(options, StoredOptions);
            QCOMPARE(table.HighScoreNames[1], std::string("ANNA"));
            QCOMPARE(table.HighScores[1], 250);
            break;
        case Reads::Truncated:
            QCOMPARE(options, (Options{true, false, true, true, PieceSet::Balls}));
            QCOMPARE(table.HighScoreNames[1], std::string("AN"));
            QCOMPARE(table.HighScores[1], 0);
            break;
        }

        // Closing. Garbage where the store was is kept aside, under a name that says so.
        if (!saves) expectOneLine("were not saved to");
        if (state == FileState::Junk)
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression("^Mirel: .* held no settings; it is kept as "
                                                    ".*Mirel\\.conf\\.unreadable-[0-9-]+, .*"));
        QCOMPARE(saveSettings(store, NewOptions, newTable()), saves);

        if (saves) {
            UserSettingsStore again;
            Options reloaded;
            HighScoreTable reloadedTable;
            loadSettings(again, reloaded, reloadedTable);
            QCOMPARE(reloaded, NewOptions);
            QCOMPARE(reloadedTable.HighScoreNames[1], std::string("NEW1"));
            QCOMPARE(reloadedTable.HighScores[1], 299);
            if (state == FileState::Junk) {
                const QStringList aside = QDir(folder).entryList({"Mirel.conf.unreadable-*"});
                QCOMPARE(aside.size(), 1);
                QCOMPARE(contentOf(folder + "/" + aside[0]), content);
            }
            if (state == FileState::Symlink) {
                QVERIFY(QFileInfo(path).isSymLink());
                QVERIFY(contentOf(config + "/elsewhere/real.conf").contains("NEW1"));
            }
            return;
        }
        restorePermissions();
        if (state == FileState::Directory) {
            QVERIFY(QFileInfo(path).isDir());
            QVERIFY(QDir(path).isEmpty());
        } else if (state == FileState::NamedPipe) {
            struct stat info {};
            QCOMPARE(stat(QFile::encodeName(path).constData(), &info), 0);
            QVERIFY(S_ISFIFO(info.st_mode));
        } else if (state == FileState::FolderIsAFile) {
            QVERIFY(folderWasFile);
            QCOMPARE(contentOf(folder), content);
        } else {
            QCOMPARE(contentOf(path), content);
        }
        // Nothing half-written left beside it either.
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden), before);

        // A store made later in the same run still reads what the file holds.
        if (reads == Reads::Stored) {
            UserSettingsStore later;
            Options laterOptions;
            HighScoreTable laterTable;
            loadSettings(later, laterOptions, laterTable);
            QCOMPARE(laterOptions, StoredOptions);
            QCOMPARE(laterTable.HighScoreNames[1], std::string("ANNA"));
        }
    }

    void twoCopiesSavingTogetherLeaveOneWholeStore() {
        freshConfigFolder();
        {
            UserSettingsStore first;
            QVERIFY(saveSettings(first, optionsOf('S'), tableOf('S')));
        }
        QProcess a;
        QProcess b;
        a.start(QCoreApplication::applicationFilePath(), {"--save-as", "A", "60"});
        b.start(QCoreApplication::applicationFilePath(), {"--save-as", "B", "60"});
        QVERIFY(a.waitForStarted() && b.waitForStarted());
        // Looks at the file while they save: it is only ever one whole store.
        int looks = 0;
        while (a.state() != QProcess::NotRunning || b.state() != QProcess::NotRunning) {
            TextStore seen(contentOf(storePath()));
            Options options;
            HighScoreTable table;
            loadSettings(seen, options, table);
            QVERIFY(oneWholeStore(options, table));
            QCOMPARE(seen.entries.size(), std::size_t(25));
            ++looks;
            // Each wait also lets a process that has ended be seen to have ended.
            a.waitForFinished(1);
            b.waitForFinished(1);
        }
        QCOMPARE(a.exitStatus(), QProcess::NormalExit);
        QCOMPARE(b.exitStatus(), QProcess::NormalExit);
        QCOMPARE(a.exitCode(), 0);
        QCOMPARE(b.exitCode(), 0);
        QVERIFY(looks > 0);

        UserSettingsStore store;
        Options options;
        HighScoreTable table;
        loadSettings(store, options, table);
        QVERIFY(wholly(options, table, 'A') || wholly(options, table, 'B'));
        QVERIFY(!QFileInfo::exists(storePath() + ".lock"));
        QCOMPARE(QDir(config + "/Mirel").entryList(QDir::Files | QDir::Hidden),
                 QStringList{"Mirel.conf"});
    }
};

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--save-as") == 0) {
        QCoreApplication app(argc, argv);
        return saveAsCopy(argv[2][0], std::atoi(argv[3]));
    }

    // Nothing here may touch the real home: it is replaced before the first QSettings.
    QTemporaryDir home;
    if (!home.isValid()) return 1;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
    dropFileAccessOverrides();

    QCoreApplication app(argc, argv);
    UserSettingsStoreTest test(home.path());
    return QTest::qExec(&test, argc, argv);
}

#include "UserSettingsStoreTest.moc"
