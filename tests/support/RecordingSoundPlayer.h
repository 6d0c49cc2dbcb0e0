#pragma once

#include "core/SoundPlayer.h"

#include <functional>
#include <string>
#include <vector>

namespace mirel::testing {

// Records every sound the game asks for, and can look at the game while it plays.
class RecordingSoundPlayer final : public SoundPlayer {
public:
    struct Call {
        std::string path;
        std::int16_t flags;
    };
    void play(const std::string& path, std::int16_t flags) override {
        calls.push_back({path, flags});
        if (onPlay) onPlay();
    }
    std::vector<Call> calls;
    std::function<void()> onPlay;
};

} // namespace mirel::testing
