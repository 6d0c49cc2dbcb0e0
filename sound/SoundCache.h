#pragma once

#include "sound/SoundFile.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace mirel {

// Decoded sound files by path. A file is looked up afresh at every call, but read only when
// it is new or has changed since it was last read (one stat per call), so a file replaced
// while the game runs is the one heard next and starting a known sound costs next to nothing.
// A file that cannot be played gives the built-in default sound. Not thread-safe: one caller.
class SoundCache {
public:
    explicit SoundCache(std::chrono::milliseconds maxLength = MaxSoundLength);

    // Never null.
    std::shared_ptr<const SoundClip> clipFor(const std::string& path);

    // The game plays three files; a few more are kept, and the least recently used goes.
    static constexpr std::size_t MaxEntries = 8;

private:
    // What identifies one version of a file: a replacement by rename changes the inode, a
    // rewrite in place changes the size or the times.
    struct Stamp {
        std::uint64_t device = 0;
        std::uint64_t inode = 0;
        std::int64_t size = 0;
        std::int64_t modified = 0; // nanoseconds
        std::int64_t changed = 0;  // nanoseconds
        bool operator==(const Stamp&) const = default;
    };
    struct Entry {
        std::string path;
        Stamp stamp;
        std::shared_ptr<const SoundClip> clip;
        std::uint64_t lastUse = 0;
    };

    std::chrono::milliseconds maxLength;
    std::vector<Entry> entries;
    std::uint64_t uses = 0;
};

// What is heard in place of a sound file that is missing or cannot be played: a soft,
// short two-note chime, made in code so that it can never be missing itself.
std::shared_ptr<const SoundClip> defaultSound();

} // namespace mirel
