// The soft violet light the lettering and the icon's rim are lit with: a shape's coverage
// blurred with a gaussian and tinted.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QSize>

// The light around `shape` on an image of `pixels` device pixels, the shape drawn `scale`
// device pixels to its unit and blurred with a gaussian of `sigma` of its units; outside the
// image counts as dark. Where the blurred coverage times `strength` reaches 1 the light is
// `colour` in full. Premultiplied, for laying over a picture.
QImage glowOf(const QPainterPath& shape, QSize pixels, double scale, double sigma,
              const QColor& colour, double strength);
