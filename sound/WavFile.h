#pragma once

#include "sound/SoundClip.h"

#include <chrono>
#include <iosfwd>
#include <optional>
#include <string>

namespace mirel {

// Why a file gave no sound.
enum class WavProblem {
    None,
    Unreadable,  // missing, or cannot be opened
    NotWav,      // not a RIFF/WAVE file, or no fmt or data chunk
    Unsupported, // a WAV, but compressed or in a shape we do not play
    Truncated,   // its data chunk runs past the end of the file
    Empty,       // no audio at all
};

struct WavReading {
    std::optional<SoundClip> clip; // set exactly when problem is None
    WavProblem problem = WavProblem::None;
    bool shortened = false; // the file was longer than the limit and only its start was kept
};

// A sound effect lasts a second or so; anything past this is cut off, so that a huge file
// can neither hold the game in a waited play nor fill its memory.
inline constexpr std::chrono::milliseconds MaxSoundLength{5000};

// Reads a WAV file: PCM of 8, 16, 24 or 32 bits, or 32/64-bit float, plain or
// WAVE_FORMAT_EXTENSIBLE. More than two channels are mixed down to mono. Only the first
// `maxLength` of audio is read, however long the file says it is. `in` must be seekable.
WavReading readWav(std::istream& in, std::chrono::milliseconds maxLength = MaxSoundLength);
WavReading readWavFile(const std::string& path,
                       std::chrono::milliseconds maxLength = MaxSoundLength);

enum class WavEncoding { Pcm8, Pcm16, Pcm24, Pcm32, Float32 };

// The bytes of a canonical WAV file holding `clip`; samples outside [-1, 1] are clipped.
std::string encodeWav(const SoundClip& clip, WavEncoding encoding = WavEncoding::Pcm16);

} // namespace mirel
