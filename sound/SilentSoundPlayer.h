#pragma once

#include "core/SoundPlayer.h"

namespace mirel {

// Plays nothing and never waits. The game uses it until its sound effects are in.
class SilentSoundPlayer final : public SoundPlayer {
public:
    void play(const std::string&, std::int16_t) override {}
};

} // namespace mirel
