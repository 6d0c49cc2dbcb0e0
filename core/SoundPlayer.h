#pragma once

#include <cstdint>
#include <string>

namespace mirel {

// How a sound is started.
enum SoundFlags : std::int16_t {
    SoundWait = 0,  // return when the sound has played
    SoundAsync = 1, // start it and return at once
};

// Plays a WAV file. A new sound cuts off the one still playing; a missing or unplayable file
// is never an error.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const std::string& path, std::int16_t flags) = 0;
};

} // namespace mirel
