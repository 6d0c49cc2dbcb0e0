// The player against a real audio server: a private PulseAudio with a null sink, whose
// monitor is recorded while the game's own player plays. Skipped where no server can start.

#include "sound/QtSoundPlayer.h"
#include "sound/SoundFiles.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <sndfile.h>

#include <cmath>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <sys/prctl.h>

using namespace mirel;
using namespace std::chrono_literals;

namespace {

const std::string GameSounds = MIREL_SOUND_DIR;

qint64 ms(std::chrono::microseconds length) {
    return qint64(length.count() / 1000);
}

// Children of the test die with it, even when it crashes.
void dieWithTheTest(QProcess& process) {
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
}

// The RMS of the first channel in each 10 ms window.
std::vector<double> levels(const SoundClip& clip) {
    const std::int64_t window = clip.sampleRate / 100;
    std::vector<double> out;
    for (std::int64_t from = 0; from + window <= clip.frames(); from += window) {
        double sum = 0;
        for (std::int64_t i = from; i < from + window; ++i) {
            const double s = clip.samples[std::size_t(i * clip.channels)];
            sum += s * s;
        }
        out.push_back(std::sqrt(sum / double(window)));
    }
    return out;
}

// The 10 ms windows of [from, to) louder than `level`: from the first to the last of them,
// and how many. A stall of the server shows as a span longer than the sound that was heard.
struct Span {
    qint64 start = -1; // ms
    qint64 end = -1;
    qint64 sounding = 0; // ms
    qint64 length() const { return start < 0 ? 0 : end - start; }
};
Span soundingSpan(const std::vector<double>& rms, double level, std::size_t from = 0,
                  std::size_t to = SIZE_MAX) {
    Span span;
    for (std::size_t i = from; i < std::min(to, rms.size()); ++i)
        if (rms[i] > level) {
            if (span.start < 0) span.start = qint64(i) * 10;
            span.end = qint64(i) * 10 + 10;
            span.sounding += 10;
        }
    return span;
}
Span soundingSpan(const SoundClip& clip, double level) { return soundingSpan(levels(clip), level); }

float peakOf(const SoundClip& clip) {
    float peak = 0;
    for (float s : clip.samples)
        peak = std::max(peak, std::abs(s));
    return peak;
}

// A private server in a folder of its own: never the player's own server or session bus.
class AudioServer {
public:
    QString start() {
        if (QStandardPaths::findExecutable("pulseaudio").isEmpty())
            return "pulseaudio is not installed";
        if (!dir.isValid()) return "no temporary folder";
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", dir.path());
        env.insert("HOME", dir.path());
        for (const char* name : {"DBUS_SESSION_BUS_ADDRESS", "DISPLAY", "WAYLAND_DISPLAY",
                                 "PULSE_SERVER", "PULSE_COOKIE"})
            env.remove(name);
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::MergedChannels);
        dieWithTheTest(process);
        process.start("pulseaudio",
                      {"--daemonize=no", "--exit-idle-time=-1", "-n", "--use-pid-file=no",
                       "--log-target=stderr", "--load=module-null-sink sink_name=null",
                       "--load=module-native-protocol-unix"});
        if (!process.waitForStarted(5000)) return "pulseaudio did not start";
        // However long a busy machine takes: a server that hangs fails the test's timeout.
        while (!QFileInfo::exists(socket()) && process.state() == QProcess::Running)
            QThread::msleep(20);
        if (!QFileInfo::exists(socket())) {
            stop();
            return "pulseaudio did not come up: " + QString::fromLocal8Bit(process.readAll());
        }
        return {};
    }
    void stop() {
        if (process.state() == QProcess::NotRunning) return;
        process.terminate();
        if (!process.waitForFinished(5000)) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
    void kill() {
        process.kill();
        process.waitForFinished(5000);
    }
    ~AudioServer() { stop(); }

    QString socket() const { return dir.filePath("pulse/native"); }
    // What a client needs to reach this server and this one only.
    QProcessEnvironment clientEnvironment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("PULSE_SERVER", "unix:" + socket());
        env.insert("PULSE_COOKIE", dir.filePath("cookie"));
        return env;
    }
    QString folder() const { return dir.path(); }

private:
    QTemporaryDir dir;
    QProcess process;
};

