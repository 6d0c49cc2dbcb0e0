#include "sound/SoundCache.h"

#include "sound/DefaultSound.h"

#include <algorithm>
#include <sys/stat.h>

namespace mirel {

SoundCache::SoundCache(std::chrono::milliseconds maxLength) : maxLength(maxLength) {}

std::shared_ptr<const SoundClip> SoundCache::clipFor(const std::string& path) {
    struct stat info {};
    // Only a regular file is opened: a FIFO or a device under a sound's name would block the
    // game or never end.
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return defaultSound();
    const Stamp stamp{std::uint64_t(info.st_dev), std::uint64_t(info.st_ino),
                      std::int64_t(info.st_size),
                      std::int64_t(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec,
                      std::int64_t(info.st_ctim.tv_sec) * 1'000'000'000 + info.st_ctim.tv_nsec};
    ++uses;
    auto entry = std::find_if(entries.begin(), entries.end(),
                              [&](const Entry& e) { return e.path == path; });
    if (entry != entries.end() && entry->stamp == stamp) {
        entry->lastUse = uses;
        return entry->clip;
    }

    WavReading reading = readWavFile(path, maxLength);
    std::shared_ptr<const SoundClip> clip =
        reading.clip ? std::make_shared<const SoundClip>(std::move(*reading.clip)) : defaultSound();
    // A file that cannot be played is remembered too, so that it is not read again at every
    // one of a hundred quick starts.
    if (entry == entries.end()) {
        if (entries.size() >= MaxEntries)
            entries.erase(std::min_element(
                entries.begin(), entries.end(),
                [](const Entry& a, const Entry& b) { return a.lastUse < b.lastUse; }));
        entries.push_back({path, stamp, clip, uses});
    } else {
        *entry = {path, stamp, clip, uses};
    }
    return clip;
}

} // namespace mirel
