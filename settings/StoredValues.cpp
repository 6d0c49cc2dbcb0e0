#include "settings/StoredValues.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "settings/Blanks.h"

#include <cstddef>
#include <limits>

namespace mirel {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t digitRun(std::string_view text, std::size_t from) {
    std::size_t end = from;
    while (end < text.size() && isDigit(text[end]))
        ++end;
    return end - from;
}

// The digits of a number's mantissa, integer part then fraction, as one run; past its end
// every digit is 0.
struct Mantissa {
    std::string_view integer;
    std::string_view fraction;

    std::size_t size() const { return integer.size() + fraction.size(); }
    int digit(std::size_t i) const {
        if (i < integer.size()) return integer[i] - '0';
        if (i < size()) return fraction[i - integer.size()] - '0';
        return 0;
    }
};

// An exponent of a million digits must not overflow; anything this far out is out of range
// or zero whatever the mantissa.
constexpr std::int64_t ExponentCap = std::int64_t{1} << 40;

} // namespace

std::optional<std::int16_t> readWholeNumber(std::string_view text) {
    text = trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || digitRun(text, 0) != text.size()) return std::nullopt;

    // Saturates well above the range, so a thousand digits cannot overflow.
    std::int32_t magnitude = 0;
    for (char c : text)
        magnitude = magnitude > 100000 ? magnitude : magnitude * 10 + (c - '0');
    const std::int32_t value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

std::int16_t readSwitch(std::string_view text, std::int16_t fallback) {
    return readWholeNumber(text).value_or(fallback);
}

std::int32_t readScore(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && isBlank(text[at]))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    Mantissa m;
    m.integer = text.substr(at, digitRun(text, at));
    at += m.integer.size();
    if (at < text.size() && text[at] == '.') {
        m.fraction = text.substr(at + 1, digitRun(text, at + 1));
        at += 1 + m.fraction.size();
    }
    if (m.size() == 0) return 0;

    std::int64_t exponent = 0;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::size_t e = at + 1;
        bool down = false;
        if (e < text.size() && (text[e] == '+' || text[e] == '-')) {
            down = text[e] == '-';
            ++e;
        }
        // An "e" with no digits after it is not part of the number.
        for (std::size_t n = digitRun(text, e), i = e; i < e + n; ++i)
            exponent = exponent >= ExponentCap ? exponent : exponent * 10 + (text[i] - '0');
        if (down) exponent = -exponent;
    }

    // Worked on the decimal digits themselves, so that the rounding is exact whatever their
    // number and nothing ever passes through a float that might not fit an integer.
    std::size_t first = 0;
    while (first < m.size() && m.digit(first) == 0)
        ++first;
    if (first == m.size()) return 0;
    const auto lead = static_cast<std::int64_t>(first);
    const std::int64_t point = static_cast<std::int64_t>(m.integer.size()) + exponent;
    // More than ten whole digits cannot fit, whatever the sign.
    if (point - lead > 10) return 0;

    std::int64_t whole = 0;
    for (std::int64_t i = lead; i < point; ++i)
        whole = whole * 10 + m.digit(static_cast<std::size_t>(i));
    if (point >= 0 && point < static_cast<std::int64_t>(m.size())) {
        const auto next = static_cast<std::size_t>(point);
        const int roundingDigit = m.digit(next);
        bool tailNonZero = false;
        for (std::size_t i = next + 1; i < m.size() && !tailNonZero; ++i)
            tailNonZero = m.digit(i) != 0;
        if (roundingDigit > 5 || (roundingDigit == 5 && (tailNonZero || whole % 2 != 0))) ++whole;
    }
    if (negative) whole = -whole;
    if (whole < 0 || whole > std::numeric_limits<std::int32_t>::max()) return 0;
    return static_cast<std::int32_t>(whole);
}

} // namespace mirel

namespace mirel {

WindowSize readWindowSize(std::string_view text) {
    WindowSize size;
    const std::size_t blank = text.find(' ');
    const std::string_view number = text.substr(0, blank);
    const std::string_view word = blank == std::string_view::npos ? "" : text.substr(blank + 1);
    double factor = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), factor,
                                              std::chars_format::fixed);
    if (number.empty() || error != std::errc() || end != number.data() + number.size() ||
        !std::isfinite(factor) || factor < 1 || factor > MaxWindowFactor)
        return {};
    if (word == "maximized")
        size.maximized = true;
    else if (word == "fullscreen")
        size.fullScreen = true;
    else if (blank != std::string_view::npos)
        return {};
    size.factor = factor;
    return size;
}

std::string writtenWindowSize(const WindowSize& size) {
    char text[32];
    const double factor = std::clamp(std::round(size.factor * 100) / 100, 1.0, MaxWindowFactor);
    const auto end = std::to_chars(text, text + sizeof text, factor, std::chars_format::fixed).ptr;
    std::string written(text, end);
    if (size.fullScreen)
        written += " fullscreen";
    else if (size.maximized)
        written += " maximized";
    return written;
}

} // namespace mirel
