// The game shows its pictures from pixels compiled in at build time instead of decoding the
// PNGs at start-up: what reaches the screen must be exactly what the PNGs hold, and the game's
// pictures must share the compiled-in pixels rather than copy them.

#include "MirelArt.h"
#include "PackedPictures.h"
#include "ui/Pictures.h"

#include <QApplication>
#include <QSet>
#include <QTest>

using namespace mirel;
using art::PictureId;

class PackedPicturesTest : public QObject {
    Q_OBJECT

private slots:
    // As a pixmap, the way every picture is painted.
    void everyPictureShowsThePixelsOfItsPng_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("doubleSize");
        for (std::size_t i = 0; i < art::PictureCount; ++i) {
            const QString name = QLatin1StringView(art::PictureNames[i]);
            QTest::newRow(qPrintable(name)) << int(i) << false;
            QTest::newRow(qPrintable(name + QStringLiteral("@2x"))) << int(i) << true;
        }
    }
    void everyPictureShowsThePixelsOfItsPng() {
        QFETCH(int, id);
        QFETCH(bool, doubleSize);
        const QImage png(art::picturePath(PictureId(id), doubleSize));
        QVERIFY(!png.isNull());
        const QImage packed = art::packedPicture(PictureId(id), doubleSize);
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

    // Nothing is decoded or copied at start-up, and each picture is a picture of its own, as
    // the option switches need for telling their states apart.
    void theGamesPicturesShareThePixelsAndAreEachTheirOwn() {
        const Pictures p = Pictures::load();
        const bool sharp = qApp->devicePixelRatio() > 1.0; // the @2x drawings
        const std::pair<const QPixmap&, PictureId> some[] = {
            {p.title, PictureId::Title},
            {p.pctBall[0], PictureId::Ball0},
            {p.pctBox[5], PictureId::Box5},
            {p.pctFace[4], PictureId::Face4},
            {p.imgDigit[9], PictureId::Digit9},
            {p.imgDigit[10], PictureId::DigitDot},
            {p.pctAlphabet[0], PictureId::Underscore},
            {p.pctAlphabet[1], PictureId::LetterA},
            {p.pctAlphabet[26], PictureId::LetterZ},
            {p.pctSoundOn, PictureId::SoundOn},
            {p.pctSoundOff, PictureId::SoundOff},
            {p.pctCursor, PictureId::Cursor},
            {p.pctFocusFrame, PictureId::FocusFrame},
            {p.helpText, PictureId::HelpText}};
        QSet<qint64> keys;
        for (const auto& [pixmap, id] : some) {
            QVERIFY(!pixmap.isNull());
            QCOMPARE(pixmap.toImage().constBits(), art::packedPicture(id, sharp).constBits());
            keys.insert(pixmap.cacheKey());
        }
        QCOMPARE(keys.size(), qsizetype(std::size(some)));
    }

    // The keyboard's frames are drawn over other pictures: see-through inside, so the piece or
    // the control shows, and solid on their line.
    void theFramesAreSeeThroughInside_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("line"); // the line lies within this far of the edge
        QTest::newRow("cursor") << int(PictureId::Cursor) << art::CursorSize << 4;
        QTest::newRow("focus frame") << int(PictureId::FocusFrame) << art::FocusFrameSize
                                     << art::FocusFrameOutset;
    }
    void theFramesAreSeeThroughInside() {
        QFETCH(int, id);
        QFETCH(int, side);
        QFETCH(int, line);
        for (const bool doubleSize : {false, true}) {
            const int scale = doubleSize ? 2 : 1;
            const QImage frame = art::packedPicture(PictureId(id), doubleSize)
                                     .convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(frame.size(), QSize(side, side) * scale);
            // Opaque along the middle of each edge, fully clear well inside the line.
            for (const QPoint edge : {QPoint(side / 2, 1), QPoint(1, side / 2),
                                      QPoint(side / 2, side - 2), QPoint(side - 2, side / 2)})
                QCOMPARE(qAlpha(frame.pixel(edge * scale)), 255);
            const int in = (line + 2) * scale;
            for (int y = in; y < frame.height() - in; ++y)
                for (int x = in; x < frame.width() - in; ++x)
                    QVERIFY2(qAlpha(frame.pixel(x, y)) == 0,
                             qPrintable(QStringLiteral("(%1, %2) is not see-through").arg(x).arg(y)));
        }
    }
};

QTEST_MAIN(PackedPicturesTest)
#include "PackedPicturesTest.moc"
