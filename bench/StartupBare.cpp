// The floor the game's start-up is measured against: a bare Qt window of the game's size that
// paints one picture.
#include "FirstPaintProbe.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>

namespace {

class OnePicture final : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        painter.drawPixmap(217, 142, picture);
    }

private:
    QPixmap picture{QStringLiteral(":/art/title.png")};
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    OnePicture window;
    window.setFixedSize(676, 375);
    new FirstPaintProbe(&window);
    window.show();
    return app.exec();
}
