#pragma once

#include "scores/HighScoreTable.h"

#include <array>
#include <cstdint>
#include <string>

namespace mirel {

// A name is drawn in eight cells, one picture per character.
constexpr std::int16_t NameCells = 8;

// The picture a character of a name is drawn with: a capital letter (index 1 = A .. 26 = Z),
// a digit (0..9), or the blank cell for anything else an edited store may hold.
struct CharPicture {
    enum Kind : std::int16_t { Blank, Letter, Digit };
    Kind kind = Blank;
    std::int16_t index = 0;
    friend bool operator==(const CharPicture&, const CharPicture&) = default;
};

CharPicture pictureFor(char32_t character);

// The pictures of the first eight characters of a stored name (UTF-8), blank beyond its end.
std::array<CharPicture, NameCells> namePictures(const std::string& name);

// Where the name entry's pictures go; cells are numbered 1..8 within the row being typed.
class NameEntryPainter {
public:
    virtual ~NameEntryPainter() = default;
    virtual void paintCharacter(std::int16_t cell, CharPicture picture) = 0;
    virtual void paintCursor(std::int16_t cell) = 0;
    virtual void paintBlank(std::int16_t cell) = 0;
};

// Character codes the entry understands besides letters and digits.
constexpr std::int32_t KeyEnter = 13;
constexpr std::int32_t KeyBackspace = 8;

// Typing a name into the new row of the table (table.NewHighScoreRank). Small letters become
// capitals; Backspace works from the second cell on; Enter or the seventh character ends it.
class NameEntry {
public:
    void StartNameEntry(NameEntryPainter& painter);
    void keyPress(std::int32_t key, HighScoreTable& table, NameEntryPainter& painter);

    bool EntryActive = false;
    std::int16_t CursorPos = 1;

private:
    void finish(HighScoreTable& table);
};

} // namespace mirel
