#include "app/RunGame.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Lets the desktop match the window with the game's menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.mirel.Mirel"));
    return mirel::runGame(app);
}
