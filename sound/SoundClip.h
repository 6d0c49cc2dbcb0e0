#pragma once

#include <chrono>
#include <cstdint>
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

} // namespace mirel
