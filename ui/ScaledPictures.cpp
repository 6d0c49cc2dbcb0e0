#include "ui/ScaledPictures.h"

#include "Drawing.h"
#include "PackedPictures.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHash>
#include <QLoggingCategory>
#include <QPainter>
#include <QThread>
#include <QTimer>

#include <cctype>
#include <cmath>
#include <cstring>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace mirel {

namespace {

// Each drawing handed to the drawing thread, told when QT_LOGGING_RULES="mirel.drawing=true".
Q_LOGGING_CATEGORY(drawingLog, "mirel.drawing", QtWarningMsg)

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

// The numbered family a picture belongs to (ball0..ball5, digit0..digit9), or empty: when
// one of them shows, the others are wanted next.
QByteArray familyOf(int id) {
    QByteArray name(art::PictureNames[id]);
    if (name.isEmpty() || !std::isdigit(static_cast<unsigned char>(name.back()))) return {};
    while (!name.isEmpty() && std::isdigit(static_cast<unsigned char>(name.back()))) name.chop(1);
    return name;
}

bool compiledIn(double scale) {
    return scale == 1.0 || scale == 2.0;
}

// Whether the compiled-in pixels show picture `id` at `scale`: not those with words in a
// language other than theirs.
bool packedServes(int id, double scale) {
    return compiledIn(scale) && !art::drawnInLanguage(art::PictureId(id));
}

// Whether any picture must be drawn at `scale`.
bool drawsAt(double scale) {
    return !compiledIn(scale) || art::wordsTranslated();
}

} // namespace

ScaledPictures::ScaledPictures()
    : pictures(art::PictureCount), asked(art::PictureCount), underWay(art::PictureCount) {}

