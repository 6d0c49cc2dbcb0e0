#include "sound/WavFile.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <fstream>
#include <istream>

namespace mirel {

namespace {

std::uint16_t le16(const unsigned char* p) {
    return std::uint16_t(p[0] | (p[1] << 8));
}

std::uint32_t le32(const unsigned char* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}

bool readExactly(std::istream& in, unsigned char* to, std::size_t count) {
    in.read(reinterpret_cast<char*>(to), std::streamsize(count));
    return in.gcount() == std::streamsize(count);
}

enum class SampleType { Unsigned8, Signed16, Signed24, Signed32, Float32, Float64 };

struct Format {
    int channels = 0;
    int sampleRate = 0;
    int blockAlign = 0;
    SampleType type = SampleType::Signed16;
    int bytesPerSample = 0;
};

constexpr std::uint16_t TagPcm = 1;
constexpr std::uint16_t TagFloat = 3;
constexpr std::uint16_t TagExtensible = 0xFFFE;

// The fmt chunk, or nothing for a shape we do not play.
std::optional<Format> parseFormat(const unsigned char* p, std::uint32_t size) {
    std::uint16_t tag = le16(p);
    const int channels = le16(p + 2);
    const std::uint32_t rate = le32(p + 4);
    const int blockAlign = le16(p + 12);
    const int bits = le16(p + 14);
    if (tag == TagExtensible) {
        if (size < 40) return std::nullopt;
        tag = le16(p + 24); // the first two bytes of the sub-format GUID
    }
    Format f;
    if (tag == TagPcm && bits == 8)
        f.type = SampleType::Unsigned8;
    else if (tag == TagPcm && bits == 16)
        f.type = SampleType::Signed16;
    else if (tag == TagPcm && bits == 24)
        f.type = SampleType::Signed24;
    else if (tag == TagPcm && bits == 32)
        f.type = SampleType::Signed32;
    else if (tag == TagFloat && bits == 32)
        f.type = SampleType::Float32;
    else if (tag == TagFloat && bits == 64)
        f.type = SampleType::Float64;
    else
        return std::nullopt;
    f.bytesPerSample = bits / 8;
    f.channels = channels;
    f.blockAlign = blockAlign;
    if (channels < 1 || channels > 8 || blockAlign != channels * f.bytesPerSample)
        return std::nullopt;
    if (rate < 1000 || rate > 384000) return std::nullopt;
    f.sampleRate = int(rate);
    return f;
}

float finite(double v) {
    if (!std::isfinite(v)) return 0.0f;
    return float(std::clamp(v, -1.0, 1.0));
}

float decodeSample(const unsigned char* p, SampleType type) {
    switch (type) {
    case SampleType::Unsigned8:
        return float(int(p[0]) - 128) / 128.0f;
    case SampleType::Signed16:
        return float(std::int16_t(le16(p))) / 32768.0f;
    case SampleType::Signed24: {
        std::int32_t v = std::int32_t(p[0] | (p[1] << 8) | (p[2] << 16));
        if (v & 0x800000) v -= 0x1000000;
        return float(v) / 8388608.0f;
    }
    case SampleType::Signed32:
        return float(double(std::int32_t(le32(p))) / 2147483648.0);
    case SampleType::Float32: {
        float v;
        std::uint32_t bits = le32(p);
        std::memcpy(&v, &bits, sizeof v);
        return finite(v);
    }
    case SampleType::Float64: {
        double v;
        std::uint64_t bits = std::uint64_t(le32(p)) | (std::uint64_t(le32(p + 4)) << 32);
        std::memcpy(&v, &bits, sizeof v);
        return finite(v);
    }
    }
    return 0.0f;
}

WavReading failed(WavProblem problem) {
    WavReading r;
    r.problem = problem;
    return r;
}

} // namespace

WavReading readWav(std::istream& in, std::chrono::milliseconds maxLength) {
    in.seekg(0, std::ios::end);
    const std::streamoff fileSize = in.tellg();
    if (!in || fileSize < 0) return failed(WavProblem::Unreadable);
    if (fileSize == 0) return failed(WavProblem::Empty);
    in.seekg(0);

    std::array<unsigned char, 12> riff{};
    const bool whole = readExactly(in, riff.data(), riff.size());
    if (std::memcmp(riff.data(), "RIFF", std::min<std::streamoff>(4, fileSize)) == 0 && !whole)
        return failed(WavProblem::Truncated);
    if (!whole || std::memcmp(riff.data(), "RIFF", 4) != 0 ||
        std::memcmp(riff.data() + 8, "WAVE", 4) != 0)
        return failed(WavProblem::NotWav);

    // The RIFF size is often wrong in files written by streaming tools; the chunks are trusted.
    std::optional<Format> format;
    bool sawFormat = false;
    std::streamoff dataStart = -1;
    std::streamoff dataSize = 0;
    for (std::streamoff pos = 12; pos + 8 <= fileSize && (!sawFormat || dataStart < 0);) {
        in.clear();
        in.seekg(pos);
        std::array<unsigned char, 8> chunk{};
        if (!readExactly(in, chunk.data(), chunk.size())) return failed(WavProblem::Truncated);
        const std::streamoff size = le32(chunk.data() + 4);
        const std::streamoff payload = pos + 8;
        if (std::memcmp(chunk.data(), "fmt ", 4) == 0) {
            if (size < 16) return failed(WavProblem::NotWav);
            if (payload + size > fileSize) return failed(WavProblem::Truncated);
            std::array<unsigned char, 40> bytes{};
            const auto wanted = std::size_t(std::min<std::streamoff>(size, bytes.size()));
            if (!readExactly(in, bytes.data(), wanted)) return failed(WavProblem::Truncated);
            format = parseFormat(bytes.data(), std::uint32_t(size));
            sawFormat = true;
        } else if (std::memcmp(chunk.data(), "data", 4) == 0) {
            dataStart = payload;
            // A writer that could not go back to fill in the size leaves it 0 or all ones:
            // the data then runs to the end of the file.
            if (size == 0xFFFFFFFF || (size == 0 && payload < fileSize))
                dataSize = fileSize - payload;
            else if (payload + size > fileSize)
                return failed(WavProblem::Truncated);
            else
                dataSize = size;
        }
        pos = payload + size + (size & 1);
    }
    if (!sawFormat || dataStart < 0) return failed(WavProblem::NotWav);
    if (!format) return failed(WavProblem::Unsupported);

    const Format f = *format;
    std::int64_t frames = dataSize / f.blockAlign;
    if (frames == 0) return failed(WavProblem::Empty);
    WavReading reading;
    const std::int64_t maxFrames = std::int64_t(f.sampleRate) * maxLength.count() / 1000;
    if (frames > maxFrames) {
        frames = maxFrames;
        reading.shortened = true;
    }
    if (frames <= 0) return failed(WavProblem::Empty);

    SoundClip clip;
    clip.sampleRate = f.sampleRate;
    clip.channels = f.channels <= 2 ? f.channels : 1;
    clip.samples.reserve(std::size_t(frames * clip.channels));
    in.clear();
    in.seekg(dataStart);
    std::vector<unsigned char> block;
    constexpr std::int64_t FramesPerBlock = 4096;
    for (std::int64_t done = 0; done < frames;) {
        const std::int64_t count = std::min(FramesPerBlock, frames - done);
        block.resize(std::size_t(count * f.blockAlign));
        // The file may have shrunk since its size was read.
        if (!readExactly(in, block.data(), block.size())) return failed(WavProblem::Truncated);
        for (std::int64_t i = 0; i < count; ++i) {
            const unsigned char* frame = block.data() + i * f.blockAlign;
            if (f.channels <= 2) {
                for (int c = 0; c < f.channels; ++c)
                    clip.samples.push_back(decodeSample(frame + c * f.bytesPerSample, f.type));
            } else {
                float sum = 0.0f;
                for (int c = 0; c < f.channels; ++c)
                    sum += decodeSample(frame + c * f.bytesPerSample, f.type);
                clip.samples.push_back(sum / float(f.channels));
            }
        }
        done += count;
    }
    reading.clip = std::move(clip);
    return reading;
}

WavReading readWavFile(const std::string& path, std::chrono::milliseconds maxLength) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return failed(WavProblem::Unreadable);
    return readWav(in, maxLength);
}

