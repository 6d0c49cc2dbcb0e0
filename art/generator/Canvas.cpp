#include "Canvas.h"

#include "Glow.h"
#include "Palette.h"

Canvas::Canvas(QSize logicalSize, int scale_)
    : image(logicalSize * scale_, QImage::Format_RGB32), size(logicalSize), scale(scale_) {
    image.fill(palette::Background);
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
