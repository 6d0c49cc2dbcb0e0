#pragma once

#include "core/RandomSource.h"

#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

namespace mirel::testing {

// Hands out the fractions a test scripts, in order, and counts the draws. Past the end of
// the script it gives `fallback`, or, once seeded, uniform fractions that replay exactly.
class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(std::vector<float> script) : script(std::move(script)) {}

    float next() override {
        const std::size_t i = draws++;
        if (i < script.size()) return script[i];
        // 24 random bits fill a float's mantissa exactly, so 1.0 never comes out.
        if (seeded) return static_cast<float>(engine() >> 8) * 0x1p-24f;
        return fallback;
    }
    void seed(std::uint32_t value) {
        engine.seed(value);
        seeded = true;
    }
    void append(float u) { script.push_back(u); }
    void append(const std::vector<float>& more) {
        script.insert(script.end(), more.begin(), more.end());
    }
    std::size_t remaining() const { return draws < script.size() ? script.size() - draws : 0; }

    std::vector<float> script;
    std::size_t draws = 0;
    float fallback = 0.0f;

private:
    std::mt19937 engine;
    bool seeded = false;
};

} // namespace mirel::testing
