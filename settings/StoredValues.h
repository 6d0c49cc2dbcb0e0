#pragma once

#include "settings/Options.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mirel {

// How the game reads the text of a stored value. The store file is plain text in the
// player's home that anyone can edit, so these accept any bytes at all.

// A whole number in -32768..32767: optional ASCII blanks around an optional sign and one or
// more decimal digits, nothing else. Leading zeros are fine ("-0", "007"); a fraction, an
// exponent, a hex prefix, trailing letters or an empty text are not whole numbers, nor is a
// value out of range however it is written.
std::optional<std::int16_t> readWholeNumber(std::string_view text);

// An option switch or the piece set: the stored whole number, or `fallback` when the text is
// not one.
std::int16_t readSwitch(std::string_view text, std::int16_t fallback);

// A high score: the number at the start of the text, as BASIC's Val finds it (leading
// blanks, a sign, digits, a fraction, an exponent), rounded to the nearest whole number with
// halves to even. No number at the start reads 0. A score no game can reach - below 0 or
// beyond 2147483647 - also reads 0, the score of an empty row.
std::int32_t readScore(std::string_view text);

// The window's size: a factor from 1 to MaxWindowFactor written as a decimal number
// ("1.5"), then optionally one word, "maximized" or "fullscreen", after one blank. Anything
// else - another word, a factor out of range, not a number, or not finite - reads as the
// size the game opens with.
inline constexpr double MaxWindowFactor = 64;
WindowSize readWindowSize(std::string_view text);
// The text readWindowSize reads back as `size`, its factor to two decimals.
std::string writtenWindowSize(const WindowSize& size);

} // namespace mirel
