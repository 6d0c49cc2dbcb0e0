// The game as a player starts it, reporting its first painted window.
#include "FirstPaintProbe.h"
#include "app/RunGame.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    return mirel::runGame(app, [](QWidget& window) { new FirstPaintProbe(&window); });
}
