#pragma once

#include "PictureIds.h"

#include <QFutureWatcher>
#include <QImage>
#include <QObject>
#include <QPixmap>

#include <atomic>
#include <memory>
#include <vector>

class QPainter;

namespace mirel {

// The game's pictures at the size the window is drawn at. At a scale of 1 or 2 device pixels
// to each 1x pixel they are the compiled-in pixels; at any other they are drawn afresh, on
// another thread, by the code that drew those. Until they are ready the nearest ready size is
// shown enlarged or reduced. Only one scale's drawings are kept.
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
    // pixel, or a null image while it is not ready (or not one remembered).
    QImage exact(const QPixmap& picture, double factor, double ratio) const;

    // Starts drawing the pictures for `factor` at `ratio`, unless they need no drawing or are
    // ready or under way; drops those of any other scale.
    void want(double factor, double ratio);
    // The scale whose drawings are ready (0 for none).
    double readyScale() const { return ready; }

signals:
    // The pictures of the wanted scale are ready: everything shown should be painted again.
    void drawn();

private:
    ScaledPictures() = default;
    int idOf(const QPixmap& picture) const;

    double ready = 0;
    double ratioOfReady = 1;
    std::vector<QImage> pictures; // of the ready scale, by id
    double pending = 0;
    std::shared_ptr<std::atomic<bool>> cancelPending;
};

} // namespace mirel
