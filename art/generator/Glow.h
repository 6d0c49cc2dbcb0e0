// The soft violet light the lettering and the icon's rim are lit with: a shape's coverage
// blurred with a gaussian and tinted.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPoint>
#include <QRectF>
#include <QSize>

#include <atomic>

// The light around `shape`, on an image of `pixels` device pixels with the shape drawn `scale`
// device pixels to its unit, blurred with a gaussian of `sigma` of its units; outside the
// image counts as dark. Where the blurred coverage times `strength` reaches 1 the light is
// `colour` in full. Premultiplied, for laying over a picture: `image` covers only where the
// light reaches, `at` (device pixels) is where it goes.
//
// Up to 2 device pixels to the unit the light is worked out pixel for pixel; beyond that at 2,
// and `image` is that, to be drawn enlarged smoothly over `target`: the light is a blur of
// sigma 1.8 such pixels or more, which holds nothing enlarging it could lose.
struct GlowImage {
    QImage image;
    QRectF target; // device pixels
};
GlowImage glowAround(const QPainterPath& shape, QSize pixels, double scale, double sigma,
                     const QColor& colour, double strength,
                     const std::atomic<bool>* cancelled = nullptr);

// The same light on an image of all `pixels`, at `scale` up to 2.
QImage glowOf(const QPainterPath& shape, QSize pixels, double scale, double sigma,
              const QColor& colour, double strength);
