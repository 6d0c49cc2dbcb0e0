#include "sound/SoundCache.h"
#include "sound/DefaultSound.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
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

// Float samples, so that what is read back compares exactly.
std::string exact(const SoundClip& clip) {
    return encodeWav(clip, WavEncoding::Float32);
}

void write(const QString& path, const std::string& bytes) {
    std::ofstream out(path.toStdString(), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
}

} // namespace

class SoundCacheTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

private slots:
    void anUnchangedFileIsReadOnce() {
        SoundCache cache;
        const QString file = path("Bleep.wav");
        write(file, exact(tone(0.25f)));
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
        const QString file = path("Explode.wav");
        write(file, exact(tone(0.25f)));
        const auto before = cache.clipFor(file.toStdString());
        if (byRename) {
            write(path("new.wav"), exact(tone(-0.5f, newFrames)));
            QVERIFY(std::rename(path("new.wav").toLocal8Bit(), file.toLocal8Bit()) == 0);
        } else {
            write(file, exact(tone(-0.5f, newFrames)));
        }
        const auto after = cache.clipFor(file.toStdString());
        QVERIFY(after != before);
        QCOMPARE(after->samples.front(), -0.5f);
        QCOMPARE(after->frames(), std::int64_t(newFrames));
    }

    // Each gives the built-in sound, and a file mended later is played again.
    void whatCannotBePlayedGivesTheDefaultSound_data() {
        QTest::addColumn<QByteArray>("bytes");
        const std::string good = exact(tone(0.25f));
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("truncated") << QByteArray::fromStdString(good.substr(0, good.size() / 2));
        QTest::newRow("not a WAV") << QByteArray("ID3\x04 this is an MP3, say");
        QTest::newRow("a picture") << QByteArray("\x89PNG\r\n\x1a\n and so on");
    }
    void whatCannotBePlayedGivesTheDefaultSound() {
        QFETCH(QByteArray, bytes);
        SoundCache cache;
        const QString file = path("Bazooka.wav");
        write(file, bytes.toStdString());
        QCOMPARE(cache.clipFor(file.toStdString()), defaultSound());
        QCOMPARE(cache.clipFor(file.toStdString()), defaultSound());
        write(file, exact(tone(0.75f)));
        QCOMPARE(cache.clipFor(file.toStdString())->samples.front(), 0.75f);
    }

    void aMissingFileGivesTheDefaultSoundUntilItComes() {
        SoundCache cache;
        const QString file = path("Late.wav");
        QCOMPARE(cache.clipFor(file.toStdString()), defaultSound());
        write(file, exact(tone(0.5f)));
        QCOMPARE(cache.clipFor(file.toStdString())->samples.front(), 0.5f);
        QVERIFY(QFile::remove(file));
        QCOMPARE(cache.clipFor(file.toStdString()), defaultSound());
    }

    // Opening either of these would block or never end.
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
    }

    // An hour of sound, as the file says; only the start is read, quickly.
    void anHourLongFileIsCutToTheLimit() {
        const QString file = path("Hour.wav");
        SoundClip header = tone(0.0f, 0);
        header.sampleRate = 44100;
        std::string bytes = encodeWav(header);
        const std::uint32_t dataSize = 44100u * 2 * 3600;
        for (int i = 0; i < 4; ++i)
            bytes[40 + i] = char((dataSize >> (8 * i)) & 0xFF);
        write(file, bytes);
        QFile sparse(file);
        QVERIFY(sparse.resize(qint64(bytes.size()) + dataSize)); // a hole, no disk used

        SoundCache cache;
        QElapsedTimer timer;
        timer.start();
        const auto clip = cache.clipFor(file.toStdString());
        qInfo("an hour-long file read in %lld ms", timer.elapsed());
        QVERIFY(clip != defaultSound());
        QCOMPARE(clip->length(), std::chrono::microseconds(MaxSoundLength));
        QCOMPARE(clip->samples.size(), std::size_t(44100 * MaxSoundLength.count() / 1000));
        QVERIFY(timer.elapsed() < 2000);
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
