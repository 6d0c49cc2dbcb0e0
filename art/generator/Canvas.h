// A picture being drawn: logical coordinates (the 1x pixel grid) mapped onto an
// image that is `scale` times larger in each direction.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSize>

#include <atomic>

struct Canvas {
    // `scale` may be fractional: the image then takes the device pixels the picture reaches
    // into, rounded up.
    Canvas(QSize logicalSize, double scale, bool seeThrough = false);

    // Device pixels: opaque black to begin with, or wholly see-through.
    QImage image;
    QSize size;   // logical size
    double scale; // device pixels per logical pixel
    // Set from another thread to give up the drawing: what is drawn after that is unfinished.
    const std::atomic<bool>* cancelled = nullptr;

    QRectF rect() const { return QRectF(QPointF(0, 0), QSizeF(size)); }
};

// A painter on the canvas in logical coordinates, antialiased.
class CanvasPainter : public QPainter {
public:
    explicit CanvasPainter(Canvas& canvas);
};

// Soft light around `shape` (logical coordinates): the shape's coverage blurred
// with a gaussian of `sigma` logical pixels, tinted `colour` and laid over the
// canvas with the given strength.
void paintGlow(Canvas& canvas, const QPainterPath& shape, double sigma, const QColor& colour,
               double strength);
