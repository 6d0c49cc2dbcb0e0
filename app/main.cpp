#include "ui/RunGame.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    return mirel::runGame(app);
}
