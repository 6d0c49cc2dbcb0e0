#pragma once

#include "scores/HighScoreTable.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace mirel {

// A name is drawn in eight cells, one picture per character.
constexpr std::int16_t NameCells = 8;

// The picture a character of a name is drawn with: a capital letter (index 1 = A .. 26 = Z),
// a digit (0..9), another letter beyond ASCII drawn from the lettering (`character`; blank
// where no lettering has it), or the blank cell for anything else an edited store may hold.
struct CharPicture {
    enum Kind : std::int16_t { Blank, Letter, Digit, Glyph };
    Kind kind = Blank;
    std::int16_t index = 0;
    char32_t character = 0;
    friend bool operator==(const CharPicture&, const CharPicture&) = default;
};

CharPicture pictureFor(char32_t character);

// The pictures of the first eight characters of a stored name (UTF-8), blank beyond its end;
// a byte that starts no character is a blank cell of its own.
std::array<CharPicture, NameCells> namePictures(const std::string& name);

// The letters a language's players may type into a name besides A-Z and 0-9: its capitals,
// each with its small letter at the same place. Languages typed through an input method take
// its full-width Latin letters and digits as the plain ones.
struct NameAlphabet {
    std::string_view language; // as a locale names it, without the region: "de", "pt"
    std::u32string_view capitals;
    std::u32string_view smalls;
    bool fullWidth = false;
};

// The alphabet of a language named "de", "de_DE", "pt-BR"...; English's (A-Z alone) for a
// language the table lacks, or none.
const NameAlphabet& nameAlphabet(std::string_view language);

// What a typed character puts into a name in `alphabet`: its capital, or 0 when it has no place.
char32_t nameCharacter(char32_t typed, const NameAlphabet& alphabet);

// Where the name entry's pictures go; cells are numbered 1..8 within the row being typed.
class NameEntryPainter {
public:
    virtual ~NameEntryPainter() = default;
    virtual void paintCharacter(std::int16_t cell, CharPicture picture) = 0;
    virtual void paintCursor(std::int16_t cell) = 0;
    virtual void paintBlank(std::int16_t cell) = 0;
};

// Character codes the entry understands besides characters (Unicode code points).
constexpr std::int32_t KeyEnter = 13;
constexpr std::int32_t KeyBackspace = 8;

// Typing a name into the new row of the table (table.NewHighScoreRank), in the letters of
// `language` (see nameAlphabet). Small letters become capitals; Backspace works from the
// second cell on; Enter or the seventh character ends it. The name is kept as UTF-8.
class NameEntry {
public:
    void StartNameEntry(NameEntryPainter& painter);
    void keyPress(std::int32_t key, HighScoreTable& table, NameEntryPainter& painter);

    bool EntryActive = false;
    std::int16_t CursorPos = 1;
    std::string language;

private:
    void finish(HighScoreTable& table);
};

} // namespace mirel
