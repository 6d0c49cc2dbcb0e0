#include "Canvas.h"

#include "Glow.h"
#include "Palette.h"

Canvas::Canvas(QSize logicalSize, int scale_, bool seeThrough)
    : image(logicalSize * scale_,
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
    QPainter p(&canvas.image);
    p.drawImage(0, 0, glowOf(shape, canvas.image.size(), canvas.scale, sigma, colour, strength));
}