ScaledPictures& ScaledPictures::instance() {
    // Made on the program's main thread, and kept to its end.
    static ScaledPictures* pictures = [] {
        auto* made = new ScaledPictures;
        if (QCoreApplication::instance() != nullptr)
            connect(qApp, &QCoreApplication::aboutToQuit, made, [made] { made->stop(); });
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

double ScaledPictures::readyScale() const {
    if (settled == 0 || drawingsUnderWay > 0 || drawScheduled) return 0;
    for (std::size_t id = 0; id < asked.size(); ++id)
        if (askedScale == settled && asked[id] && pictures[id].isNull()) return 0;
    return settled;
}

QPixmap ScaledPictures::letter(char32_t character) {
    if (const auto made = letters.constFind(character); made != letters.cend()) return *made;
    QPixmap made;
    QString problem;
    const double ratio = qGuiApp != nullptr && qGuiApp->devicePixelRatio() > 1.0 ? 2.0 : 1.0;
    if (art::prepareDrawing(problem)) {
        QImage drawn = art::drawLetter(character, ratio);
        if (!drawn.isNull()) {
            drawn.setDevicePixelRatio(ratio);
            made = QPixmap::fromImage(std::move(drawn));
            letterOf.insert(made.cacheKey(), character);
        }
    }
    letters.insert(character, made);
    return made;
}

QImage ScaledPictures::exact(const QPixmap& picture, double factor, double ratio) {
    if (const auto letter = letterOf.constFind(picture.cacheKey()); letter != letterOf.cend()) {
        // Few and small: drawn at once, and kept for the size.
        const double scale = factor * ratio;
        if (scale != lettersScale) {
            lettersScaled.clear();
            lettersScale = scale;
        }
        QImage& drawn = lettersScaled[*letter];
        if (drawn.isNull()) {
            drawn = art::drawLetter(*letter, scale);
            drawn.setDevicePixelRatio(ratio);
        }
        return drawn;
    }
    const int id = idOf(picture);
    if (id < 0) return {};
    const double scale = factor * ratio;
    if (packedServes(id, scale)) {
        QImage packed = art::packedPicture(art::PictureId(id), scale == 2.0);
        packed.setDevicePixelRatio(ratio);
        return packed;
    }
    if (scale == settled && ratio == ratioOfSettled && !pictures[std::size_t(id)].isNull())
        return pictures[std::size_t(id)];
    // Words in another language at a compiled-in size, before any size has settled: the size
    // the window opens with, drawn for as soon as this painting is over (the typefaces are
    // loaded then, not before the first window is on the screen).
    if (settled == 0 && compiledIn(scale) && !openingSizeWanted) {
        openingSizeWanted = true;
        QTimer::singleShot(0, this, [this, factor, ratio] {
            if (settled == 0) want(factor, ratio);
        });
    }
    ask(id, scale);
    return {};
}

void ScaledPictures::paint(QPainter& painter, QPointF at, const QPixmap& picture, double factor) {
    if (factor == 1.0 && (!art::wordsTranslated() || packedServes(idOf(picture), 1.0))) {
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
    const double scale = factor * ratio;
    const QRectF target(at, drawnSize(picture, scale, ratio));
    const int id = idOf(picture);
    // Enlarged without smoothing: it shows for a tenth of a second or so, and smoothing a
    // whole screen of pictures would put off the crisp ones.
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (id < 0) {
        painter.drawPixmap(target, picture, QRectF(picture.rect()));
    } else if (art::drawnInLanguage(art::PictureId(id))) {
        // Words in the game's language: nothing rather than English until they are drawn.
    } else {
        const bool haveSettled = !pictures[std::size_t(id)].isNull();
        double best = 0;
        for (double from : {1.0, 2.0, haveSettled ? settled : 0.0})
            if (from > 0 && ((best < scale && from > best) || (from >= scale && from < best)))
                best = from;
        const QImage source = haveSettled && best == settled
                                  ? pictures[std::size_t(id)]
                                  : art::packedPicture(art::PictureId(id), best == 2.0);
        painter.drawImage(target, source, QRectF(source.rect()));
    }
    painter.restore();
}

void ScaledPictures::ask(int id, double scale) {
    if (scale != askedScale) {
        askedScale = scale;
        std::fill(asked.begin(), asked.end(), false);
    }
    if (asked[std::size_t(id)]) return;
    asked[std::size_t(id)] = true;
    if (const QByteArray family = familyOf(id); !family.isEmpty())
        for (std::size_t other = 0; other < art::PictureCount; ++other)
            if (familyOf(int(other)) == family) asked[other] = true;
    // Asked for at the settled size (a screen that opens, a piece set changed): drawn once
    // the painting that asked is over.
    if (scale == settled && !drawScheduled) {
        drawScheduled = true;
        QTimer::singleShot(0, this, [this] {
            drawScheduled = false;
            drawAsked();
        });
    }
}

void ScaledPictures::want(double factor, double ratio) {
    const double scale = factor * ratio;
    if (scale == settled && ratio == ratioOfSettled) {
        drawAsked();
        return;
    }
    if (settled == 0 && !drawsAt(scale)) return;
    // Another size: what is drawn or under way for the last one is given up.
    if (cancelSettled) *cancelSettled = true;
    cancelSettled.reset();
    std::fill(pictures.begin(), pictures.end(), QImage());
    std::fill(underWay.begin(), underWay.end(), false);
    settled = 0;
#ifdef __GLIBC__
    // The allocator keeps what was freed for later use, here tens of megabytes at a large
    // size; a smaller window gives it back (measured: 42 MB kept back at 1x after full
    // screen at 3840 x 2160 without this, 35 with it, against 30 before).
    malloc_trim(0);
#endif
    if (!drawsAt(scale)) return;
    QString problem;
    if (!art::prepareDrawing(problem)) {
        static bool told = false;
        if (!told) qWarning("mirel: pictures are shown enlarged: %s", qPrintable(problem));
        told = true;
        // Nothing can be drawn: the words show as compiled in, in English, rather than not at all.
        if (art::wordsTranslated()) {
            emit drawn(); // painted again, from the compiled-in pixels
            art::setWordsTranslated(false);
        }
        return;
    }
    settled = scale;
    ratioOfSettled = ratio;
    cancelSettled = std::make_shared<std::atomic<bool>>(false);
    drawAsked();
}

// Hands what was asked for at the settled size, and is neither drawn nor under way, to the
// drawing thread as one batch; its drawings come back together.
void ScaledPictures::drawAsked() {
    if (settled == 0 || askedScale != settled || stopped) return;
    std::vector<art::PictureId> batch;
    for (std::size_t id = 0; id < art::PictureCount; ++id)
        if (asked[id] && pictures[id].isNull() && !underWay[id]) {
            underWay[id] = true;
            batch.push_back(art::PictureId(int(id)));
        }
    if (batch.empty()) return;
    if (!thread) {
        thread = new QThread(this);
        thread->setObjectName(QStringLiteral("mirel-drawing"));
        drawer = new QObject;
        drawer->moveToThread(thread);
        connect(thread, &QThread::finished, drawer, &QObject::deleteLater);
        thread->start(QThread::LowPriority);
    }
    ++drawingsUnderWay;
    qCDebug(drawingLog, "drawing %zu pictures at %g", batch.size(), settled);
    const double scale = settled;
    const double ratio = ratioOfSettled;
    const std::shared_ptr<std::atomic<bool>> cancel = cancelSettled;
    QMetaObject::invokeMethod(drawer, [this, batch, scale, ratio, cancel] {
        std::vector<QImage> made;
        for (const art::PictureId id : batch) {
            if (*cancel) break;
            QImage drawn = art::drawPicture(id, scale, cancel.get());
            // Kept in three bytes a pixel where nothing shows through: the same colours in
            // three quarters of the memory (3 MiB in place of 4 at 3840 x 2160).
            if (drawn.format() == QImage::Format_RGB32)
                drawn = drawn.convertToFormat(QImage::Format_RGB888);
            drawn.setDevicePixelRatio(ratio);
            made.push_back(std::move(drawn));
        }
        QMetaObject::invokeMethod(this, [this, batch, images = std::move(made), cancel] {
            --drawingsUnderWay;
            if (*cancel) return;
            for (std::size_t i = 0; i < batch.size(); ++i) {
                const auto id = art::indexOf(batch[i]);
                underWay[id] = false;
                if (i < images.size()) pictures[id] = images[i];
            }
            emit drawn();
        });
    });
}

void ScaledPictures::stop() {
    stopped = true;
    if (cancelSettled) *cancelSettled = true;
    if (!thread) return;
    thread->quit();
    thread->wait();
}

} // namespace mirel
