// The player with no audio server at all: every sound fails to reach an output, and the game
// must keep its pace all the same.

#include "sound/QtSoundPlayer.h"
#include "sound/SoundFiles.h"

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
        for (const char* name : GameSoundFiles) {
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
    // A waited play holds the game for the sound's length at least; how much longer it takes,
    // and the processor time it costs (it sleeps), are the benchmarks' to report.
    void aWaitedPlayLastsAsLongAsTheSound() {
        QFETCH(QString, path);
        QFETCH(qint64, expected);
        QVERIFY(expected >= 50);
        const std::clock_t cpu = std::clock();
        QElapsedTimer timer;
        timer.start();
        player->play(path.toStdString(), SoundWait);
        const qint64 took = timer.elapsed();
        qInfo("%lld ms for a sound of %lld ms, %.1f ms of processor time", took, expected,
              double(std::clock() - cpu) * 1000.0 / CLOCKS_PER_SEC);
        QVERIFY2(took >= expected, qPrintable(QStringLiteral("%1 ms").arg(took)));
    }

    // One removal of the whole board starts the bleep 150 times on the UI thread, and a player
    // is closed while a sound plays; a waited sound right after them keeps its length.
    void aWaitedSoundKeepsItsLengthAfterManyStartsAndAClose() {
        const std::string bleep = GameSounds + "/" + BleepSound;
        player->play(bleep, SoundAsync);
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 150; ++i)
            player->play(bleep, SoundAsync);
        qInfo("150 starts in %.3f ms", double(timer.nsecsElapsed()) / 1e6);
        timer.restart();
        {
            QtSoundPlayer another;
            another.play(GameSounds + "/" + ExplodeSound, SoundAsync);
        }
        qInfo("closed while playing in %lld ms", timer.elapsed());
        timer.restart();
        const std::string bazooka = GameSounds + "/" + BazookaSound;
        player->play(bazooka, SoundWait);
        QVERIFY(timer.elapsed() >= lengthMs(bazooka));
    }
};

QTEST_GUILESS_MAIN(QtSoundPlayerTest)
#include "QtSoundPlayerTest.moc"
