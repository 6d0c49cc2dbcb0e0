#pragma once

#include "core/SoundPlayer.h"

namespace mirel {

// The sound player on Qt Multimedia is built as a module of its own, loaded once the window is
// up: linked into the program, Qt Multimedia and the libraries it pulls in would be loaded and
// relocated before the first paint.

// Lies beside the program.
inline constexpr char SoundModuleFile[] = "mirel-sound.so";

// The module's one entry: makes a player, which the caller owns and deletes. It makes none
// (returns null) for another version of the interface, or when the player cannot start.
inline constexpr char SoundModuleEntry[] = "mirel_sound_module_create";
using SoundModuleCreate = SoundPlayer* (*)(int interfaceVersion) noexcept;

// Raised whenever SoundPlayer changes, so that a module left over from another build is
// refused instead of called.
inline constexpr int SoundModuleInterface = 1;

} // namespace mirel
