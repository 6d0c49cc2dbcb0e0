#include "settings/StoreFile.h"

#include "settings/Blanks.h"

#include <algorithm>
#include <optional>

namespace mirel {

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// Editors on some systems start a file with a byte-order mark; it is never part of a key.
std::string_view withoutMarks(std::string_view text) {
    while (text.substr(0, ByteOrderMark.size()) == ByteOrderMark)
        text.remove_prefix(ByteOrderMark.size());
    return text;
}

// A key as QSettings sees it: "/"-separated parts, none empty, none with blanks or a
// byte-order mark at its ends; a section name is the first of them.
std::string keyOf(std::string_view section, std::string_view name) {
    std::string key;
    for (std::string_view rest : {section, name}) {
        while (!rest.empty()) {
            const std::size_t slash = rest.find('/');
            std::string_view part = trimmed(rest.substr(0, slash));
            for (std::string_view last; part != last;) {
                last = part;
                part = trimmed(withoutMarks(part));
            }
            rest.remove_prefix(slash == std::string_view::npos ? rest.size() : slash + 1);
            if (part.empty()) continue;
            if (!key.empty()) key += '/';
            key += part;
        }
    }
    return key;
}

// A backslash that does not start one of the escapes the game writes stays a backslash, so
// a hand-typed "C:\games" reads as typed.
std::string unescaped(std::string_view raw) {
    std::string value;
    value.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size();) {
        const std::size_t slash = std::min(raw.find('\\', i), raw.size());
        value.append(raw.substr(i, slash - i));
        i = slash;
        if (i == raw.size()) break;
        const char next = i + 1 < raw.size() ? raw[i + 1] : '\0';
        if (next == '\\' || next == 'n' || next == 'r' || next == 't') {
            value += next == 'n' ? '\n' : next == 'r' ? '\r' : next == 't' ? '\t' : '\\';
            i += 2;
        } else if (next == 'x' && i + 3 < raw.size() && hexValue(raw[i + 2]) >= 0 &&
                   hexValue(raw[i + 3]) >= 0) {
            value += static_cast<char>(hexValue(raw[i + 2]) * 16 + hexValue(raw[i + 3]));
            i += 4;
        } else {
            value += '\\';
            i += 1;
        }
    }
    return value;
}

bool needsEscape(unsigned char c) {
    return c == '\\' || c < 0x20 || c == 0x7F;
}

void appendEscaped(std::string& out, std::string_view value) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    for (std::size_t i = 0; i < value.size(); ++i) {
        const auto c = static_cast<unsigned char>(value[i]);
        const bool edge = i == 0 || i + 1 == value.size();
        if (!needsEscape(c) && !(c == ' ' && edge)) {
            // Plain text goes across in one piece, up to the next byte that needs escaping.
            std::size_t end = i + 1;
            while (end + 1 < value.size() && !needsEscape(static_cast<unsigned char>(value[end])))
                ++end;
            out.append(value.substr(i, end - i));
            i = end - 1;
        } else if (c == '\\') {
            out += "\\\\";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else {
            out += "\\x";
            out += Hex[c >> 4];
            out += Hex[c & 0xF];
        }
    }
}

} // namespace

StoreEntries parseStoreFile(std::string_view text) {
    StoreEntries entries;
    std::string section;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = trimmed(withoutMarks(text.substr(0, end)));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);

        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            // Only a line without "=" can open a section, so no key=value line is ever taken
            // for one.
            if (line.size() >= 2 && line.front() == '[' && line.back() == ']')
                section = keyOf(line.substr(1, line.size() - 2), {});
            continue;
        }
        const std::string name = keyOf({}, line.substr(0, equals));
        if (name.empty()) continue;
        entries[section.empty() ? name : section + '/' + name] =
            unescaped(trimmed(line.substr(equals + 1)));
    }
    return entries;
}

std::string formatStoreFile(const StoreEntries& entries) {
    std::string out;
    // Keys outside any section have to come before the first section header.
    for (const auto& [key, value] : entries) {
        if (key.find('/') != std::string::npos) continue;
        out += key;
        out += '=';
        appendEscaped(out, value);
        out += '\n';
    }
    std::optional<std::string_view> section;
    for (const auto& [key, value] : entries) {
        const std::size_t slash = key.find('/');
        if (slash == std::string::npos) continue;
        const std::string_view name = std::string_view(key).substr(0, slash);
        if (name != section) {
            if (!out.empty()) out += '\n';
            out += '[';
            out += name;
            out += "]\n";
            section = name;
        }
        out += std::string_view(key).substr(slash + 1);
        out += '=';
        appendEscaped(out, value);
        out += '\n';
    }
    return out;
}

} // namespace mirel
