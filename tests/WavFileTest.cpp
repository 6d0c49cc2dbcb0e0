#include "sound/WavFile.h"

#include <QTest>

#include <cmath>
#include <sstream>

using namespace mirel;
using namespace std::chrono_literals;

Q_DECLARE_METATYPE(mirel::WavEncoding)
Q_DECLARE_METATYPE(mirel::WavProblem)

namespace {

WavReading read(const std::string& bytes, std::chrono::milliseconds limit = MaxSoundLength) {
    std::istringstream in(bytes);
    return readWav(in, limit);
}

SoundClip ramp(int channels, int frames, int rate = 8000) {
    SoundClip clip;
    clip.sampleRate = rate;
    clip.channels = channels;
    for (int i = 0; i < frames * channels; ++i)
        clip.samples.push_back(float(std::sin(i * 0.37)) * 0.9f);
    return clip;
}

void put32(std::string& s, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        s[at + i] = char((v >> (8 * i)) & 0xFF);
}

// A 44-byte canonical header followed by `data`, with the fields as given.
std::string wav(std::uint16_t tag, int channels, int rate, int bits, const std::string& data) {
    SoundClip empty;
    empty.sampleRate = rate;
    empty.channels = channels;
    std::string out = encodeWav(empty);
    out[20] = char(tag & 0xFF);
    out[21] = char(tag >> 8);
    const int block = channels * bits / 8;
    put32(out, 28, std::uint32_t(rate * block));
    out[32] = char(block);
    out[33] = char(block >> 8);
    out[34] = char(bits);
    put32(out, 40, std::uint32_t(data.size()));
    return out + data;
}

} // namespace

class WavFileTest : public QObject {
    Q_OBJECT

private slots:
    void readsBackWhatWasWritten_data() {
        QTest::addColumn<WavEncoding>("encoding");
        QTest::addColumn<int>("channels");
        QTest::addColumn<double>("tolerance");
        QTest::newRow("8-bit mono") << WavEncoding::Pcm8 << 1 << 2.0 / 128;
        QTest::newRow("16-bit mono") << WavEncoding::Pcm16 << 1 << 2.0 / 32768;
        QTest::newRow("16-bit stereo") << WavEncoding::Pcm16 << 2 << 2.0 / 32768;
        QTest::newRow("24-bit stereo") << WavEncoding::Pcm24 << 2 << 1e-6;
        QTest::newRow("32-bit mono") << WavEncoding::Pcm32 << 1 << 1e-7;
        QTest::newRow("float stereo") << WavEncoding::Float32 << 2 << 1e-7;
    }
    void readsBackWhatWasWritten() {
        QFETCH(WavEncoding, encoding);
        QFETCH(int, channels);
        QFETCH(double, tolerance);
        const SoundClip clip = ramp(channels, 801, 22050);
        const WavReading r = read(encodeWav(clip, encoding));
        QCOMPARE(r.problem, WavProblem::None);
        QVERIFY(r.clip && !r.shortened);
        QCOMPARE(r.clip->sampleRate, 22050);
        QCOMPARE(r.clip->channels, channels);
        QCOMPARE(r.clip->samples.size(), clip.samples.size());
        for (std::size_t i = 0; i < clip.samples.size(); ++i)
            QVERIFY2(std::abs(r.clip->samples[i] - clip.samples[i]) <= tolerance,
                     qPrintable(QString::number(i)));
        QCOMPARE(r.clip->length(), std::chrono::microseconds(801 * 1'000'000LL / 22050));
    }