namespace {

void put16(std::string& out, std::uint32_t v) {
    out.push_back(char(v & 0xFF));
    out.push_back(char((v >> 8) & 0xFF));
}

void put32(std::string& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

} // namespace

std::string encodeWav(const SoundClip& clip, WavEncoding encoding) {
    const bool isFloat = encoding == WavEncoding::Float32;
    const int bytes = encoding == WavEncoding::Pcm8    ? 1
                      : encoding == WavEncoding::Pcm16 ? 2
                      : encoding == WavEncoding::Pcm24 ? 3
                                                       : 4;
    const auto dataSize = std::uint32_t(clip.samples.size() * std::size_t(bytes));
    std::string out;
    out.reserve(44 + dataSize + 1);
    out += "RIFF";
    put32(out, 36 + dataSize + (dataSize & 1));
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, isFloat ? TagFloat : TagPcm);
    put16(out, std::uint32_t(clip.channels));
    put32(out, std::uint32_t(clip.sampleRate));
    put32(out, std::uint32_t(clip.sampleRate * clip.channels * bytes));
    put16(out, std::uint32_t(clip.channels * bytes));
    put16(out, std::uint32_t(bytes * 8));
    out += "data";
    put32(out, dataSize);
    for (float sample : clip.samples) {
        const double x = std::clamp(double(sample), -1.0, 1.0);
        switch (encoding) {
        case WavEncoding::Pcm8:
            out.push_back(char(std::lround(x * 127.0) + 128));
            break;
        case WavEncoding::Pcm16:
            put16(out, std::uint32_t(std::int32_t(std::lround(x * 32767.0))));
            break;
        case WavEncoding::Pcm24: {
            const auto v = std::uint32_t(std::int32_t(std::lround(x * 8388607.0)));
            out.push_back(char(v & 0xFF));
            out.push_back(char((v >> 8) & 0xFF));
            out.push_back(char((v >> 16) & 0xFF));
            break;
        }
        case WavEncoding::Pcm32:
            put32(out, std::uint32_t(std::int32_t(std::llround(x * 2147483647.0))));
            break;
        case WavEncoding::Float32: {
            const float f = float(x);
            std::uint32_t v;
            std::memcpy(&v, &f, sizeof v);
            put32(out, v);
            break;
        }
        }
    }
    if (dataSize & 1) out.push_back('\0');
    return out;
}

} // namespace mirel
