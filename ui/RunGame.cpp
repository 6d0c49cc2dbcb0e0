#include "ui/RunGame.h"

#include "core/RealRandom.h"
#include "core/SteadyTickClock.h"
#include "sound/QtSoundPlayer.h"
#include "ui/frmMain.h"

namespace mirel {

int runGame(QApplication& app, const std::function<void(QWidget&)>& beforeShow) {
    SteadyTickClock clock;
    RealRandom random;
    QtSoundPlayer sound;
    frmMain window(clock, random, sound);
    if (beforeShow) beforeShow(window);
    window.show();
    return app.exec();
}

} // namespace mirel
