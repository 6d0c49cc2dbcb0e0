#include "sound/SoundFile.h"

#include <sndfile.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <memory>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mirel {

namespace {

// The rates an output takes.
constexpr int MinRate = 1000;
constexpr int MaxRate = 384000;

// At most this many samples a second are decoded, all channels together (eight channels at
// the highest rate), and at most eight bytes read for each: a file of a thousand channels is
// cut shorter than the time limit rather than read for long.
constexpr std::int64_t SampleBudgetPerSecond = std::int64_t(MaxRate) * 8;
constexpr std::int64_t BytesPerSample = 8;
constexpr std::int64_t HeaderAllowance = 1 << 20;

// The file as libsndfile sees it: reads stop for good once the budget is spent, whatever the
// decoder asks for.
struct Source {
    int fd = -1;
    sf_count_t size = 0;
    sf_count_t budget = 0;

    static Source& of(void* data) { return *static_cast<Source*>(data); }

    static sf_count_t length(void* data) { return of(data).size; }
    static sf_count_t seek(sf_count_t offset, int whence, void* data) {
        return ::lseek(of(data).fd, offset, whence);
    }
    static sf_count_t read(void* to, sf_count_t count, void* data) {
        Source& s = of(data);
        count = std::clamp<sf_count_t>(count, 0, s.budget);
        sf_count_t done = 0;
        while (done < count) {
            const ssize_t n = ::read(s.fd, static_cast<char*>(to) + done, std::size_t(count - done));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            done += n;
        }
        s.budget -= done;
        return done;
    }
    static sf_count_t write(const void*, sf_count_t, void*) { return 0; }
    static sf_count_t tell(void* data) { return ::lseek(of(data).fd, 0, SEEK_CUR); }
};

// The game's sounds are WAV files: RIFF (or its big-endian and 64-bit kins) holding WAVE.
// Nothing else is handed to libsndfile, whose other decoders need not face what anyone may
// put under a sound's name.
bool looksLikeWav(int fd) {
    unsigned char start[12];
    if (::pread(fd, start, sizeof start, 0) != ssize_t(sizeof start)) return false;
    const auto is = [&](std::size_t at, const char* tag) { return std::memcmp(start + at, tag, 4) == 0; };
    return (is(0, "RIFF") || is(0, "RIFX") || is(0, "RF64")) && is(8, "WAVE");
}

bool isWav(int format) {
    const int type = format & SF_FORMAT_TYPEMASK;
    return type == SF_FORMAT_WAV || type == SF_FORMAT_WAVEX || type == SF_FORMAT_RF64;
}

struct FileDescriptor {
    int fd;
    ~FileDescriptor() {
        if (fd >= 0) ::close(fd);
    }
};

struct SoundFileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};
using SoundFileHandle = std::unique_ptr<SNDFILE, SoundFileCloser>;

float playable(float v) {
    return std::isfinite(v) ? std::clamp(v, -1.0f, 1.0f) : 0.0f;
}

} // namespace

std::optional<SoundClip> readSoundFile(const std::string& path,
                                       std::chrono::milliseconds maxLength) {
    // Non-blocking, so that a FIFO put there after the caller looked cannot hold the open.
    const FileDescriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    struct stat info {};
    if (file.fd < 0 || ::fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        !looksLikeWav(file.fd))
        return {};

    const std::int64_t sampleBudget = SampleBudgetPerSecond * maxLength.count() / 1000;
    Source source{file.fd, sf_count_t(info.st_size), HeaderAllowance + sampleBudget * BytesPerSample};
    SF_VIRTUAL_IO io{&Source::length, &Source::seek, &Source::read, &Source::write, &Source::tell};
    SF_INFO format{};
    const SoundFileHandle sound(sf_open_virtual(&io, SFM_READ, &format, &source));
    if (!sound || !isWav(format.format) || format.channels < 1 || format.samplerate < MinRate ||
        format.samplerate > MaxRate)
        return {};

    const std::int64_t maxFrames =
        std::min(std::int64_t(format.samplerate) * maxLength.count() / 1000,
                 sampleBudget / format.channels);
    SoundClip clip;
    clip.sampleRate = format.samplerate;
    clip.channels = format.channels <= 2 ? format.channels : 1;
    // The frame count in the header may be anything: the reading stops at the end of the
    // sound or at the limit, whichever comes first.
    constexpr std::int64_t SamplesPerBlock = 16384;
    const std::int64_t framesPerBlock = std::max<std::int64_t>(1, SamplesPerBlock / format.channels);
    std::vector<float> block(std::size_t(framesPerBlock * format.channels));
    for (std::int64_t done = 0; done < maxFrames;) {
        const sf_count_t got = sf_readf_float(sound.get(), block.data(),
                                              std::min(framesPerBlock, maxFrames - done));
        if (got <= 0) break;
        for (sf_count_t i = 0; i < got; ++i) {
            const float* frame = block.data() + i * format.channels;
            if (format.channels <= 2) {
                for (int c = 0; c < format.channels; ++c)
                    clip.samples.push_back(playable(frame[c]));
            } else {
                float sum = 0.0f;
                for (int c = 0; c < format.channels; ++c)
                    sum += playable(frame[c]);
                clip.samples.push_back(sum / float(format.channels));
            }
        }
        done += got;
    }
    if (clip.samples.empty()) return {};
    return clip;
}

bool writeWavFile(const std::string& path, const SoundClip& clip, int encoding) {
    SF_INFO format{};
    format.samplerate = clip.sampleRate;
    format.channels = clip.channels;
    format.format = SF_FORMAT_WAV | encoding;
    const SoundFileHandle sound(sf_open(path.c_str(), SFM_WRITE, &format));
    if (!sound) return false;
    return sf_writef_float(sound.get(), clip.samples.data(), clip.frames()) == clip.frames();
}

} // namespace mirel