    // Sample values whose scaling is easy to get wrong, written byte by byte.
    void decodesKnownSamples_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QList<float>>("expected");
        const auto bytes = [](std::initializer_list<int> b) {
            std::string s;
            for (int v : b)
                s.push_back(char(v));
            return s;
        };
        QTest::newRow("8-bit is unsigned")
            << QByteArray::fromStdString(wav(1, 1, 8000, 8, bytes({0, 128, 255})))
            << QList<float>{-1.0f, 0.0f, 127.0f / 128};
        QTest::newRow("16-bit extremes")
            << QByteArray::fromStdString(wav(1, 1, 8000, 16, bytes({0x00, 0x80, 0xFF, 0x7F})))
            << QList<float>{-1.0f, 32767.0f / 32768};
        QTest::newRow("24-bit negative")
            << QByteArray::fromStdString(
                   wav(1, 1, 8000, 24, bytes({0x00, 0x00, 0x80, 0xFF, 0xFF, 0xFF})))
            << QList<float>{-1.0f, -1.0f / 8388608};
        QTest::newRow("float out of range and not a number")
            << QByteArray::fromStdString(wav(
                   3, 1, 8000, 32,
                   bytes({0x00, 0x00, 0x00, 0x40, 0x00, 0x00, 0xC0, 0x7F, 0x00, 0x00, 0x00, 0xBF})))
            << QList<float>{1.0f, 0.0f, -0.5f};
        QTest::newRow("four channels mixed to one")
            << QByteArray::fromStdString(
                   wav(1, 4, 8000, 8, bytes({255, 255, 128, 128, 0, 0, 0, 0})))
            << QList<float>{(2 * 127.0f / 128) / 4, -1.0f};
    }
    void decodesKnownSamples() {
        QFETCH(QByteArray, file);
        QFETCH(QList<float>, expected);
        const WavReading r = read(file.toStdString());
        QCOMPARE(r.problem, WavProblem::None);
        QCOMPARE(r.clip->samples.size(), std::size_t(expected.size()));
        for (qsizetype i = 0; i < expected.size(); ++i)
            QCOMPARE(r.clip->samples[std::size_t(i)], expected[i]);
    }

    void readsExtensibleFormat() {
        // WAVE_FORMAT_EXTENSIBLE with a float sub-format, and an odd-sized chunk before the
        // data that must be skipped with its pad byte.
        std::string fmt = "fmt ";
        fmt += std::string("\x28\0\0\0", 4);
        fmt += std::string("\xFE\xFF\x01\0\x40\x1F\0\0\0\x7D\0\0\x04\0\x20\0", 16);
        fmt += std::string("\x16\0\x20\0\x04\0\0\0", 8);
        fmt += std::string("\x03\0\0\0\0\0\x10\0\x80\0\0\xAA\0\x38\x9B\x71", 16);
        std::string list = "LIST" + std::string("\x03\0\0\0abc\0", 8);
        std::string data = "data" + std::string("\x04\0\0\0\0\0\0\x3F", 8);
        std::string body = "WAVE" + fmt + list + data;
        std::string file = "RIFF" + std::string(4, '\0') + body;
        put32(file, 4, std::uint32_t(body.size()));
        const WavReading r = read(file);
        QCOMPARE(r.problem, WavProblem::None);
        QCOMPARE(r.clip->sampleRate, 8000);
        QCOMPARE(r.clip->samples, std::vector<float>{0.5f});
    }

    // Writers that stream their output cannot go back to fill in the data size.
    void readsUnknownDataSizeToTheEnd_data() {
        QTest::addColumn<quint32>("declared");
        QTest::newRow("all ones") << quint32(0xFFFFFFFF);
        QTest::newRow("zero") << quint32(0);
    }
    void readsUnknownDataSizeToTheEnd() {
        QFETCH(quint32, declared);
        std::string file = encodeWav(ramp(1, 100));
        put32(file, 40, declared);
        const WavReading r = read(file);
        QCOMPARE(r.problem, WavProblem::None);
        QCOMPARE(r.clip->frames(), std::int64_t(100));
    }

    void refusesWhatItCannotPlay_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<WavProblem>("problem");
        const std::string good = encodeWav(ramp(1, 100));
        std::string longer = good;
        put32(longer, 40, 1000);
        std::string noData = good.substr(0, 36);
        QTest::newRow("empty") << QByteArray() << WavProblem::Empty;
        QTest::newRow("text") << QByteArray("not a sound at all, just some words")
                              << WavProblem::NotWav;
        QTest::newRow("RIFF but not WAVE")
            << QByteArray::fromStdString("RIFF\x04\0\0\0AVI " + good.substr(12))
            << WavProblem::NotWav;
        QTest::newRow("cut in the header")
            << QByteArray::fromStdString(good.substr(0, 7)) << WavProblem::Truncated;
        QTest::newRow("cut in the fmt chunk")
            << QByteArray::fromStdString(good.substr(0, 30)) << WavProblem::Truncated;
        QTest::newRow("cut in the data")
            << QByteArray::fromStdString(good.substr(0, 100)) << WavProblem::Truncated;
        QTest::newRow("data longer than the file")
            << QByteArray::fromStdString(longer) << WavProblem::Truncated;
        QTest::newRow("no data chunk") << QByteArray::fromStdString(noData) << WavProblem::NotWav;
        QTest::newRow("no samples")
            << QByteArray::fromStdString(wav(1, 1, 8000, 16, "")) << WavProblem::Empty;
        QTest::newRow("ADPCM") << QByteArray::fromStdString(wav(2, 1, 8000, 16, "abcd"))
                               << WavProblem::Unsupported;
        QTest::newRow("12-bit") << QByteArray::fromStdString(wav(1, 1, 8000, 12, "abcd"))
                                << WavProblem::Unsupported;
        QTest::newRow("no channels")
            << QByteArray::fromStdString(wav(1, 0, 8000, 16, "abcd")) << WavProblem::Unsupported;
        QTest::newRow("rate 0") << QByteArray::fromStdString(wav(1, 1, 0, 16, "abcd"))
                                << WavProblem::Unsupported;
        QTest::newRow("rate of a billion")
            << QByteArray::fromStdString(wav(1, 1, 1'000'000'000, 16, "abcd"))
            << WavProblem::Unsupported;
    }
    void refusesWhatItCannotPlay() {
        QFETCH(QByteArray, file);
        QFETCH(WavProblem, problem);
        const WavReading r = read(file.toStdString());
        QCOMPARE(r.problem, problem);
        QVERIFY(!r.clip);
    }

    void keepsOnlyTheStartOfALongSound() {
        const WavReading r = read(encodeWav(ramp(2, 8000)), 250ms);
        QCOMPARE(r.problem, WavProblem::None);
        QVERIFY(r.shortened);
        QCOMPARE(r.clip->frames(), std::int64_t(2000));
        QCOMPARE(r.clip->length(), std::chrono::microseconds(250ms));
    }

    void missingFileIsUnreadable() {
        QCOMPARE(readWavFile("/nonexistent/folder/Bleep.wav").problem, WavProblem::Unreadable);
    }
};

QTEST_APPLESS_MAIN(WavFileTest)
#include "WavFileTest.moc"
