// The game as a player starts it, reporting its first painted window.
#include "FirstPaintProbe.h"
#include "core/RealRandom.h"
#include "core/SteadyTickClock.h"
#include "hazards/SilentSoundPlayer.h"
#include "ui/frmMain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    mirel::SteadyTickClock clock;
    mirel::RealRandom random;
    mirel::SilentSoundPlayer sound;
    mirel::frmMain window(clock, random, sound);
    new FirstPaintProbe(&window);
    window.show();
    return app.exec();
}
