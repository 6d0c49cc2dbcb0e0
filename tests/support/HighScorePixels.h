#pragma once

#include "scores/NameEntry.h"
#include "support/Pixels.h"
#include "ui/ScaledPictures.h"
#include "ui/Twips.h"
#include "ui/frmHighScore.h"

#include <QRect>
#include <QString>

namespace mirel::testing {

// Reading the high-score window back from its pixels.

inline QRect nameCell(int rank, int position) {
    return {toPixels(2190 + 330 * (position - 1)), toPixels(60 + 510 * (rank - 1)), 22, 28};
}
inline QRect scoreCell(int rank, int position) {
    return {toPixels(5630 + 330 * (position - 1)), toPixels(60 + 510 * (rank - 1)), 22, 28};
}

// The characters a row of the window shows, read back from its pixels: letters, digits, the
// other `letters` looked for, '_' for the cursor and ' ' for a blank cell ('?' for anything
// else).
inline QString nameShown(frmHighScore& window, const Pictures& pictures, int rank,
                         const QString& letters = {}) {
    const QImage shot = window.pctHighScore->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QString shown;
    for (int p = 1; p <= NameCells; ++p) {
        const QImage cell = shot.copy(nameCell(rank, p));
        QChar ch = u'?';
        if (allBlack(cell))
            ch = u' ';
        else if (cell == onBlack(pictures.pctAlphabet[0]))
            ch = u'_';
        for (int k = 1; k <= 26; ++k)
            if (cell == onBlack(pictures.pctAlphabet[k])) ch = QChar(u'A' + k - 1);
        for (int d = 0; d <= 9; ++d)
            if (cell == onBlack(pictures.imgDigit[d])) ch = QChar(u'0' + d);
        QString other;
        for (const char32_t letter : letters.toUcs4())
            if (const QPixmap drawn = ScaledPictures::instance().letter(letter);
                !drawn.isNull() && cell == onBlack(drawn))
                other = QString::fromUcs4(&letter, 1);
        shown += other.isEmpty() ? QString(ch) : other;
    }
    return shown;
}

inline QString scoreShown(frmHighScore& window, const Pictures& pictures, int rank) {
    const QImage shot = window.pctHighScore->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QString shown;
    for (int p = 1; p <= 6; ++p) {
        QChar ch = u'?';
        for (int d = 0; d <= 9; ++d)
            if (shot.copy(scoreCell(rank, p)) == onBlack(pictures.imgDigit[d]))
                ch = QChar(u'0' + d);
        shown += ch;
    }
    return shown;
}

} // namespace mirel::testing