// Records the null sink's monitor into a WAV file.
class Recorder {
public:
    QString start(const AudioServer& server) {
        if (QStandardPaths::findExecutable("parecord").isEmpty())
            return "parecord is not installed";
        file = server.folder() + "/recording.wav";
        QFile::remove(file);
        process.setProcessEnvironment(server.clientEnvironment());
        dieWithTheTest(process);
        process.start("parecord",
                      {"--latency-msec=20", "-d", "null.monitor", "--file-format=wav", file});
        if (!process.waitForStarted(5000)) return "parecord did not start";
        // A fresh recording stays empty for a moment, and then settles: wait for a quarter
        // of a second of sound data (16-bit stereo at 44.1 kHz) to come.
        if (!recordOn(44 + BytesPerSecond / 4)) return "parecord recorded nothing";
        return {};
    }
    // Stops once 0.4 s more has been recorded, so that the end of the last sound is in the file.
    std::optional<SoundClip> stop() {
        recordOn(QFileInfo(file).size() + BytesPerSecond * 2 / 5);
        if (process.state() == QProcess::Running) {
            ::kill(pid_t(process.processId()), SIGINT);
            if (!process.waitForFinished(5000)) process.kill();
        }
        process.waitForFinished(5000);
        return readSoundFile(file.toStdString(), 120s);
    }
    ~Recorder() {
        process.kill();
        process.waitForFinished(5000);
    }

private:
    static constexpr qint64 BytesPerSecond = 44100 * 4; // 16-bit stereo
    // Until the file has `size` bytes, however long a busy machine takes.
    bool recordOn(qint64 size) {
        while (QFileInfo(file).size() < size && process.state() == QProcess::Running)
            QThread::msleep(10);
        return QFileInfo(file).size() >= size;
    }
    QString file;
    QProcess process;
};

SoundClip sine(float level, std::chrono::milliseconds length) {
    SoundClip clip;
    clip.sampleRate = 44100;
    clip.channels = 1;
    for (int i = 0; i < 44100 * length.count() / 1000; ++i)
        clip.samples.push_back(level * float(std::sin(2 * M_PI * 440.0 * i / 44100)));
    return clip;
}

qint64 timedPlay(QtSoundPlayer& player, const std::string& path, std::int16_t flags) {
    QElapsedTimer timer;
    timer.start();
    player.play(path, flags);
    return timer.elapsed();
}

} // namespace

class QtSoundPlayerPulseTest : public QObject {
    Q_OBJECT

    AudioServer server;
    std::unique_ptr<QtSoundPlayer> player;
    QTemporaryDir dir;

    std::string tone(const char* name, float level, std::chrono::milliseconds length) {
        const std::string path = dir.filePath(name).toStdString();
        return writeWavFile(path, sine(level, length), SF_FORMAT_PCM_16) ? path : std::string();
    }

private slots:
    void initTestCase() {
        const QString why = server.start();
        if (!why.isEmpty()) QSKIP(qPrintable("no audio server to test with: " + why));
        const QProcessEnvironment env = server.clientEnvironment();
        for (const char* name : {"PULSE_SERVER", "PULSE_COOKIE"})
            qputenv(name, env.value(name).toLocal8Bit());
        player = std::make_unique<QtSoundPlayer>();
    }
    void cleanupTestCase() {
        player.reset();
        server.stop();
    }

