// The player with no audio server at all: every sound fails to reach an output, and the game
// must keep its pace all the same.

#include "sound/QtSoundPlayer.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <sndfile.h>

#include <ctime>
#include <fstream>

using namespace mirel;
using namespace std::chrono_literals;

namespace {

const std::string GameSounds = MIREL_SOUND_DIR;

std::int64_t lengthMs(const std::string& path) {
    const auto r = readSoundFile(path);
    const auto length = r ? r->length() : defaultSound()->length();
    return std::chrono::duration_cast<std::chrono::milliseconds>(length).count();
}

} // namespace

class QtSoundPlayerTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<QtSoundPlayer> player;

public:
    static void initMain() {
        // The same as a machine without any sound: Qt's connection to the server fails.
        qputenv("PULSE_SERVER", "unix:/nonexistent/mirel-no-audio-server");
    }

private slots:
    void initTestCase() {
        player = std::make_unique<QtSoundPlayer>();
        std::ofstream(dir.filePath("NotAWav.wav").toStdString()) << "just some words";
        // An hour of silence, as its header says: a hole in the file, no disk used.
        SoundClip hour;
        hour.sampleRate = 44100;
        hour.channels = 1;
        QVERIFY(writeWavFile(dir.filePath("Hour.wav").toStdString(), hour, SF_FORMAT_PCM_16));
        QFile file(dir.filePath("Hour.wav"));
        QVERIFY(file.open(QIODevice::ReadWrite) && file.size() == 44);
        const std::uint32_t dataSize = 44100u * 2 * 3600;
        char size[4];
        for (int i = 0; i < 4; ++i)
            size[i] = char((dataSize >> (8 * i)) & 0xFF);
        QVERIFY(file.seek(40) && file.write(size, 4) == 4);
        QVERIFY(file.resize(44 + qint64(dataSize)));
    }
    void cleanupTestCase() { player.reset(); }

    void aWaitedPlayLastsAsLongAsTheSound_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<qint64>("expected");
        for (const char* name : {"Bleep.wav", "Explode.wav", "Bazooka.wav"}) {
            const std::string path = GameSounds + "/" + name;
            QTest::newRow(name) << QString::fromStdString(path) << qint64(lengthMs(path));
        }
        const auto chime =
            qint64(std::chrono::duration_cast<std::chrono::milliseconds>(defaultSound()->length())
                       .count());
        QTest::newRow("missing") << dir.filePath("Missing.wav") << chime;
        QTest::newRow("not a WAV") << dir.filePath("NotAWav.wav") << chime;
        QTest::newRow("an hour long") << dir.filePath("Hour.wav") << qint64(MaxSoundLength.count());
    }
    void aWaitedPlayLastsAsLongAsTheSound() {
        QFETCH(QString, path);
        QFETCH(qint64, expected);
        QVERIFY(expected >= 50);
        QElapsedTimer timer;
        timer.start();
        player->play(path.toStdString(), SoundWait);
        const qint64 took = timer.elapsed();
        qInfo("%lld ms for a sound of %lld ms", took, expected);
        QVERIFY2(took >= expected && took <= expected + 300,
                 qPrintable(QStringLiteral("%1 ms").arg(took)));
    }

    // The waiting sleeps: holding the board for a second must not keep a core busy.
    void waitingDoesNotSpin() {
        const std::clock_t before = std::clock();
        player->play(GameSounds + "/Explode.wav", SoundWait);
        const double cpuMs = double(std::clock() - before) * 1000.0 / CLOCKS_PER_SEC;
        qInfo("%.1f ms of processor time over a waited second", cpuMs);
        QVERIFY(cpuMs < 100);
    }

    // One removal of the whole board starts the bleep 150 times on the UI thread.
    void manyQuickStartsCostNextToNothing() {
        const std::string bleep = GameSounds + "/Bleep.wav";
        player->play(bleep, SoundAsync);
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 150; ++i)
            player->play(bleep, SoundAsync);
        const qint64 ns = timer.nsecsElapsed();
        qInfo("150 starts in %.3f ms, %.1f us each", double(ns) / 1e6, double(ns) / 150e3);
        QVERIFY(ns < 150'000'000);
        // And a waited sound right after them keeps its length.
        timer.restart();
        player->play(GameSounds + "/Bazooka.wav", SoundWait);
        const qint64 expected = lengthMs(GameSounds + "/Bazooka.wav");
        QVERIFY(timer.elapsed() >= expected && timer.elapsed() <= expected + 300);
    }

    void closingWhileASoundPlaysIsQuick() {
        QElapsedTimer timer;
        timer.start();
        {
            QtSoundPlayer another;
            another.play(GameSounds + "/Explode.wav", SoundAsync);
        }
        QVERIFY(timer.elapsed() < 1000);
    }
};

QTEST_GUILESS_MAIN(QtSoundPlayerTest)
#include "QtSoundPlayerTest.moc"
