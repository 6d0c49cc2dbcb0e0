// The game's sound player loads the real player from a module beside the program: it hands
// every sound on to the module's player, and without a usable module it says so once and
// plays on in silence.

#include "sound/ModuleSoundPlayer.h"
#include "sound/SoundFiles.h"
#include "sound/SoundModule.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLibrary>
#include <QTemporaryDir>
#include <QTest>

using namespace mirel;

namespace {

QStringList messages;
QtMessageHandler testsOwn = nullptr;

void keepMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    // Qt Multimedia has its own things to say without an audio server; only ours count.
    if (message.startsWith(QStringLiteral("Mirel:")))
        messages << message;
    else
        testsOwn(type, context, message);
}

// What the recording stand-in was asked for.
struct Recorded {
    QLibrary module{QStringLiteral(MIREL_RECORDING_MODULE)};

    int call(const char* name) {
        const auto f = reinterpret_cast<int (*)()>(module.resolve(name));
        return f ? f() : -1;
    }
    int made() { return call("mirel_fake_players_made"); }
    int deleted() { return call("mirel_fake_players_deleted"); }
    QStringList sounds() {
        const auto path =
            reinterpret_cast<const char* (*)(int)>(module.resolve("mirel_fake_sound_path"));
        const auto flags = reinterpret_cast<int (*)(int)>(module.resolve("mirel_fake_sound_flags"));
        QStringList list;
        const int n = call("mirel_fake_sounds");
        for (int i = 0; i < n; ++i)
            list << QStringLiteral("%1 %2").arg(QString::fromUtf8(path(i))).arg(flags(i));
        return list;
    }
};

} // namespace

class ModuleSoundPlayerTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

public:
    static void initMain() {
        // The real module's player, on a machine with no sound at all.
        qputenv("PULSE_SERVER", "unix:/nonexistent/mirel-no-audio-server");
    }

private slots:
    void initTestCase() {
        testsOwn = qInstallMessageHandler(keepMessage);
        QFile text(dir.filePath(QStringLiteral("mirel-sound.so")));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("not a module at all\n");
    }
    void init() { messages.clear(); }

    void everySoundGoesToTheModulesPlayerAndItIsMadeOnce() {
        Recorded recorded;
        const int made = recorded.made();
        const int deleted = recorded.deleted();
        const int before = recorded.sounds().size();
        {
            ModuleSoundPlayer sound{QStringLiteral(MIREL_RECORDING_MODULE)};
            QVERIFY(!sound.loaded());
            QCOMPARE(recorded.made(), made);
            sound.load();
            QVERIFY(sound.loaded());
            sound.load();
            sound.play(std::string("/games/") + BleepSound, SoundAsync);
            sound.play(std::string("/games/") + ExplodeSound, SoundWait);
            sound.play(std::string("/games/") + BazookaSound, SoundWait);
            QCOMPARE(recorded.made(), made + 1);
            QCOMPARE(recorded.deleted(), deleted);
        }
        QCOMPARE(recorded.sounds().mid(before),
                 QStringList({QStringLiteral("/games/%1 1").arg(BleepSound),
                              QStringLiteral("/games/%1 0").arg(ExplodeSound),
                              QStringLiteral("/games/%1 0").arg(BazookaSound)}));
        // The game's player goes with the game's.
        QCOMPARE(recorded.deleted(), deleted + 1);
        QCOMPARE(messages, QStringList());
    }

    // A sound before the window has painted loads the module there and then: none is lost.
    void aSoundBeforeTheLoadLoadsTheModule() {
        Recorded recorded;
        const int before = recorded.sounds().size();
        ModuleSoundPlayer sound{QStringLiteral(MIREL_RECORDING_MODULE)};
        sound.play(std::string("/games/") + BleepSound, SoundAsync);
        QVERIFY(sound.loaded());
        sound.load();
        QCOMPARE(recorded.sounds().mid(before), QStringList(QStringLiteral("/games/%1 1").arg(BleepSound)));
        QCOMPARE(messages, QStringList());
    }

    void withoutAUsableModuleTheGameSaysSoOnceAndPlaysOnInSilence_data() {
        QTest::addColumn<QString>("module");
        QTest::addColumn<QString>("said");
        QTest::newRow("missing") << dir.filePath(QStringLiteral("nothing-here.so"))
                                 << QStringLiteral("nothing-here.so");
        QTest::newRow("not a module")
            << dir.filePath(QStringLiteral("mirel-sound.so")) << QStringLiteral("mirel-sound.so");
        QTest::newRow("no entry") << QStringLiteral(MIREL_ENTRYLESS_MODULE)
                                  << QString::fromLatin1(SoundModuleEntry);
        QTest::newRow("makes no player")
            << QStringLiteral(MIREL_REFUSING_MODULE) << QStringLiteral("another version");
    }
    void withoutAUsableModuleTheGameSaysSoOnceAndPlaysOnInSilence() {
        QFETCH(QString, module);
        QFETCH(QString, said);
        ModuleSoundPlayer sound{module};
        sound.load();
        QVERIFY(!sound.loaded());
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 3; ++i) {
            sound.play(std::string("/games/") + ExplodeSound, SoundWait);
            sound.play(std::string("/games/") + BleepSound, SoundAsync);
        }
        sound.load();
        // Silence waits for nothing (reported; a hang fails the timeout).
        qInfo("%lld ms for six plays in silence", clock.elapsed());
        QVERIFY(!sound.loaded());
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.front().contains(said), qPrintable(messages.front()));
    }

    // The module the game ships loads and starts its player, and refuses another interface.
    void theGamesModuleLoadsWithoutAWord() {
        {
            ModuleSoundPlayer sound{QStringLiteral(MIREL_SOUND_MODULE)};
            sound.load();
            QVERIFY(sound.loaded());
            sound.play(std::string("/nonexistent/") + BleepSound, SoundAsync);
        }
        QCOMPARE(messages, QStringList());

        QLibrary module(QStringLiteral(MIREL_SOUND_MODULE));
        const auto create = reinterpret_cast<SoundModuleCreate>(module.resolve(SoundModuleEntry));
        QVERIFY2(create, qPrintable(module.errorString()));
        QCOMPARE(create(SoundModuleInterface + 1), nullptr);
    }
};

QTEST_GUILESS_MAIN(ModuleSoundPlayerTest)
#include "ModuleSoundPlayerTest.moc"
