// mirel-sound.so: the game's sound player on Qt Multimedia, behind one C entry.
#include "sound/SoundModule.h"
#include "sound/QtSoundPlayer.h"

#include <type_traits>

extern "C" __attribute__((visibility("default"))) mirel::SoundPlayer*
mirel_sound_module_create(int interfaceVersion) noexcept {
    if (interfaceVersion != mirel::SoundModuleInterface) return nullptr;
    try {
        return new mirel::QtSoundPlayer;
    } catch (...) { // nothing may leave a C entry
        return nullptr;
    }
}

// The entry must keep the type the game calls it through.
static_assert(std::is_same_v<decltype(&mirel_sound_module_create), mirel::SoundModuleCreate>);
