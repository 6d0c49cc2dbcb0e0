#include "Frames.h"

#include "FrameGeometry.h"
#include "Lettering.h"

namespace {

QPainterPath roundedRect(const QRectF& r, double radius) {
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

// A rounded ring between `outer` and `outer` shrunk by `width`, as a line of lettering: lilac at
// the top, deep violet at the bottom, on the lettering's glow.
Line ring(const QRectF& outer, double radius, double width) {
    const QRectF inner = outer.adjusted(width, width, -width, -width);
    Line line;
    // The inner edge runs the other way round, so that the middle stays empty under either fill
    // rule (the lettering's glow fills by winding).
    line.path = roundedRect(outer, radius);
    line.path.addPath(roundedRect(inner, radius - width).toReversed());
    line.baseline = outer.bottom();
    line.capHeight = outer.height();
    return line;
}

} // namespace

void drawCursor(Canvas& canvas) {
    const double size = mirel::art::CursorSize;
    const QRectF outer(0.6, 0.6, size - 1.2, size - 1.2);
    const double width = 2.4, radius = 5.5;
    // A dark line just inside the ring keeps it clear over the light pieces (the white square,
    // the yellow ball).
    {
        CanvasPainter p(canvas);
        const QRectF shade = outer.adjusted(width, width, -width, -width);
        QPainterPath band = roundedRect(shade, radius - width);
        band.addPath(
            roundedRect(shade.adjusted(1.1, 1.1, -1.1, -1.1), radius - width - 1.1).toReversed());
        band.setFillRule(Qt::WindingFill);
        p.fillPath(band, QColor(0, 0, 0, 150));
    }
    paintLettering(canvas, {ring(outer, radius, width)}, LetteringLook{0.7, 0.6});
}

void drawFocusFrame(Canvas& canvas) {
    const double size = mirel::art::FocusFrameSize;
    // The corners' arcs end well inside FocusFrameCorner, so the stretched edges are straight.
    const QRectF outer(1.0, 1.0, size - 2.0, size - 2.0);
    paintLettering(canvas, {ring(outer, 4.5, 2.0)}, LetteringLook{0.7, 0.6});
}
