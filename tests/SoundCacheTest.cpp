// The game's reading of its sound files: decoded by libsndfile, kept until the file changes,
// cut to the time limit, and the built-in chime for anything that cannot be played.
#include "sound/SoundCache.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sndfile.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

using namespace mirel;

namespace {

SoundClip tone(float level, int frames = 400) {
    SoundClip clip;
    clip.sampleRate = 8000;
    clip.channels = 1;
    clip.samples.assign(std::size_t(frames), level);
    return clip;
}

SoundClip ramp(int channels, int frames, int rate) {
    SoundClip clip;
    clip.sampleRate = rate;
    clip.channels = channels;
    for (int i = 0; i < frames * channels; ++i)
        clip.samples.push_back(float(std::sin(i * 0.37)) * 0.9f);
    return clip;
}

// The bytes this process has read through read() and its kin so far, as the kernel counts
// them; -1 where it does not say.
std::int64_t bytesReadSoFar() {
    std::ifstream io("/proc/self/io");
    std::string name;
    std::int64_t value = 0;
    while (io >> name >> value)
        if (name == "rchar:") return value;
    return -1;
}

std::string read(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void write(const QString& path, const std::string& bytes) {
    std::ofstream out(path.toStdString(), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
}

// Float samples, so that what is read back compares exactly.
void writeExact(const QString& path, const SoundClip& clip) {
    QVERIFY(writeWavFile(path.toStdString(), clip, SF_FORMAT_FLOAT));
}

// The bytes of a 16-bit WAV file (a plain 44-byte header) holding `clip`.
std::string pcm16(const QString& scratch, const SoundClip& clip) {
    if (!writeWavFile(scratch.toStdString(), clip, SF_FORMAT_PCM_16)) return {};
    return read(scratch);
}

void put32(std::string& s, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        s[at + i] = char((v >> (8 * i)) & 0xFF);
}

} // namespace

class SoundCacheTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

private slots:
    void readsBackWhatWasWritten_data() {
        QTest::addColumn<int>("encoding");
        QTest::addColumn<int>("channels");
        QTest::addColumn<double>("tolerance");
        QTest::newRow("8-bit mono") << int(SF_FORMAT_PCM_U8) << 1 << 2.0 / 128;
        QTest::newRow("16-bit stereo") << int(SF_FORMAT_PCM_16) << 2 << 2.0 / 32768;
        QTest::newRow("24-bit stereo") << int(SF_FORMAT_PCM_24) << 2 << 1e-6;
        QTest::newRow("32-bit mono") << int(SF_FORMAT_PCM_32) << 1 << 1e-7;
        QTest::newRow("float stereo") << int(SF_FORMAT_FLOAT) << 2 << 1e-7;
        QTest::newRow("double mono") << int(SF_FORMAT_DOUBLE) << 1 << 1e-7;
    }
    void readsBackWhatWasWritten() {
        QFETCH(int, encoding);
        QFETCH(int, channels);
        QFETCH(double, tolerance);
        const SoundClip clip = ramp(channels, 801, 22050);
        const QString file = path("Written.wav");
        QVERIFY(writeWavFile(file.toStdString(), clip, encoding));
        SoundCache cache;
        const auto r = cache.clipFor(file.toStdString());
        QVERIFY(r != defaultSound());
        QCOMPARE(r->sampleRate, 22050);
        QCOMPARE(r->channels, channels);
        QCOMPARE(r->frames(), clip.frames());
        double worst = 0;
        for (std::size_t i = 0; i < clip.samples.size(); ++i)
            worst = std::max(worst, double(std::abs(r->samples[i] - clip.samples[i])));
        QVERIFY2(worst <= tolerance, qPrintable(QString::number(worst)));
    }

    // Samples no output can take, and channels no output has.
    void whatIsReadIsPlayable() {
        SoundCache cache;
        const QString floats = path("Floats.wav");
        writeExact(floats, tone(0.0f, 3));
        std::string bytes = read(floats);
        const float odd[] = {2.0f, NAN, -0.5f};
        std::memcpy(bytes.data() + bytes.size() - sizeof odd, odd, sizeof odd);
        write(floats, bytes);
        QCOMPARE(cache.clipFor(floats.toStdString())->samples, std::vector<float>({1.0f, 0.0f, -0.5f}));

        SoundClip four = tone(0.0f, 0);
        four.channels = 4;
        four.samples = {1.0f, 1.0f, 0.0f, 0.0f, -1.0f, -1.0f, -1.0f, -1.0f};
        const QString quad = path("Four.wav");
        writeExact(quad, four);
        const auto mixed = cache.clipFor(quad.toStdString());
        QCOMPARE(mixed->channels, 1);
        QCOMPARE(mixed->samples, std::vector<float>({0.5f, -1.0f}));
    }

    void anUnchangedFileIsReadOnce() {
        SoundCache cache;
        const QString file = path("Short.wav");
        writeExact(file, tone(0.25f));
        const auto first = cache.clipFor(file.toStdString());
        QVERIFY(first != defaultSound());
        QCOMPARE(first->samples.front(), 0.25f);
        for (int i = 0; i < 150; ++i)
            QCOMPARE(cache.clipFor(file.toStdString()), first);
    }

    // A file replaced while the game runs is the one heard next, however it was replaced.
    void aReplacedFileIsReadAgain_data() {
        QTest::addColumn<bool>("byRename");
        QTest::addColumn<int>("newFrames");
        QTest::newRow("renamed over it") << true << 400;
        QTest::newRow("rewritten, same size") << false << 400;
        QTest::newRow("rewritten, shorter") << false << 100;
    }
    void aReplacedFileIsReadAgain() {
        QFETCH(bool, byRename);
        QFETCH(int, newFrames);
        SoundCache cache;
        const QString file = path("Long.wav");
        writeExact(file, tone(0.25f));
        const auto before = cache.clipFor(file.toStdString());
        if (byRename) {
            writeExact(path("new.wav"), tone(-0.5f, newFrames));
            QVERIFY(std::rename(path("new.wav").toLocal8Bit(), file.toLocal8Bit()) == 0);
        } else {
            writeExact(file, tone(-0.5f, newFrames));
        }
        const auto after = cache.clipFor(file.toStdString());
        QVERIFY(after != before);
        QCOMPARE(after->samples.front(), -0.5f);
        QCOMPARE(after->frames(), std::int64_t(newFrames));
    }

    // What each file gives: its frames, or (0) the built-in sound until the file is mended.
    void eachFileGivesItsSoundOrTheChime_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("frames");
        const std::string good = pcm16(path("scratch.wav"), tone(0.25f, 100));
        QCOMPARE(good.size(), std::size_t(44 + 200));
        const auto patched = [&](std::size_t at, std::uint32_t value) {
            std::string s = good;
            put32(s, at, value);
            return QByteArray::fromStdString(s);
        };
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("text") << QByteArray("not a sound at all, just some words") << 0;
        QTest::newRow("an MP3 tag") << QByteArray("ID3\x04 this is an MP3, say") << 0;
        QTest::newRow("a picture") << QByteArray("\x89PNG\r\n\x1a\n and so on") << 0;
        QTest::newRow("cut in the header") << QByteArray::fromStdString(good.substr(0, 30)) << 0;
        QTest::newRow("no samples")
            << QByteArray::fromStdString(pcm16(path("scratch.wav"), tone(0.0f, 0))) << 0;
        QTest::newRow("rate 0") << patched(24, 0) << 0;
        QTest::newRow("rate of a billion") << patched(24, 1'000'000'000) << 0;
        // What a file cut in its sound holds is played; so is a data chunk of unknown size.
        QTest::newRow("cut in the data") << QByteArray::fromStdString(good.substr(0, 44 + 60)) << 30;
        QTest::newRow("data size unknown") << patched(40, 0xFFFFFFFF) << 100;
    }
    void eachFileGivesItsSoundOrTheChime() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, frames);
        SoundCache cache;
        const QString file = path("Other.wav");
        write(file, bytes.toStdString());
        const auto clip = cache.clipFor(file.toStdString());
        if (frames == 0) {
            QCOMPARE(clip, defaultSound());
            QCOMPARE(cache.clipFor(file.toStdString()), defaultSound());
        } else {
            QVERIFY(clip != defaultSound());
            QCOMPARE(clip->frames(), std::int64_t(frames));
            QCOMPARE(clip->samples.front(), 8192.0f / 32768);
        }
        writeExact(file, tone(0.75f));
        QCOMPARE(cache.clipFor(file.toStdString())->samples.front(), 0.75f);
    }

    void aMissingFileGivesTheDefaultSoundUntilItComes() {
        SoundCache cache;
        const QString file = path("Late.wav");
        QCOMPARE(cache.clipFor(file.toStdString()), defaultSound());
        writeExact(file, tone(0.5f));
        QCOMPARE(cache.clipFor(file.toStdString())->samples.front(), 0.5f);
        QVERIFY(QFile::remove(file));
        QCOMPARE(cache.clipFor(file.toStdString()), defaultSound());
    }

    // Opening either of these would block or never end; the reader refuses them too, should
    // one be put there after the cache has looked.
    void onlyRegularFilesAreOpened_data() {
        QTest::addColumn<QString>("special");
        QTest::newRow("a folder") << path("folder.wav");
        QTest::newRow("a FIFO") << path("fifo.wav");
        QTest::newRow("an endless device") << QStringLiteral("/dev/zero");
    }
    void onlyRegularFilesAreOpened() {
        QFETCH(QString, special);
        std::filesystem::create_directory(path("folder.wav").toStdString());
        ::mkfifo(path("fifo.wav").toLocal8Bit(), 0600);
        SoundCache cache;
        QCOMPARE(cache.clipFor(special.toStdString()), defaultSound());
        QVERIFY(!readSoundFile(special.toStdString()));
    }

    // Long files, as their headers say; only as much as the limit allows is read from them.
    void aLongFileIsCutToTheLimit_data() {
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("frames");
        const int limit = int(MaxSoundLength.count());
        QTest::newRow("an hour, mono") << 1 << 44100 * limit / 1000;
        // No more samples are decoded than eight channels at the highest rate would give.
        QTest::newRow("an hour, a thousand channels") << 1000 << int(384000LL * 8 * limit / 1000 / 1000);
    }
    void aLongFileIsCutToTheLimit() {
        QFETCH(int, channels);
        QFETCH(int, frames);
        SoundClip header = tone(0.0f, 0);
        header.sampleRate = 44100;
        header.channels = channels;
        const QString file = path("Hour.wav");
        QVERIFY(writeWavFile(file.toStdString(), header, SF_FORMAT_PCM_16));
        std::string bytes = read(file);
        const auto dataSize = std::uint32_t(std::min<std::uint64_t>(
            44100ull * 2 * std::uint64_t(channels) * 3600, 0xFFFF0000u));
        put32(bytes, bytes.size() - 4, dataSize);
        write(file, bytes);
        QFile sparse(file);
        QVERIFY(sparse.resize(qint64(bytes.size()) + dataSize)); // a hole, no disk used

        SoundCache cache;
        QElapsedTimer timer;
        timer.start();
        const std::int64_t before = bytesReadSoFar();
        const auto clip = cache.clipFor(file.toStdString());
        const std::int64_t read = bytesReadSoFar() - before;
        const std::int64_t wanted = std::int64_t(frames) * channels * 2;
        qInfo("%lld bytes read for %lld of sound, in %lld ms", qint64(read), qint64(wanted),
              timer.elapsed());
        QVERIFY(clip != defaultSound());
        QCOMPARE(clip->frames(), std::int64_t(frames));
        QVERIFY(before >= 0);
        QVERIFY2(read >= wanted && read < 2 * wanted + (1 << 20),
                 qPrintable(QString::number(read)));
    }

    void theDefaultSoundIsShortAndSoft() {
        const auto chime = defaultSound();
        QVERIFY(chime->length() > std::chrono::milliseconds(50));
        QVERIFY(chime->length() < std::chrono::milliseconds(500));
        float peak = 0;
        for (float s : chime->samples)
            peak = std::max(peak, std::abs(s));
        QVERIFY(peak > 0.05f && peak <= 0.5f);
    }
};

QTEST_APPLESS_MAIN(SoundCacheTest)
#include "SoundCacheTest.moc"
