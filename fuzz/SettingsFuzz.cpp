// Any bytes as the player's store file: read as the game reads it at start-up, drawn as the
// high-score window draws the table, saved, and read back unchanged; and its entries as changes
// another copy kept aside, merged once and twice.
#include "Require.h"
#include "scores/NameEntry.h"
#include "scores/ScoreChanges.h"
#include "scores/ScoreDigits.h"
#include "settings/Settings.h"
#include "settings/StoreFile.h"
#include "support/MemorySettingsStore.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

using namespace mirel;
using mirel::testing::MemorySettingsStore;

namespace {

const std::string Section = "Settings/";

// The store as the game sees it: the keys of its section.
MemorySettingsStore storeOf(const StoreEntries& entries) {
    MemorySettingsStore store;
    for (const auto& [key, value] : entries)
        if (key.compare(0, Section.size(), Section) == 0)
            store.values[key.substr(Section.size())] = value;
    return store;
}

StoreEntries entriesOf(const MemorySettingsStore& store) {
    StoreEntries entries;
    for (const auto& [key, value] : store.values)
        entries[Section + key] = value;
    return entries;
}

void checkTable(const HighScoreTable& table) {
    for (int r = 1; r <= TableSize; ++r) {
        REQUIRE(table.HighScores[r] >= 0);
        for (const auto d : scoreDigits(table.HighScores[r]))
            REQUIRE(d >= 0 && d <= 9);
        for (const CharPicture cell : namePictures(table.HighScoreNames[r])) {
            if (cell.kind == CharPicture::Letter) REQUIRE(cell.index >= 1 && cell.index <= 26);
            if (cell.kind == CharPicture::Digit) REQUIRE(cell.index >= 0 && cell.index <= 9);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    // The file's text: what is read from it is written back as text that reads the same.
    const StoreEntries entries = parseStoreFile(text);
    REQUIRE(parseStoreFile(formatStoreFile(entries)) == entries);

    // Start-up: whatever the file says, the options and the table are ones the game can show.
    MemorySettingsStore file = storeOf(entries);
    Options options;
    HighScoreTable table;
    loadSettings(file, options, table);
    checkTable(table);

    // Closing: every key is saved, and the next start reads back what this one had, names
    // byte for byte.
    MemorySettingsStore saved;
    REQUIRE(saveSettings(saved, options, table));
    std::size_t identities = 0;
    for (int r = 1; r <= TableSize; ++r) identities += table.ids[r].empty() ? 0 : 1;
    REQUIRE(saved.values.size() == 25 + identities + (table.resetAt != 0 ? 1 : 0));
    const StoreEntries written = entriesOf(saved);
    const StoreEntries reread = parseStoreFile(formatStoreFile(written));
    REQUIRE(reread == written);
    MemorySettingsStore next = storeOf(reread);
    Options options2;
    HighScoreTable table2;
    loadSettings(next, options2, table2);
    REQUIRE(options2 == options);
    REQUIRE(table2.HighScoreNames == table.HighScoreNames);
    REQUIRE(table2.HighScores == table.HighScores);
    REQUIRE(table2.ids == table.ids && table2.resetAt == table.resetAt);

    // Merged twice, changes give what they give merged once, and no score is in the table twice.
    HighScoreTable once = table;
    ScoreChanges::replay(once, entries);
    HighScoreTable twice = once;
    ScoreChanges::replay(twice, entries);
    REQUIRE(twice.HighScores == once.HighScores && twice.HighScoreNames == once.HighScoreNames &&
            twice.ids == once.ids && twice.resetAt == once.resetAt);
    for (int r = 1; r <= TableSize; ++r)
        for (int s = r + 1; s <= TableSize; ++s)
            REQUIRE(once.ids[r].empty() || once.ids[r] != once.ids[s]);
    checkTable(once);
    return 0;
}
