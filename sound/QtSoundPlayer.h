#pragma once

#include "core/SoundPlayer.h"
#include "sound/SoundCache.h"

#include <chrono>
#include <memory>

class QThread;

namespace mirel {

class SoundOutput;
struct SoundHandOver;

// Plays sound files through Qt Multimedia's default audio output.
//
// The audio objects live on a thread of their own with its own event loop, so that a sound
// goes on playing while the caller blocks, and so that an audio server that is slow, broken
// or gone can never hold the caller for longer than the sound itself. Starting a sound hands
// the decoded clip over and returns; many quick starts collapse into the newest. A waited
// play sleeps until the sound has played, and never longer than its length plus WaitMargin.
//
// Create it once, after the QCoreApplication, and let it live as long as the game: Qt's
// connection to the audio server is made on the first player's thread.
class QtSoundPlayer final : public SoundPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    QtSoundPlayer(const QtSoundPlayer&) = delete;
    QtSoundPlayer& operator=(const QtSoundPlayer&) = delete;

    void play(const std::string& path, std::int16_t flags) override;

    // The most a waited play may run past the sound's length, for an output that is slow to
    // start or never says that it has.
    static constexpr std::chrono::milliseconds WaitMargin{200};

private:
    SoundCache cache;
    std::shared_ptr<SoundHandOver> handOver;
    std::unique_ptr<QThread> thread;
    SoundOutput* output = nullptr; // lives on `thread`, which deletes it
};

} // namespace mirel