    // Each of the game's sounds is heard, as loud as in its file, and a waited play holds the
    // caller for the sound's length at least; a missing file is heard as the built-in chime.
    // How much of the sound the recording holds depends on the server keeping up: reported.
    void eachGameSoundIsHeard_data() {
        QTest::addColumn<QString>("path");
        for (const char* name : GameSoundFiles)
            QTest::newRow(name) << QString::fromStdString(GameSounds + "/" + name);
        QTest::newRow("missing") << dir.filePath("Missing.wav");
    }
    void eachGameSoundIsHeard() {
        QFETCH(QString, path);
        const auto reading = readSoundFile(path.toStdString());
        const SoundClip& file = reading ? *reading : *defaultSound();
        Recorder recorder;
        const QString why = recorder.start(server);
        QVERIFY2(why.isEmpty(), qPrintable(why));

        const qint64 took = timedPlay(*player, path.toStdString(), SoundWait);
        const auto recording = recorder.stop();
        QVERIFY(recording);
        const qint64 length = ms(file.length());
        qInfo("waited %lld ms for a sound of %lld ms", took, length);
        QVERIFY2(took >= length, qPrintable(QString::number(took)));

        // The same measure on the file and on what came out of the server.
        const Span played = soundingSpan(file, 0.003);
        const Span heard = soundingSpan(*recording, 0.003);
        qInfo("peak %.3f heard, %.3f in the file; %lld ms heard (over %lld ms), %lld ms in the file",
              double(peakOf(*recording)), double(peakOf(file)), heard.sounding, heard.length(),
              played.sounding);
        // The monitor of this test server now and then misses the first 20 ms or so of the
        // first sound of a recording (the bleep's loudest part); a cut-off or silent sound
        // would still fail here.
        QVERIFY(peakOf(*recording) > 0.3f * peakOf(file));
    }

    // A sound that is waited for is heard before the next one: a loud tone and then a soft one
    // are heard, in that order, and nothing before them. How long each was heard and the gap
    // between them are reported: a server that falls behind on a busy machine stretches or
    // cuts them.
    void aWaitedSoundIsHeardBeforeTheNext() {
        const std::string loud = tone("loud.wav", 0.5f, 500ms);
        const std::string soft = tone("soft.wav", 0.1f, 300ms);
        Recorder recorder;
        const QString why = recorder.start(server);
        QVERIFY2(why.isEmpty(), qPrintable(why));
        player->play(loud, SoundWait);
        player->play(soft, SoundWait);
        const auto recording = recorder.stop();
        QVERIFY(recording);
        // The loud tone's windows are above 0.2 (its RMS is 0.35), the soft one's above 0.03.
        const std::vector<double> rms = levels(*recording);
        const Span first = soundingSpan(rms, 0.2);
        QVERIFY(first.start >= 0);
        const Span before = soundingSpan(rms, 0.03, 0, std::size_t(first.start / 10));
        const Span second = soundingSpan(rms, 0.03, std::size_t(first.end / 10));
        qInfo("loud tone heard for %lld ms (over %lld ms), then after %lld ms the soft one for "
              "%lld ms (over %lld ms)",
              first.sounding, first.length(), second.start - first.end, second.sounding,
              second.length());
        QVERIFY2(before.sounding <= 10, "nothing before the loud tone");
        // A soft tone that replaced the loud one before it started would leave no loud tone.
        QVERIFY2(second.start >= 0, "the soft tone after the loud one");
    }

    // The bleep cuts the explosion off: the explosion is not heard to its end.
    void aNewSoundCutsOffTheOneStillPlaying() {
        const qint64 explosion = soundingSpan(*readSoundFile(GameSounds + "/" + ExplodeSound), 0.003).sounding;
        const qint64 bleep = ms(readSoundFile(GameSounds + "/" + BleepSound)->length());
        Recorder recorder;
        const QString why = recorder.start(server);
        QVERIFY2(why.isEmpty(), qPrintable(why));
        QElapsedTimer timer;
        timer.start();
        player->play(GameSounds + "/" + ExplodeSound, SoundAsync);
        QThread::msleep(200);
        const qint64 between = timer.elapsed();
        player->play(GameSounds + "/" + BleepSound, SoundAsync);
        QThread::msleep(1200);
        const auto recording = recorder.stop();
        QVERIFY(recording);
        const Span heard = soundingSpan(*recording, 0.003);
        qInfo("%lld ms heard (over %lld ms) of an explosion of %lld ms cut off after %lld ms and "
              "a bleep",
              heard.sounding, heard.length(), explosion, between);
        // Only when the bleep came well before the explosion's end can the cut be heard.
        if (between + bleep + 300 > explosion) QSKIP("the machine was too busy to tell");
        QVERIFY(heard.sounding >= 100); // more than the bleep alone
        QVERIFY(heard.sounding < explosion - 150);
    }

