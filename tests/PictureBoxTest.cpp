// What a picture box shows of the pictures painted onto it: the same pixels as drawing them
// with a painter, wherever they land, and a refresh that repaints what was painted.
#include "ui/PictureBox.h"
#include "ui/Twips.h"

#include <QAbstractEventDispatcher>
#include <QPaintEvent>
#include <QPainter>
#include <QTest>

using namespace mirel;

namespace {

// A picture whose every pixel differs from its neighbours, so that a shift by one shows.
QPixmap pattern(QSize size, QImage::Format format, qreal ratio = 1.0, int alpha = 255) {
    QImage image(size, format);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixelColor(x, y,
                                QColor((x * 37 + y * 11) % 256, (x * 5 + y * 53) % 256,
                                       (x * 19 + y * 7 + 90) % 256, alpha));
    image.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(image);
}

enum Picture { Opaque, Translucent, DoubleDensity };

QPixmap pictureOf(Picture which) {
    switch (which) {
    case Opaque:
        return pattern({32, 32}, QImage::Format_RGB32);
    case Translucent:
        return pattern({32, 32}, QImage::Format_ARGB32, 1.0, 120);
    case DoubleDensity:
        return pattern({64, 64}, QImage::Format_RGB32, 2.0);
    }
    return {};
}

struct Watched final : QObject {
    QRegion repainted;
    bool covers(const QRect& rect) const { return (QRegion(rect) - repainted).isEmpty(); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) repainted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

// Delivers every event, and those they post in turn, until none is left: a repaint asked for
// has then happened, however slow the machine.
void runDry() {
    while (QAbstractEventDispatcher::instance()->processEvents(QEventLoop::AllEvents)) {
    }
}

} // namespace

Q_DECLARE_METATYPE(Picture)

class PictureBoxTest : public QObject {
    Q_OBJECT

private slots:
    void paintedPicturesShowAsAPainterDrawsThem_data() {
        QTest::addColumn<Picture>("picture");
        QTest::addColumn<QPoint>("at"); // pixels
        QTest::newRow("opaque, inside") << Opaque << QPoint(40, 20);
        QTest::newRow("opaque, over the right and bottom edges") << Opaque << QPoint(180, 80);
        QTest::newRow("opaque, over the left and top edges") << Opaque << QPoint(-10, -5);
        QTest::newRow("opaque, wholly outside") << Opaque << QPoint(-40, 20);
        QTest::newRow("opaque, beyond the bottom") << Opaque << QPoint(20, 100);
        QTest::newRow("translucent, over another picture") << Translucent << QPoint(50, 30);
        QTest::newRow("double density") << DoubleDensity << QPoint(60, 10);
        QTest::newRow("double density, over an edge") << DoubleDensity << QPoint(190, -8);
    }
    void paintedPicturesShowAsAPainterDrawsThem() {
        QFETCH(Picture, picture);
        QFETCH(QPoint, at);
        QWidget window;
        PictureBox box(&window);
        box.setTwipGeometry(0, 0, 200 * TwipsPerPixel, 100 * TwipsPerPixel);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const QPixmap under = pictureOf(Opaque);
        const QPixmap over = pictureOf(picture);
        box.paintPicture(under, 45 * TwipsPerPixel, 25 * TwipsPerPixel);
        box.paintPicture(over, at.x() * TwipsPerPixel, at.y() * TwipsPerPixel);
        box.refresh();

        const qreal ratio = box.devicePixelRatioF();
        QImage expected(box.size() * ratio, QImage::Format_RGB32);
        expected.setDevicePixelRatio(ratio);
        expected.fill(Qt::black);
        {
            QPainter painter(&expected);
            painter.drawPixmap(QPoint(45, 25), under);
            painter.drawPixmap(at, over);
        }
        QCOMPARE(box.grab().toImage().convertToFormat(QImage::Format_RGB32), expected);
    }

    void aRefreshRepaintsWhatWasPainted() {
        QWidget window;
        PictureBox box(&window);
        box.setTwipGeometry(0, 0, 200 * TwipsPerPixel, 100 * TwipsPerPixel);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        Watched watched;
        box.installEventFilter(&watched);

        box.paintPicture(pictureOf(Opaque), 150 * TwipsPerPixel, 60 * TwipsPerPixel);
        runDry();
        QVERIFY(watched.repainted.isEmpty()); // nothing shows before the refresh
        box.refresh();
        QTRY_VERIFY(watched.covers(QRect(150, 60, 32, 32)));

        watched.repainted = {};
        box.paintPicture(pictureOf(Opaque), 10 * TwipsPerPixel, 10 * TwipsPerPixel);
        box.paintPicture(pictureOf(Opaque), 60 * TwipsPerPixel, 40 * TwipsPerPixel);
        box.refresh();
        QTRY_VERIFY(!watched.repainted.isEmpty());
        QVERIFY(watched.covers(QRect(10, 10, 32, 32)));
        QVERIFY(watched.covers(QRect(60, 40, 32, 32)));

        // A second refresh has nothing new to show.
        watched.repainted = {};
        box.refresh();
        runDry();
        QVERIFY(watched.repainted.isEmpty());
    }
};

QTEST_MAIN(PictureBoxTest)
#include "PictureBoxTest.moc"
