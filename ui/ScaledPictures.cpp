#include "ui/ScaledPictures.h"

#include "Drawing.h"
#include "PackedPictures.h"

#include <QCoreApplication>
#include <QHash>
#include <QPainter>
#include <QtConcurrent/QtConcurrentRun>

#include <cmath>

namespace mirel {

namespace {

// Compiled-in pixmaps by their identity, to the picture each one is.
QHash<qint64, int>& known() {
    static QHash<qint64, int> ids;
    return ids;
}

QSizeF drawnSize(const QPixmap& picture, double scale, double ratio) {
    const QSizeF size = picture.deviceIndependentSize();
    return QSizeF(std::ceil(size.width() * scale - 1e-6), std::ceil(size.height() * scale - 1e-6)) /
           ratio;
}

} // namespace

ScaledPictures& ScaledPictures::instance() {
    // Made on the program's main thread, and kept to its end.
    static ScaledPictures* pictures = [] {
        auto* made = new ScaledPictures;
        if (QCoreApplication::instance() != nullptr)
            connect(qApp, &QCoreApplication::aboutToQuit, made, [made] {
                if (made->cancelPending) *made->cancelPending = true;
            });
        return made;
    }();
    return *pictures;
}

void ScaledPictures::remember(const QPixmap& picture, art::PictureId id) {
    known().insert(picture.cacheKey(), static_cast<int>(art::indexOf(id)));
}

int ScaledPictures::idOf(const QPixmap& picture) const {
    return known().value(picture.cacheKey(), -1);
}

QImage ScaledPictures::exact(const QPixmap& picture, double factor, double ratio) const {
    const int id = idOf(picture);
    if (id < 0) return {};
    const double scale = factor * ratio;
    if (scale == 1.0 || scale == 2.0) {
        QImage packed = art::packedPicture(art::PictureId(id), scale == 2.0);
        packed.setDevicePixelRatio(ratio);
        return packed;
    }
    if (scale == ready && ratio == ratioOfReady) return pictures[std::size_t(id)];
    return {};
}

void ScaledPictures::paint(QPainter& painter, QPointF at, const QPixmap& picture, double factor) {
    if (factor == 1.0) {
        painter.drawPixmap(at, picture);
        return;
    }
    const double ratio = painter.device()->devicePixelRatioF();
    const QImage drawn = exact(picture, factor, ratio);
    if (!drawn.isNull()) {
        painter.drawImage(at, drawn);
        return;
    }
    // Until the exact drawing is ready: the nearest size there is, reduced rather than
    // enlarged where there is a choice.
    want(factor, ratio);
    const double scale = factor * ratio;
    const QRectF target(at, drawnSize(picture, scale, ratio));
    const int id = idOf(picture);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (id < 0) {
        painter.drawPixmap(target, picture, QRectF(picture.rect()));
    } else {
        double best = 0;
        for (double from : {1.0, 2.0, ready})
            if (from > 0 && ((best < scale && from > best) || (from >= scale && from < best)))
                best = from;
        const QImage source = best == ready ? pictures[std::size_t(id)]
                                            : art::packedPicture(art::PictureId(id), best == 2.0);
        painter.drawImage(target, source, QRectF(source.rect()));
    }
    painter.restore();
}

void ScaledPictures::want(double factor, double ratio) {
    const double scale = factor * ratio;
    if (scale == 1.0 || scale == 2.0) {
        // The compiled-in pictures serve; nothing drawn is kept.
        if (cancelPending) *cancelPending = true;
        cancelPending.reset();
        pending = 0;
        ready = 0;
        pictures.clear();
        return;
    }
    if ((scale == ready && ratio == ratioOfReady) || scale == pending) return;
    if (cancelPending) *cancelPending = true;
    cancelPending.reset();
    pending = 0;
    QString problem;
    if (!art::prepareDrawing(problem)) {
        static bool told = false;
        if (!told) qWarning("mirel: pictures are shown enlarged: %s", qPrintable(problem));
        told = true;
        return;
    }
    pending = scale;
    auto cancel = std::make_shared<std::atomic<bool>>(false);
    cancelPending = cancel;
    auto* watcher = new QFutureWatcher<std::vector<QImage>>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, scale, ratio, cancel] {
        watcher->deleteLater();
        if (*cancel || scale != pending) return;
        std::vector<QImage> result = watcher->result();
        if (result.empty()) return;
        pictures = std::move(result);
        ready = scale;
        ratioOfReady = ratio;
        pending = 0;
        cancelPending.reset();
        emit drawn();
    });
    watcher->setFuture(QtConcurrent::run([scale, ratio, cancel] {
        std::vector<QImage> drawn = art::drawAll(scale, [cancel] { return cancel->load(); });
        for (QImage& picture : drawn)
            picture.setDevicePixelRatio(ratio);
        return drawn;
    }));
}

} // namespace mirel