    // Another game with no server to reach: it keeps its pace and this server hears nothing.
    void withoutAServerNothingIsHeardAndThePaceIsKept() {
        Recorder recorder;
        const QString why = recorder.start(server);
        QVERIFY2(why.isEmpty(), qPrintable(why));
        QProcess game;
        QProcessEnvironment env = server.clientEnvironment();
        env.insert("PULSE_SERVER", "unix:" + server.folder() + "/no-server-here");
        game.setProcessEnvironment(env);
        dieWithTheTest(game);
        QStringList files;
        for (const char* name : GameSoundFiles)
            files << QString::fromStdString(GameSounds + "/" + name);
        game.start(QCoreApplication::applicationFilePath(), QStringList{"--play-waited"} + files);
        QVERIFY(game.waitForFinished(-1));
        const auto recording = recorder.stop();
        QCOMPARE(game.exitStatus(), QProcess::NormalExit);
        QCOMPARE(game.exitCode(), 0);
        const QStringList took =
            QString::fromLocal8Bit(game.readAllStandardOutput()).split(' ', Qt::SkipEmptyParts);
        QCOMPARE(took.size(), files.size());
        for (int i = 0; i < files.size(); ++i) {
            const qint64 length = ms(readSoundFile(files[i].toStdString())->length());
            qInfo("%s: waited %s ms for %lld ms", qPrintable(QFileInfo(files[i]).fileName()),
                  qPrintable(took[i]), length);
            QVERIFY(took[i].toLongLong() >= length);
        }
        QVERIFY(recording);
        QVERIFY(peakOf(*recording) < 0.001f);
    }

    // Last, as it takes the server away: the game plays on in silence, a waited sound still
    // holding it for the sound's length.
    void theServerGoingAwayMidSoundStopsNothing() {
        player->play(GameSounds + "/" + ExplodeSound, SoundAsync);
        QThread::msleep(300);
        server.kill();
        // Twice: at once, and after Qt has had time to try to reach the server again.
        for (int round = 0; round < 2; ++round) {
            for (const char* name : GameSoundFiles) {
                const std::string path = GameSounds + "/" + name;
                const qint64 length = ms(readSoundFile(path)->length());
                const qint64 took = timedPlay(*player, path, SoundWait);
                qInfo("%s without the server: %lld ms for %lld ms", name, took, length);
                QVERIFY(took >= length);
            }
            QElapsedTimer timer;
            timer.start();
            for (int i = 0; i < 150; ++i)
                player->play(GameSounds + "/" + BleepSound, SoundAsync);
            qInfo("150 starts without the server in %lld ms", timer.elapsed());
            if (round == 0) QThread::msleep(3500);
        }
        QElapsedTimer timer;
        timer.start();
        player.reset();
        qInfo("closed in %lld ms", timer.elapsed());
    }
};

// The game's side of the test above: plays each file waited and prints how long each took.
static int playWaited(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QtSoundPlayer player;
    for (int i = 2; i < argc; ++i)
        std::cout << timedPlay(player, argv[i], SoundWait) << ' ' << std::flush;
    return 0;
}

int main(int argc, char* argv[]) {
    if (argc >= 2 && std::string(argv[1]) == "--play-waited") return playWaited(argc, argv);
    QCoreApplication app(argc, argv);
    QtSoundPlayerPulseTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "QtSoundPlayerPulseTest.moc"
