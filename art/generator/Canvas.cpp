#include "Canvas.h"

#include "Glow.h"
#include "Palette.h"

#include <cmath>

namespace {

QSize devicePixels(QSize logical, double scale) {
    // A whole scale gives whole sizes exactly; the small allowance keeps a product that
    // should be whole from reaching one pixel more through rounding.
    return QSize(static_cast<int>(std::ceil(logical.width() * scale - 1e-6)),
                 static_cast<int>(std::ceil(logical.height() * scale - 1e-6)));
}

} // namespace

Canvas::Canvas(QSize logicalSize, double scale_, bool seeThrough)
    : image(devicePixels(logicalSize, scale_),
            seeThrough ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32),
      size(logicalSize), scale(scale_) {
    image.fill(seeThrough ? QColor(Qt::transparent) : palette::Background);
}

CanvasPainter::CanvasPainter(Canvas& canvas) : QPainter(&canvas.image) {
    setRenderHint(QPainter::Antialiasing);
    setRenderHint(QPainter::SmoothPixmapTransform);
    scale(canvas.scale, canvas.scale);
}

void paintGlow(Canvas& canvas, const QPainterPath& shape, double sigma, const QColor& colour,
               double strength) {
    const GlowImage glow = glowAround(shape, canvas.image.size(), canvas.scale, sigma, colour,
                                      strength, canvas.cancelled);
    if (glow.image.isNull()) return;
    QPainter p(&canvas.image);
    if (glow.target.size() == QSizeF(glow.image.size())) {
        p.drawImage(glow.target.topLeft(), glow.image);
        return;
    }
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(glow.target, glow.image);
}
