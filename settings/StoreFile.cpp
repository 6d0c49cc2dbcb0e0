#include "settings/StoreFile.h"

#include "settings/Blanks.h"

#include <algorithm>
#include <cstdio>

namespace mirel {

namespace {

constexpr auto npos = std::string_view::npos;

// Editors on some systems start a file with a byte-order mark; it is never part of a key.
std::string_view withoutMarks(std::string_view text) {
    while (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    return text;
}

// A key as QSettings sees it: "/"-separated parts, none empty, none with blanks or a
// byte-order mark at its ends.
std::string keyOf(std::string_view name) {
    std::string key;
    while (!name.empty()) {
        const std::size_t slash = std::min(name.find('/'), name.size());
        std::string_view part = name.substr(0, slash);
        for (std::string_view last; part != last;) {
            last = part;
            part = trimmed(withoutMarks(trimmed(part)));
        }
        name.remove_prefix(std::min(slash + 1, name.size()));
        if (!part.empty()) key += (key.empty() ? "" : "/") + std::string(part);
    }
    return key;
}

int hexValue(char c) {
    return c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
}

// A backslash that starts none of the escapes the game writes stays a backslash, so a
// hand-typed "C:\games" reads as typed.
std::string unescaped(std::string_view raw) {
    std::string value;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const std::size_t simple = i + 1 < raw.size() ? std::string_view("\\nrt").find(raw[i + 1]) : npos;
        if (raw[i] != '\\') {
            value += raw[i];
        } else if (simple != npos) {
            value += "\\\n\r\t"[simple];
            ++i;
        } else if (i + 3 < raw.size() && raw[i + 1] == 'x' && hexValue(raw[i + 2]) >= 0 && hexValue(raw[i + 3]) >= 0) {
            value += static_cast<char>(hexValue(raw[i + 2]) * 16 + hexValue(raw[i + 3]));
            i += 3;
        } else {
            value += '\\';
        }
    }
    return value;
}

std::string escaped(std::string_view value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const auto c = static_cast<unsigned char>(value[i]);
        const std::size_t simple = std::string_view("\\\n\r\t").find(value[i]);
        char hex[5];
        if (simple != npos) {
            out += std::string_view("\\\\\\n\\r\\t").substr(2 * simple, 2);
        } else if (c < 0x20 || c == 0x7F || (c == ' ' && (i == 0 || i + 1 == value.size()))) {
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        } else {
            out += value[i];
        }
    }
    return out;
}

} // namespace

StoreEntries parseStoreFile(std::string_view text) {
    StoreEntries entries;
    std::string section;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = trimmed(withoutMarks(text.substr(0, end)));
        text.remove_prefix(std::min(end + 1, text.size()));
        const std::size_t equals = line.find('=');
        // Only a line without "=" can open a section, so no key=value line is ever taken for one.
        if (equals == npos && line.size() >= 2 && line.front() == '[' && line.back() == ']')
            section = keyOf(line.substr(1, line.size() - 2));
        const std::string name = equals == npos ? "" : keyOf(line.substr(0, equals));
        if (!name.empty())
            entries[section.empty() ? name : section + '/' + name] = unescaped(trimmed(line.substr(equals + 1)));
    }
    return entries;
}

std::string formatStoreFile(const StoreEntries& entries) {
    std::string out, section;
    // Keys outside any section come before the first section header.
    for (const bool inSection : {false, true}) {
        for (const auto& [key, value] : entries) {
            const std::size_t slash = key.find('/');
            if ((slash != npos) != inSection) continue;
            if (inSection && key.compare(0, slash + 1, section) != 0) {
                section = key.substr(0, slash + 1);
                out += (out.empty() ? "[" : "\n[") + key.substr(0, slash) + "]\n";
            }
            out += key.substr(inSection ? slash + 1 : 0) + '=' + escaped(value) + '\n';
        }
    }
    return out;
}

} // namespace mirel
