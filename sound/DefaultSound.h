#pragma once

#include "sound/SoundClip.h"

#include <memory>

namespace mirel {

// What is heard in place of a sound file that is missing or cannot be played: a soft,
// short two-note chime, made in code so that it can never be missing itself.
std::shared_ptr<const SoundClip> defaultSound();

} // namespace mirel
