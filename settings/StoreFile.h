#pragma once

#include <map>
#include <string>
#include <string_view>

namespace mirel {

// The text of the store file: "[Section]" lines, then "key=value" lines. Keys are kept as
// QSettings names them, "Section/key" ("key" before any section). Values are bytes, written
// with backslash escapes for the backslash and control characters (\\ \n \r \t \xHH, and
// \x20 for a space at either end) and read back exactly as they were written. Nothing else in
// a value is special, so "a,b,c" or "@Variant(...)" read as that very text.
using StoreEntries = std::map<std::string, std::string>;

// Reads whatever it is given and never fails. A line with no "=" is skipped unless it is a
// "[Section]" line, and so is one with an empty key (a file cut off in the middle of a line
// keeps what its last line still holds). Blanks around keys, values and section names, a
// byte-order mark and CR line ends are dropped; "/" in a key or section name nests groups as
// in QSettings, with empty parts dropped. Of a key given twice the last value counts.
StoreEntries parseStoreFile(std::string_view text);

// The text that parseStoreFile reads back as `entries`, for keys as parseStoreFile gives them
// (and the game's own): no "=", no line break, "/"-separated parts without blanks at their
// ends. parseStoreFile(formatStoreFile(parseStoreFile(anything))) is parseStoreFile(anything).
std::string formatStoreFile(const StoreEntries& entries);

} // namespace mirel
