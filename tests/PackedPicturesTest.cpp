// The game shows its pictures from pixels compiled in at build time instead of decoding the
// PNGs at start-up: what reaches the screen must be exactly what the PNGs hold, and the game's
// pictures must share the compiled-in pixels rather than copy them.

#include "PackedPictures.h"
#include "MirelArt.h"
#include "ui/Pictures.h"

#include <QApplication>
#include <QSet>
#include <QTest>

using namespace mirel;

class PackedPicturesTest : public QObject {
    Q_OBJECT

private slots:
    // As a pixmap, the way every picture is painted.
    void everyPictureShowsThePixelsOfItsPng_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("doubleSize");
        for (const QString& name : art::pictureNames()) {
            QTest::newRow(qPrintable(name)) << name << false;
            QTest::newRow(qPrintable(name + QStringLiteral("@2x"))) << name << true;
        }
    }
    void everyPictureShowsThePixelsOfItsPng() {
        QFETCH(QString, name);
        QFETCH(bool, doubleSize);
        const QImage png(art::picturePath(name, doubleSize));
        QVERIFY(!png.isNull());
        const QImage packed = art::packedPicture(name, doubleSize);
        QVERIFY(!packed.isNull());
        const QImage shown = QPixmap::fromImage(packed).toImage();
        const QImage expected = QPixmap::fromImage(png).toImage();
        QCOMPARE(shown.format(), expected.format());
        QCOMPARE(shown.size(), expected.size());
        // Byte for byte, unused bits included.
        for (int y = 0; y < shown.height(); ++y)
            QVERIFY2(std::memcmp(shown.constScanLine(y), expected.constScanLine(y),
                                 std::size_t(shown.width()) * 4) == 0,
                     qPrintable(QStringLiteral("row %1 differs").arg(y)));
    }

    void anUnknownPictureIsNull_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("doubleSize");
        QTest::newRow("no such name") << QStringLiteral("ball6") << false;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("a prefix of a name") << QStringLiteral("bal") << true;
        QTest::newRow("past the last name") << QStringLiteral("zzz") << false;
        QTest::newRow("the file's name") << QStringLiteral("ball0.png") << false;
    }
    void anUnknownPictureIsNull() {
        QFETCH(QString, name);
        QFETCH(bool, doubleSize);
        QVERIFY(art::packedPicture(name, doubleSize).isNull());
    }

    // Nothing is decoded or copied at start-up, and each picture is a picture of its own, as
    // the option switches need for telling their states apart.
    void theGamesPicturesShareThePixelsAndAreEachTheirOwn() {
        const Pictures p = Pictures::load();
        const bool sharp = qApp->devicePixelRatio() > 1.0; // the @2x drawings
        const std::pair<const QPixmap&, const char*> some[] = {
            {p.title, "title"},           {p.pctBall[0], "ball0"},        {p.pctFace[4], "face4"},
            {p.imgDigit[10], "digitDot"}, {p.pctAlphabet[26], "letterZ"}, {p.pctSoundOn, "soundOn"},
            {p.pctSoundOff, "soundOff"},  {p.helpText, "helpText"}};
        QSet<qint64> keys;
        for (const auto& [pixmap, name] : some) {
            QVERIFY(!pixmap.isNull());
            QCOMPARE(pixmap.toImage().constBits(),
                     art::packedPicture(QLatin1String(name), sharp).constBits());
            keys.insert(pixmap.cacheKey());
        }
        QCOMPARE(keys.size(), qsizetype(std::size(some)));
    }
};

QTEST_MAIN(PackedPicturesTest)
#include "PackedPicturesTest.moc"
