#include "sound/ModuleSoundPlayer.h"

#include "sound/SoundModule.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

namespace mirel {

ModuleSoundPlayer::ModuleSoundPlayer(QString modulePath) : modulePath(std::move(modulePath)) {}

// The module is never unloaded: Qt Multimedia keeps threads and callbacks of its own until
// the program ends.
ModuleSoundPlayer::~ModuleSoundPlayer() = default;

QString ModuleSoundPlayer::besideProgram() {
    return QCoreApplication::applicationDirPath() + u'/' + QLatin1String(SoundModuleFile);
}

void ModuleSoundPlayer::load() {
    if (tried) return;
    tried = true;
    // Asked for a file that is not there, QLibrary tries other names and reports the last.
    if (!QFileInfo::exists(modulePath)) {
        qWarning("Mirel: no sound: %s is missing", qPrintable(modulePath));
        return;
    }
    QLibrary module(modulePath);
    if (!module.load()) {
        qWarning("Mirel: no sound: %s", qPrintable(module.errorString()));
        return;
    }
    const auto create = reinterpret_cast<SoundModuleCreate>(module.resolve(SoundModuleEntry));
    if (!create) {
        qWarning("Mirel: no sound: %s has no %s", qPrintable(modulePath), SoundModuleEntry);
        return;
    }
    player.reset(create(SoundModuleInterface));
    if (!player)
        qWarning("Mirel: no sound: %s belongs to another version of the game or could not "
                 "start its player",
                 qPrintable(modulePath));
}

void ModuleSoundPlayer::play(const std::string& path, std::int16_t flags) {
    load();
    if (player) player->play(path, flags);
}

} // namespace mirel
