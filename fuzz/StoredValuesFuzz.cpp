// Any bytes as one stored value: the whole numbers of the switches and the set, a high score,
// and a name as the high-score window draws it.
#include "Require.h"
#include "scores/NameEntry.h"
#include "scores/ScoreDigits.h"
#include "settings/StoredValues.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

using namespace mirel;

namespace {

bool blank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool digit(char c) {
    return c >= '0' && c <= '9';
}

// The number at the start of a text, when it is short enough for a long double to hold it
// exactly enough to round it right: up to 15 mantissa digits and a three-digit exponent.
// Returns false for anything else, which only the cheaper properties judge.
bool simpleNumber(std::string_view text, std::string& number) {
    std::size_t at = 0;
    while (at < text.size() && blank(text[at]))
        ++at;
    number.clear();
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) number += text[at++];
    std::size_t digits = 0;
    while (at < text.size() && digit(text[at]))
        number += text[at++], ++digits;
    if (at < text.size() && text[at] == '.') {
        number += text[at++];
        while (at < text.size() && digit(text[at]))
            number += text[at++], ++digits;
    }
    if (digits == 0 || digits > 15) return false;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::string exponent = "e";
        std::size_t e = at + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-')) exponent += text[e++];
        std::size_t expDigits = 0;
        while (e < text.size() && digit(text[e]))
            exponent += text[e++], ++expDigits;
        if (expDigits > 3) return false;
        if (expDigits > 0) number += exponent;
    }
    return true;
}

void checkScore(std::string_view text) {
    const std::int32_t score = readScore(text);
    REQUIRE(score >= 0);
    std::string number;
    if (simpleNumber(text, number)) {
        const long double value = std::strtold(number.c_str(), nullptr);
        const long double rounded = std::nearbyint(value); // halves to even
        const std::int32_t expected =
            rounded < 0 || rounded > std::numeric_limits<std::int32_t>::max()
                ? 0
                : static_cast<std::int32_t>(rounded);
        REQUIRE(score == expected);
    }
    // Whatever the store holds, the window draws six digits of it.
    for (const auto d : scoreDigits(score))
        REQUIRE(d >= 0 && d <= 9);
}

void checkWholeNumber(std::string_view text) {
    const auto number = readWholeNumber(text);
    if (number) {
        // The number written plainly reads back the same, and reads as a score too when it
        // is not negative.
        const std::string plain = std::to_string(*number);
        REQUIRE(readWholeNumber(plain) == number);
        if (*number >= 0) REQUIRE(readScore(plain) == *number);
        REQUIRE(readSwitch(text, 7) == *number);
    } else {
        REQUIRE(readSwitch(text, 7) == 7);
        REQUIRE(readSwitch(text, -3) == -3);
    }
}

void checkName(const std::string& name) {
    const auto cells = namePictures(name);
    bool ascii = true;
    for (const char c : name)
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const CharPicture cell = cells[i];
        // The window indexes its 26 letters and 10 digits with these.
        if (cell.kind == CharPicture::Letter) REQUIRE(cell.index >= 1 && cell.index <= 26);
        if (cell.kind == CharPicture::Digit) REQUIRE(cell.index >= 0 && cell.index <= 9);
        // The window draws these from the lettering: whole characters, never a surrogate.
        if (cell.kind == CharPicture::Glyph)
            REQUIRE(cell.character >= 0xA0 && cell.character <= 0x10FFFF &&
                    !(cell.character >= 0xD800 && cell.character <= 0xDFFF));
        if (ascii)
            REQUIRE(cell == (i < name.size() ? pictureFor(char32_t(name[i])) : CharPicture{}));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    checkScore(text);
    checkWholeNumber(text);
    checkName(text);
    return 0;
}
