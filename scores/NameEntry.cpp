#include "scores/NameEntry.h"

namespace mirel {

CharPicture pictureFor(char32_t character) {
    if (character >= U'A' && character <= U'Z')
        return {CharPicture::Letter, static_cast<std::int16_t>(character - U'A' + 1)};
    if (character >= U'0' && character <= U'9')
        return {CharPicture::Digit, static_cast<std::int16_t>(character - U'0')};
    return {};
}

std::array<CharPicture, NameCells> namePictures(const std::string& name) {
    std::array<CharPicture, NameCells> pictures{};
    int cell = -1;
    for (const char byte : name) {
        const auto b = static_cast<unsigned char>(byte);
        // Continuation bytes belong to the character before them; a character outside
        // ASCII is blank anyway, so only the count of cells matters for it.
        if ((b & 0xC0u) == 0x80u && cell >= 0) continue;
        if (++cell >= NameCells) break;
        pictures[cell] = pictureFor(b < 0x80u ? char32_t{b} : char32_t{0xFFFD});
    }
    return pictures;
}

void NameEntry::StartNameEntry(NameEntryPainter& painter) {
    EntryActive = true;
    CursorPos = 1;
    for (std::int16_t p = 1; p <= NameCells; ++p)
        painter.paintBlank(p);
    painter.paintCursor(CursorPos);
}

void NameEntry::finish(HighScoreTable& table) {
    EntryActive = false;
    table.NewHighScoreRank = 0;
}

void NameEntry::keyPress(std::int32_t key, HighScoreTable& table, NameEntryPainter& painter) {
    if (!EntryActive || table.NewHighScoreRank < 1 || table.NewHighScoreRank > TableSize) return;
    std::string& name = table.HighScoreNames[table.NewHighScoreRank];

    if (key >= 'a' && key <= 'z') key -= 'a' - 'A';
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) {
        painter.paintCharacter(CursorPos, pictureFor(static_cast<char32_t>(key)));
        name.push_back(static_cast<char>(key));
        ++CursorPos;
        if (CursorPos == NameCells)
            finish(table);
        else
            painter.paintCursor(CursorPos);
    } else if (key == KeyEnter) {
        painter.paintBlank(CursorPos);
        finish(table);
    } else if (key == KeyBackspace && CursorPos >= 2) {
        if (!name.empty()) name.pop_back();
        painter.paintBlank(CursorPos);
        --CursorPos;
        painter.paintCursor(CursorPos);
    }
}

} // namespace mirel
