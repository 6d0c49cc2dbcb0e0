#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace mirel {

// Decoded audio, ready to hand to an output: interleaved 32-bit float samples in [-1, 1],
// mono or stereo, at the rate of the file it came from.
struct SoundClip {
    int sampleRate = 0;
    int channels = 0;
    std::vector<float> samples;

    std::int64_t frames() const {
        return channels > 0 ? std::int64_t(samples.size()) / channels : 0;
    }
    std::chrono::microseconds length() const {
        if (sampleRate <= 0) return {};
        return std::chrono::microseconds(frames() * 1'000'000 / sampleRate);
    }
};

// A sound effect lasts a second or so; anything past this is cut off, so that a file can
// neither hold the game in a waited play nor fill its memory.
inline constexpr std::chrono::milliseconds MaxSoundLength{5000};

// Reads a WAV file with libsndfile: any encoding it knows (PCM, float, A-law, ADPCM…), any
// number of channels (more than two are mixed to one). Only a regular file is opened, and only the
// first `maxLength` of sound is read however long the file says it is, with a bound on the
// bytes read and the samples decoded to get it. Nothing for a file that cannot be played:
// missing, not a sound, cut short before its first sample, empty, or at a rate no output
// takes.
std::optional<SoundClip> readSoundFile(const std::string& path,
                                       std::chrono::milliseconds maxLength = MaxSoundLength);

// Writes `clip`, its samples in [-1, 1], as a WAV file; `encoding` is libsndfile's subtype
// (SF_FORMAT_PCM_16…).
bool writeWavFile(const std::string& path, const SoundClip& clip, int encoding);

} // namespace mirel
