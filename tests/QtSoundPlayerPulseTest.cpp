// The player against a real audio server: a private PulseAudio with a null sink, whose
// monitor is recorded while the game's own player plays. Skipped where no server can start.

#include "sound/QtSoundPlayer.h"

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
constexpr qint64 Late = 300; // how far past its length a waited play may return

qint64 ms(std::chrono::microseconds length) {
    return qint64(length.count() / 1000);
}

// Children of the test die with it, even when it crashes.
void dieWithTheTest(QProcess& process) {
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
}

struct Span {
    qint64 start = -1; // ms
    qint64 end = -1;
    qint64 length() const { return start < 0 ? 0 : end - start; }
};

// From the first to the last 10 ms window of the first channel whose RMS exceeds `level`.
Span soundingSpan(const SoundClip& clip, double level) {
    const std::int64_t window = clip.sampleRate / 100;
    Span span;
    for (std::int64_t from = 0; from + window <= clip.frames(); from += window) {
        double sum = 0;
        for (std::int64_t i = from; i < from + window; ++i) {
            const double s = clip.samples[std::size_t(i * clip.channels)];
            sum += s * s;
        }
        if (std::sqrt(sum / double(window)) > level) {
            const qint64 at = from * 1000 / clip.sampleRate;
            if (span.start < 0) span.start = at;
            span.end = at + 10;
        }
    }
    return span;
}

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
        QElapsedTimer timer;
        timer.start();
        while (!QFileInfo::exists(socket()) && timer.elapsed() < 10000 &&
               process.state() == QProcess::Running)
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
        constexpr qint64 Settled = 44 + 44100 * 4 / 2;
        QElapsedTimer timer;
        timer.start();
        while (QFileInfo(file).size() < Settled && timer.elapsed() < 10000 &&
               process.state() == QProcess::Running)
            QThread::msleep(10);
        if (QFileInfo(file).size() < Settled) return "parecord recorded nothing";
        return {};
    }
    // Stops a little after the last sound, so that its end is in the file.
    std::optional<SoundClip> stop() {
        QThread::msleep(400);
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

    // Each of the game's sounds is heard whole, once, and a waited play returns when it ends;
    // a missing file is heard as the built-in chime.
    void eachGameSoundIsHeard_data() {
        QTest::addColumn<QString>("path");
        for (const char* name : {"Bleep.wav", "Explode.wav", "Bazooka.wav"})
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
        QVERIFY2(took >= length && took <= length + Late, qPrintable(QString::number(took)));

        // The same measure on the file and on what came out of the server.
        const Span played = soundingSpan(file, 0.003);
        const Span heard = soundingSpan(*recording, 0.003);
        qInfo("peak %.3f heard, %.3f in the file; %lld ms heard, %lld ms in the file",
              double(peakOf(*recording)), double(peakOf(file)), heard.length(), played.length());
        // The monitor of this test server now and then misses the first 20 ms or so of the
        // first sound of a recording (the bleep's loudest part); a cut-off or silent sound
        // would still fail here.
        QVERIFY(peakOf(*recording) > 0.3f * peakOf(file));
        QVERIFY(std::abs(heard.length() - played.length()) <= 30);
    }

    // A sound that is waited for is not cut off by the next one.
    void aWaitedSoundIsHeardToItsEnd() {
        const std::string loud = tone("loud.wav", 0.5f, 500ms);
        const std::string soft = tone("soft.wav", 0.1f, 300ms);
        Recorder recorder;
        const QString why = recorder.start(server);
        QVERIFY2(why.isEmpty(), qPrintable(why));
        player->play(loud, SoundWait);
        player->play(soft, SoundWait);
        const auto recording = recorder.stop();
        QVERIFY(recording);
        const Span first = soundingSpan(*recording, 0.2); // the loud one alone
        const Span both = soundingSpan(*recording, 0.03); // both
        qInfo("loud tone heard for %lld ms, both over %lld ms", first.length(), both.length());
        QVERIFY(first.length() >= 480 && first.length() <= 520);
        QVERIFY(both.length() >= 800 && both.length() <= 800 + 100);
    }

    void aNewSoundCutsOffTheOneStillPlaying() {
        Recorder recorder;
        const QString why = recorder.start(server);
        QVERIFY2(why.isEmpty(), qPrintable(why));
        player->play(GameSounds + "/Explode.wav", SoundAsync);
        QThread::msleep(200);
        player->play(GameSounds + "/Bleep.wav", SoundAsync);
        QThread::msleep(1200);
        const auto recording = recorder.stop();
        QVERIFY(recording);
        const Span heard = soundingSpan(*recording, 0.003);
        qInfo("%lld ms heard of a cut-off explosion and a bleep", heard.length());
        QVERIFY(heard.length() >= 200 && heard.length() <= 450);
    }

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
        QThread::msleep(200);
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
        for (const char* name : {"Bleep.wav", "Explode.wav", "Bazooka.wav"})
            files << QString::fromStdString(GameSounds + "/" + name);
        game.start(QCoreApplication::applicationFilePath(), QStringList{"--play-waited"} + files);
        QVERIFY(game.waitForFinished(20000));
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
            QVERIFY(took[i].toLongLong() >= length && took[i].toLongLong() <= length + Late);
        }
        QVERIFY(recording);
        QVERIFY(peakOf(*recording) < 0.001f);
    }

    // Last, as it takes the server away: the game plays on in silence, on time.
    void theServerGoingAwayMidSoundStopsNothing() {
        player->play(GameSounds + "/Explode.wav", SoundAsync);
        QThread::msleep(300);
        server.kill();
        // Twice: at once, and after Qt has had time to try to reach the server again.
        for (int round = 0; round < 2; ++round) {
            for (const char* name : {"Bleep.wav", "Explode.wav", "Bazooka.wav"}) {
                const std::string path = GameSounds + "/" + name;
                const qint64 length = ms(readSoundFile(path)->length());
                const qint64 took = timedPlay(*player, path, SoundWait);
                qInfo("%s without the server: %lld ms for %lld ms", name, took, length);
                QVERIFY(took >= length && took <= length + Late);
            }
            QElapsedTimer timer;
            timer.start();
            for (int i = 0; i < 150; ++i)
                player->play(GameSounds + "/Bleep.wav", SoundAsync);
            QVERIFY(timer.elapsed() < 150);
            if (round == 0) QThread::msleep(3500);
        }
        QElapsedTimer timer;
        timer.start();
        player.reset();
        QVERIFY(timer.elapsed() < 3000);
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
