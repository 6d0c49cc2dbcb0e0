// Makes the game's three sound effects, the same bytes every run:
//   mirel-soundgen <folder>
// writes Bleep.wav, Explode.wav and Bazooka.wav there (44.1 kHz, 16-bit, mono).

#include "sound/SoundFile.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int Rate = 44100;
constexpr double Pi = std::numbers::pi;

// A fixed noise source, so that the files never change between runs.
class Noise {
public:
    double next() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return double(state) / 2147483648.0 - 1.0;
    }

private:
    std::uint32_t state = 0x6d697265; // any non-zero seed
};

// One-pole low-pass, its cut-off free to move from sample to sample.
class LowPass {
public:
    double operator()(double in, double cutoff) {
        const double a = 1.0 - std::exp(-2.0 * Pi * cutoff / Rate);
        out += a * (in - out);
        return out;
    }

private:
    double out = 0.0;
};

// State-variable band-pass with a moving centre.
class BandPass {
public:
    double operator()(double in, double centre, double q) {
        const double f = 2.0 * std::sin(Pi * std::min(centre, Rate / 6.0) / Rate);
        low += f * band;
        const double high = in - low - band / q;
        band += f * high;
        return band;
    }

private:
    double low = 0.0;
    double band = 0.0;
};

// Rises over `attack` seconds and falls to silence over the last `release` seconds, so
// that a sound neither starts nor ends with a click.
double edges(double t, double length, double attack, double release) {
    const double rise = attack > 0 ? std::min(1.0, t / attack) : 1.0;
    const double fall = std::clamp((length - t) / release, 0.0, 1.0);
    return std::sin(rise * Pi / 2) * std::sin(fall * Pi / 2);
}

std::vector<double> render(double seconds, const std::function<double(double)>& at) {
    std::vector<double> out(std::size_t(seconds * Rate));
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = at(double(i) / Rate);
    return out;
}

mirel::SoundClip levelled(const std::vector<double>& samples, double peakDb) {
    double peak = 0.0;
    for (double s : samples)
        peak = std::max(peak, std::abs(s));
    const double gain = peak > 0 ? std::pow(10.0, peakDb / 20.0) / peak : 0.0;
    mirel::SoundClip clip;
    clip.sampleRate = Rate;
    clip.channels = 1;
    for (double s : samples)
        clip.samples.push_back(float(s * gain));
    return clip;
}

// A soft bleep, short enough that a run of them ripples: a sine falling from 1.5 kHz to
// 1.1 kHz with a touch of its octave, dying away in 60 ms.
mirel::SoundClip bleep() {
    constexpr double Length = 0.06;
    double phase = 0.0;
    return levelled(render(Length,
                           [&](double t) {
                               const double frequency = 1100.0 + 400.0 * std::exp(-t / 0.015);
                               phase += 2 * Pi * frequency / Rate;
                               const double tone = std::sin(phase) + 0.15 * std::sin(2 * phase);
                               return tone * std::exp(-t / 0.018) * edges(t, Length, 0.004, 0.01);
                           }),
                    -12.0);
}

// An explosion of about a second: a low thump under a burst of noise whose brightness
// dies away with it.
mirel::SoundClip explode() {
    constexpr double Length = 1.0;
    Noise noise;
    LowPass first, second, rumble;
    double phase = 0.0;
    return levelled(render(Length,
                           [&](double t) {
                               const double cutoff = 150.0 + 2800.0 * std::exp(-t / 0.12);
                               const double burst = second(first(noise.next(), cutoff), cutoff);
                               const double low = rumble(noise.next(), 90.0) * 6.0;
                               const double frequency = 38.0 + 70.0 * std::exp(-t / 0.08);
                               phase += 2 * Pi * frequency / Rate;
                               const double thump = std::sin(phase) * std::exp(-t / 0.18);
                               const double body = (1.6 * burst + low) * std::exp(-t / 0.3);
                               return (body + 0.7 * thump) * edges(t, Length, 0.003, 0.25);
                           }),
                    -4.0);
}

// A bazooka: a short pop at launch, then a whoosh of noise whose pitch climbs and falls as
// the rocket passes.
mirel::SoundClip bazooka() {
    constexpr double Length = 0.7;
    Noise noise;
    BandPass whoosh;
    LowPass pop;
    double phase = 0.0;
    return levelled(render(Length,
                           [&](double t) {
                               const double n = noise.next();
                               const double launch = pop(n, 1800.0) * std::exp(-t / 0.02) * 2.0;
                               const double frequency = 60.0 + 90.0 * std::exp(-t / 0.03);
                               phase += 2 * Pi * frequency / Rate;
                               const double thump = std::sin(phase) * std::exp(-t / 0.05) * 0.5;
                               const double pass = std::exp(-std::pow((t - 0.32) / 0.16, 2));
                               const double centre = 350.0 + 2200.0 * pass;
                               const double air = whoosh(n, centre, 2.5) * (0.15 + 0.85 * pass);
                               return (launch + thump + air) * edges(t, Length, 0.002, 0.2);
                           }),
                    -5.0);
}

bool save(const std::string& path, const mirel::SoundClip& clip) {
    return mirel::writeWavFile(path, clip, SF_FORMAT_PCM_16);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    const bool ok = save(folder + "/Bleep.wav", bleep()) &&
                    save(folder + "/Explode.wav", explode()) &&
                    save(folder + "/Bazooka.wav", bazooka());
    if (!ok) std::fprintf(stderr, "could not write the sounds into %s\n", folder.c_str());
    return ok ? 0 : 1;
}
