#include "sound/SoundCache.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <sys/stat.h>

namespace mirel {

namespace {

SoundClip makeChime() {
    constexpr int Rate = 44100;
    constexpr double NoteSeconds = 0.09;
    constexpr double Notes[] = {660.0, 495.0};
    constexpr double Peak = 0.25;
    constexpr double Fade = 0.008;
    SoundClip clip;
    clip.sampleRate = Rate;
    clip.channels = 1;
    const int perNote = int(NoteSeconds * Rate);
    clip.samples.reserve(std::size(Notes) * std::size_t(perNote));
    for (double frequency : Notes) {
        for (int i = 0; i < perNote; ++i) {
            const double t = double(i) / Rate;
            // Short fades at both ends, so that neither note clicks.
            const double edge = std::min({1.0, t / Fade, (NoteSeconds - t) / Fade});
            const double decay = std::exp(-t * 12.0);
            clip.samples.push_back(
                float(Peak * edge * decay * std::sin(2 * std::numbers::pi * frequency * t)));
        }
    }
    return clip;
}

} // namespace

std::shared_ptr<const SoundClip> defaultSound() {
    static const auto chime = std::make_shared<const SoundClip>(makeChime());
    return chime;
}

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

    std::optional<SoundClip> read = readSoundFile(path, maxLength);
    std::shared_ptr<const SoundClip> clip =
        read ? std::make_shared<const SoundClip>(std::move(*read)) : defaultSound();
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
