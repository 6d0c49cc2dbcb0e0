#include "sound/DefaultSound.h"

#include <algorithm>
#include <cmath>
#include <numbers>

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

} // namespace mirel
