// Any bytes as one of the game's sound files, read the way the player reads it: through the
// cache, decoded by libsndfile and cut to the time limit. Whatever the file holds gives
// either a clip an output can play, within the limit, or the built-in chime.
#include "Require.h"
#include "sound/SoundCache.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

using namespace mirel;

namespace {

std::string folder;

void removeFolder() {
    ::unlink((folder + "/Explode.wav").c_str());
    ::rmdir(folder.c_str());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::string pattern = "/tmp/mirel-sound-fuzz-XXXXXX";
    REQUIRE(::mkdtemp(pattern.data()) != nullptr);
    folder = pattern;
    std::atexit(removeFolder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = folder + "/Explode.wav";
    {
        // A new file each time: a file truncated and rewritten is flushed to disk on close.
        ::unlink(path.c_str());
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
        REQUIRE(out.good());
    }
    // A cache of its own for each input: a file rewritten within one tick of the clock, at
    // the same size, looks unchanged.
    SoundCache cache;
    const std::shared_ptr<const SoundClip> clip = cache.clipFor(path);
    REQUIRE(clip != nullptr);
    // Read once: the next start plays what was decoded.
    REQUIRE(cache.clipFor(path) == clip);
    if (clip == defaultSound()) return 0;

    REQUIRE(clip->sampleRate >= 1000 && clip->sampleRate <= 384000);
    REQUIRE(clip->channels == 1 || clip->channels == 2);
    REQUIRE(!clip->samples.empty() && clip->samples.size() % std::size_t(clip->channels) == 0);
    REQUIRE(clip->frames() <= std::int64_t(clip->sampleRate) * MaxSoundLength.count() / 1000);
    REQUIRE(clip->length() <= MaxSoundLength);
    for (const float s : clip->samples)
        REQUIRE(std::isfinite(s) && s >= -1.0f && s <= 1.0f);
    return 0;
}
