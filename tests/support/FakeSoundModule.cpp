// Stand-ins for mirel-sound.so, built three ways: one that records the sounds it is asked to
// play (MIREL_FAKE_RECORDING), one without the entry (MIREL_FAKE_ENTRYLESS) and one whose
// entry makes no player (MIREL_FAKE_REFUSING). The test reads the record through the C
// functions below.
#include "sound/SoundModule.h"

#include <string>
#include <vector>

#define MIREL_FAKE_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

struct Record {
    std::vector<std::string> paths;
    std::vector<int> flags;
    int made = 0;
    int deleted = 0;
};
Record record;

class RecordingPlayer final : public mirel::SoundPlayer {
public:
    ~RecordingPlayer() override { ++record.deleted; }
    void play(const std::string& path, std::int16_t flags) override {
        record.paths.push_back(path);
        record.flags.push_back(flags);
    }
};

} // namespace

MIREL_FAKE_EXPORT int mirel_fake_players_made() {
    return record.made;
}
MIREL_FAKE_EXPORT int mirel_fake_players_deleted() {
    return record.deleted;
}
MIREL_FAKE_EXPORT int mirel_fake_sounds() {
    return int(record.paths.size());
}
MIREL_FAKE_EXPORT const char* mirel_fake_sound_path(int i) {
    return record.paths.at(i).c_str();
}
MIREL_FAKE_EXPORT int mirel_fake_sound_flags(int i) {
    return record.flags.at(i);
}

#if defined(MIREL_FAKE_RECORDING) || defined(MIREL_FAKE_REFUSING)
MIREL_FAKE_EXPORT mirel::SoundPlayer* mirel_sound_module_create(int interfaceVersion) noexcept {
#ifdef MIREL_FAKE_REFUSING
    (void)interfaceVersion;
    return nullptr;
#else
    if (interfaceVersion != mirel::SoundModuleInterface) return nullptr;
    ++record.made;
    return new RecordingPlayer;
#endif
}
#endif
