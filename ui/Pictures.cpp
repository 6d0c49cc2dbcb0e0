#include "ui/Pictures.h"

#include "PackedPictures.h"

#include <QGuiApplication>
#include <QImage>
#include <QString>

namespace mirel {

namespace {

// The compiled-in pixels are already in the form Qt paints from: the pixmap shares them, and
// nothing is decoded or copied.
QPixmap picture(const QString& name, bool highDensity) {
    if (highDensity) {
        QImage sharp = art::packedPicture(name, true);
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return QPixmap::fromImage(std::move(sharp));
        }
    }
    return QPixmap::fromImage(art::packedPicture(name));
}

template <std::size_t N>
void loadNumbered(std::array<QPixmap, N>& into, const char* stem, bool highDensity) {
    for (std::size_t i = 0; i < N; ++i)
        into[i] = picture(QString::fromLatin1(stem) + QString::number(i), highDensity);
}

} // namespace

Pictures Pictures::load() {
    const bool hd = qGuiApp != nullptr && qGuiApp->devicePixelRatio() > 1.0;
    Pictures p;
    loadNumbered(p.pctBall, "ball", hd);
    loadNumbered(p.pctBox, "box", hd);
    loadNumbered(p.pctFace, "face", hd);
    p.pctBlank = picture(QStringLiteral("blank"), hd);
    p.pctMine = picture(QStringLiteral("mine"), hd);
    p.pctFire = picture(QStringLiteral("fire"), hd);

    for (int d = 0; d <= 9; ++d)
        p.imgDigit[d] = picture(QStringLiteral("digit%1").arg(d), hd);
    p.imgDigit[10] = picture(QStringLiteral("digitDot"), hd);
    p.pctAlphabet[0] = picture(QStringLiteral("underscore"), hd);
    for (int k = 1; k <= 26; ++k)
        p.pctAlphabet[k] = picture(QStringLiteral("letter") + QChar(u'A' + k - 1), hd);

    p.pctYes = picture(QStringLiteral("yes"), hd);
    p.pctNo = picture(QStringLiteral("no"), hd);
    p.pctSet1 = picture(QStringLiteral("set1"), hd);
    p.pctSet2 = picture(QStringLiteral("set2"), hd);
    p.pctSet3 = picture(QStringLiteral("set3"), hd);
    p.pctSoundOn = picture(QStringLiteral("soundOn"), hd);
    p.pctSoundOff = picture(QStringLiteral("soundOff"), hd);

    p.newGame = picture(QStringLiteral("new"), hd);
    p.highScores = picture(QStringLiteral("highscores"), hd);
    p.events = picture(QStringLiteral("events"), hd);
    p.undo = picture(QStringLiteral("undo"), hd);
    p.help = picture(QStringLiteral("help"), hd);
    p.about = picture(QStringLiteral("about"), hd);
    p.exit = picture(QStringLiteral("exit"), hd);
    p.rowShifts = picture(QStringLiteral("rowShifts"), hd);
    p.columnShifts = picture(QStringLiteral("columnShifts"), hd);
    p.mines = picture(QStringLiteral("mines"), hd);
    p.ok = picture(QStringLiteral("ok"), hd);
    p.reset = picture(QStringLiteral("reset"), hd);
    p.gameOver = picture(QStringLiteral("gameOver"), hd);
    p.helpText = picture(QStringLiteral("helpText"), hd);
    p.aboutText = picture(QStringLiteral("aboutText"), hd);
    p.title = picture(QStringLiteral("title"), hd);
    return p;
}

} // namespace mirel
