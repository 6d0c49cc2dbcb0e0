#pragma once

#include "core/SoundPlayer.h"

#include <QString>

#include <memory>

namespace mirel {

// The game's sound player: loads the player on Qt Multimedia from its module (SoundModule.h)
// and hands every sound on to it. The module is loaded once, by load() or at the first sound,
// whichever comes first. A module that is missing or cannot be used is reported once on
// standard error, and the game plays on in silence.
class ModuleSoundPlayer final : public SoundPlayer {
public:
    explicit ModuleSoundPlayer(QString modulePath);
    ~ModuleSoundPlayer() override;
    ModuleSoundPlayer(const ModuleSoundPlayer&) = delete;
    ModuleSoundPlayer& operator=(const ModuleSoundPlayer&) = delete;

    // The module beside the running program.
    static QString besideProgram();

    // Loads the module and starts its player; after the first call, does nothing.
    void load();
    // Whether the module's player is playing the sounds.
    bool loaded() const { return player != nullptr; }

    void play(const std::string& path, std::int16_t flags) override;

private:
    QString modulePath;
    bool tried = false;
    std::unique_ptr<SoundPlayer> player;
};

} // namespace mirel
