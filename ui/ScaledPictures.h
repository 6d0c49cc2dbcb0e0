#pragma once

#include "PictureIds.h"

#include <QHash>
#include <QImage>
#include <QObject>
#include <QPixmap>

#include <atomic>
#include <memory>
#include <vector>

class QPainter;
class QThread;

namespace mirel {

// The game's pictures at the size the window is drawn at. At a scale of 1 or 2 device pixels
// to each 1x pixel they are the compiled-in pixels; at any other they are drawn afresh by the
// code that drew those, on a drawing thread of their own that lives as long as the program.
// When the game speaks another language than English, the pictures with words are drawn so at
// every scale, and show black until drawn.
// Only what is asked for is drawn: the pictures painted (with the rest of a piece set or the
// digits when one of them is), once the size has settled, one drawing at a time; a new size
// gives up the drawing under way, even inside a picture. Until a picture is drawn the nearest
// size there is shows, enlarged or reduced. Only one scale's drawings are kept.
class ScaledPictures final : public QObject {
    Q_OBJECT

public:
    static ScaledPictures& instance();

    // Tells which picture a compiled-in pixmap (Pictures) is.
    static void remember(const QPixmap& picture, art::PictureId id);

    // Paints `picture` (one of those remembered) with its top left at `at`, as large as the
    // layout's `factor` makes it, for the device pixels `painter` paints on.
    void paint(QPainter& painter, QPointF at, const QPixmap& picture, double factor);
    // The picture drawn exactly for `factor` on a device of `ratio` device pixels to a
    // pixel, or a null image while it is not ready (or not one remembered); one not ready is
    // asked for.
    QImage exact(const QPixmap& picture, double factor, double ratio);

    // A letter beyond A-Z (a name typed in another alphabet) as the letters are drawn, made
    // the first time it is wanted; a null pixmap when the lettering has no such letter. At
    // other sizes it is drawn exactly, too, as it is painted.
    QPixmap letter(char32_t character);

    // The size has settled at `factor` on a device of `ratio`: draws what was asked for at
    // it, unless that needs no drawing; drops the drawings of any other scale.
    void want(double factor, double ratio);
    // The settled scale when everything asked for at it is drawn (0 otherwise, and at the
    // compiled-in scales).
    double readyScale() const;

signals:
    // Pictures asked for have been drawn: everything shown should be painted again.
    void drawn();

private:
    ScaledPictures();
    int idOf(const QPixmap& picture) const;
    void ask(int id, double scale);
    void drawAsked();
    void stop();

    double settled = 0;     // the scale drawn for, 0 while the compiled-in ones serve
    double ratioOfSettled = 1;
    std::vector<QImage> pictures; // at the settled scale, by id; null where not drawn
    double askedScale = 0;
    std::vector<bool> asked;       // at askedScale, by id
    std::vector<bool> underWay;    // handed to the drawing thread, by id
    int drawingsUnderWay = 0;
    bool drawScheduled = false;
    bool stopped = false; // the program is ending
    bool openingSizeWanted = false; // words in another language asked for before any size
    std::shared_ptr<std::atomic<bool>> cancelSettled;
    QHash<char32_t, QPixmap> letters;       // at 1x, by letter (null: none such)
    QHash<qint64, char32_t> letterOf;       // those pixmaps, by their identity
    QHash<char32_t, QImage> lettersScaled;  // at lettersScale, by letter
    double lettersScale = 0;
    QThread* thread = nullptr;
    QObject* drawer = nullptr; // lives on `thread`
};

} // namespace mirel
