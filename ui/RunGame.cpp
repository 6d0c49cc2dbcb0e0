#include "ui/RunGame.h"

#include "core/RealRandom.h"
#include "core/SteadyTickClock.h"
#include "settings/UserSettingsStore.h"
#include "sound/QtSoundPlayer.h"
#include "ui/frmMain.h"

namespace mirel {

int runGame(QApplication& app, const std::function<void(QWidget&)>& beforeShow) {
    SteadyTickClock clock;
    RealRandom random;
    QtSoundPlayer sound;
    UserSettingsStore store;
    frmMain window(clock, random, sound, store);
    if (beforeShow) beforeShow(window);
    window.show();
    return app.exec();
}

} // namespace mirel
