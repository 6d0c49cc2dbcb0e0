#pragma once

#include "core/RandomSource.h"

#include <cstddef>
#include <vector>

namespace mirel::testing {

// Hands out the fractions a test scripts, in order, and counts the draws. Past the end of
// the script it gives `fallback`.
class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(std::vector<float> script) : script(std::move(script)) {}

    float next() override {
        const std::size_t i = draws++;
        return i < script.size() ? script[i] : fallback;
    }
    void append(float u) { script.push_back(u); }
    void append(const std::vector<float>& more) {
        script.insert(script.end(), more.begin(), more.end());
    }
    std::size_t remaining() const { return draws < script.size() ? script.size() - draws : 0; }

    std::vector<float> script;
    std::size_t draws = 0;
    float fallback = 0.0f;
};

} // namespace mirel::testing
