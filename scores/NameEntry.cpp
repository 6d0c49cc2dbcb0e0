#include "scores/NameEntry.h"

namespace mirel {

namespace {

// The letters of each language the game speaks, beyond A-Z. German keeps ß as it is: it has
// no capital in the lettering, and names in capitals have long been written with it.
constexpr NameAlphabet alphabets[] = {
    {"en", U"", U""},
    {"de", U"ÄÖÜß", U"äöüß"},
    {"fr", U"ÀÂÆÇÉÈÊËÎÏÔŒÙÛÜŸ", U"àâæçéèêëîïôœùûüÿ"},
    {"es", U"ÁÉÍÑÓÚÜ", U"áéíñóúü"},
    {"it", U"ÀÈÉÌÒÙ", U"àèéìòù"},
    {"pt", U"ÁÂÃÀÇÉÊÍÓÔÕÚ", U"áâãàçéêíóôõú"},
    {"nl", U"ÁÀÂÄÇÉÈÊËÍÏÓÔÖÚÜ", U"áàâäçéèêëíïóôöúü"},
    {"pl", U"ĄĆĘŁŃÓŚŹŻ", U"ąćęłńóśźż"},
    {"cs", U"ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ", U"áčďéěíňóřšťúůýž"},
    {"ru", U"АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ", U"абвгдеёжзийклмнопрстуфхцчшщъыьэюя"},
    {"uk", U"АБВГҐДЕЄЖЗИІЇЙКЛМНОПРСТУФХЦЧШЩЬЮЯ", U"абвгґдеєжзиіїйклмнопрстуфхцчшщьюя"},
    {"ja", U"", U"", true},
    {"zh", U"", U"", true},
};

constexpr bool smallsMatchCapitals() {
    for (const NameAlphabet& a : alphabets)
        if (a.capitals.size() != a.smalls.size()) return false;
    return true;
}
static_assert(smallsMatchCapitals());

void appendUtf8(std::string& text, char32_t c) {
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The character starting at `at`, and how many bytes it takes; a byte that starts no
// well-formed character is read alone, as U+FFFD.
std::pair<char32_t, std::size_t> readUtf8(const std::string& text, std::size_t at) {
    constexpr std::pair<char32_t, std::size_t> broken{0xFFFD, 1};
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned lead = byte(at);
    if (lead < 0x80) return {lead, 1};
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || at + length > text.size()) return broken;
    char32_t c = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return broken;
        c = (c << 6) | (byte(at + i) & 0x3F);
    }
    constexpr char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < least[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return broken;
    return {c, length};
}

} // namespace

CharPicture pictureFor(char32_t character) {
    if (character >= U'A' && character <= U'Z')
        return {CharPicture::Letter, static_cast<std::int16_t>(character - U'A' + 1)};
    if (character >= U'0' && character <= U'9')
        return {CharPicture::Digit, static_cast<std::int16_t>(character - U'0')};
    // Beyond ASCII and its control characters: whatever the lettering can draw of it.
    if (character >= 0xA0 && character <= 0x10FFFF && character != 0xFFFD &&
        !(character >= 0xD800 && character <= 0xDFFF))
        return {CharPicture::Glyph, 0, character};
    return {};
}

std::array<CharPicture, NameCells> namePictures(const std::string& name) {
    std::array<CharPicture, NameCells> pictures{};
    std::size_t at = 0;
    for (int cell = 0; cell < NameCells && at < name.size(); ++cell) {
        const auto [character, length] = readUtf8(name, at);
        pictures[cell] = pictureFor(character);
        at += length;
    }
    return pictures;
}

const NameAlphabet& nameAlphabet(std::string_view language) {
    const std::string_view base = language.substr(0, language.find_first_of("_-.@"));
    for (const NameAlphabet& alphabet : alphabets)
        if (alphabet.language == base) return alphabet;
    return alphabets[0];
}

char32_t nameCharacter(char32_t typed, const NameAlphabet& alphabet) {
    if (alphabet.fullWidth && typed >= U'\uFF01' && typed <= U'\uFF5E') typed -= 0xFF01 - 0x21;
    if (typed >= U'a' && typed <= U'z') typed -= U'a' - U'A';
    if ((typed >= U'A' && typed <= U'Z') || (typed >= U'0' && typed <= U'9')) return typed;
    if (typed < 0x80) return 0;
    if (const auto at = alphabet.smalls.find(typed); at != std::u32string_view::npos)
        return alphabet.capitals[at];
    if (alphabet.capitals.find(typed) != std::u32string_view::npos) return typed;
    return 0;
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

    if (key == KeyEnter) {
        painter.paintBlank(CursorPos);
        finish(table);
    } else if (key == KeyBackspace) {
        if (CursorPos < 2) return;
        // The whole of the last character, however many bytes it takes.
        while (!name.empty() && (static_cast<unsigned char>(name.back()) & 0xC0) == 0x80)
            name.pop_back();
        if (!name.empty()) name.pop_back();
        painter.paintBlank(CursorPos);
        --CursorPos;
        painter.paintCursor(CursorPos);
    } else if (key > 0) {
        const char32_t character = nameCharacter(static_cast<char32_t>(key), nameAlphabet(language));
        if (character == 0) return;
        painter.paintCharacter(CursorPos, pictureFor(character));
        appendUtf8(name, character);
        ++CursorPos;
        if (CursorPos == NameCells)
            finish(table);
        else
            painter.paintCursor(CursorPos);
    }
}

} // namespace mirel
