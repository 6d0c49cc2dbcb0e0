#include "Pieces.h"

#include "Palette.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <numbers>
#include <vector>

using namespace palette;

namespace {

const QPointF Centre(16, 16);

} // namespace

void drawBall(Canvas& canvas, const QColor& colour, const QColor& shadow) {
    CanvasPainter p(canvas);
    p.setPen(Qt::NoPen);
    const double r = 15;

    // Body: bright near the light, the true colour across the middle, falling
    // off into shadow at the far rim.
    QRadialGradient body(Centre, r, QPointF(11, 10.5));
    body.setColorAt(0.0, lighter(colour, 0.55));
    body.setColorAt(0.28, colour);
    body.setColorAt(0.72, mix(colour, shadow, 0.55));
    body.setColorAt(1.0, darker(shadow, 0.35));
    p.setBrush(body);
    p.drawEllipse(Centre, r, r);

    // Light thrown back from below onto the shadowed side.
    QRadialGradient bounce(QPointF(19.5, 25), 8);
    bounce.setColorAt(0.0, withAlpha(lighter(colour, 0.15), 0.45));
    bounce.setColorAt(1.0, withAlpha(colour, 0.0));
    p.setBrush(bounce);
    QPainterPath ball;
    ball.addEllipse(Centre, r - 0.6, r - 0.6);
    p.setClipPath(ball);
    p.drawEllipse(QPointF(19.5, 25), 8, 8);
    p.setClipping(false);

    // The window highlight.
    QRadialGradient glint(QPointF(10.5, 9.5), 5.5);
    glint.setColorAt(0.0, withAlpha(Specular, 1.0));
    glint.setColorAt(0.22, withAlpha(Specular, 0.9));
    glint.setColorAt(0.5, withAlpha(Specular, 0.35));
    glint.setColorAt(1.0, withAlpha(Specular, 0.0));
    p.setBrush(glint);
    p.save();
    p.translate(10.5, 9.5);
    p.rotate(-35);
    p.drawEllipse(QPointF(0, 0), 5.5, 3.8);
    p.restore();
}

void drawBox(Canvas& canvas, const QColor& colour) {
    CanvasPainter p(canvas);
    p.setPen(Qt::NoPen);
    const double s = 32;
    const double b = 2; // bevel width

    QLinearGradient face(0, 0, s, s);
    face.setColorAt(0.0, lighter(colour, 0.1));
    face.setColorAt(1.0, darker(colour, 0.08));
    p.setBrush(face);
    p.drawRect(QRectF(0, 0, s, s));

    const QColor light = lighter(colour, 0.45);
    const QColor shade = darker(colour, 0.38);
    auto band = [&p](const QColor& c, std::initializer_list<QPointF> corners) {
        p.setBrush(c);
        p.drawPolygon(QPolygonF(QList<QPointF>(corners)));
    };
    band(light, {{0, 0}, {s, 0}, {s - b, b}, {b, b}});                        // top
    band(lighter(colour, 0.25), {{0, 0}, {b, b}, {b, s - b}, {0, s}});        // left
    band(shade, {{0, s}, {b, s - b}, {s - b, s - b}, {s, s}});                // bottom
    band(darker(colour, 0.25), {{s, 0}, {s, s}, {s - b, s - b}, {s - b, b}}); // right
}

namespace {

const QColor FaceYellow(0xff, 0xd3, 0x1a);
const QColor FaceRim(0x8a, 0x52, 0x00);
const QColor Feature(0x3b, 0x1f, 0x05);

void strokeCurve(QPainter& p, const QPainterPath& path, double width, const QColor& colour) {
    QPen pen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.strokePath(path, pen);
}

QPainterPath curve(QPointF from, QPointF control, QPointF to) {
    QPainterPath path(from);
    path.quadTo(control, to);
    return path;
}

void roundEyes(QPainter& p, double y = 12.5, double h = 2.3) {
    p.setPen(Qt::NoPen);
    p.setBrush(Feature);
    p.drawEllipse(QPointF(11.8, y), 1.7, h);
    p.drawEllipse(QPointF(20.2, y), 1.7, h);
    // A catch-light in each eye keeps them lively.
    p.setBrush(withAlpha(Specular, 0.85));
    p.drawEllipse(QPointF(11.2, y - h * 0.45), 0.55, 0.55);
    p.drawEllipse(QPointF(19.6, y - h * 0.45), 0.55, 0.55);
}

} // namespace

void drawFace(Canvas& canvas, Mood mood) {
    CanvasPainter p(canvas);
    const double r = 14.35;

    QRadialGradient skin(Centre, r, QPointF(11.5, 10));
    skin.setColorAt(0.0, lighter(FaceYellow, 0.55));
    skin.setColorAt(0.4, FaceYellow);
    skin.setColorAt(0.9, mix(FaceYellow, QColor(0xf0, 0x8c, 0x00), 0.6));
    skin.setColorAt(1.0, mix(FaceYellow, QColor(0xe0, 0x70, 0x00), 0.85));
    p.setBrush(skin);
    p.setPen(QPen(FaceRim, 1.1));
    p.drawEllipse(Centre, r, r);

    switch (mood) {
    case Mood::Sad: {
        roundEyes(p, 13.2, 2.0);
        // Brows lifted towards the middle, a down-turned mouth and a tear.
        strokeCurve(p, curve({8.6, 10.2}, {11, 8.6}, {13.6, 8.4}), 1.3, Feature);
        strokeCurve(p, curve({23.4, 10.2}, {21, 8.6}, {18.4, 8.4}), 1.3, Feature);
        strokeCurve(p, curve({10.6, 24.6}, {16, 18.2}, {21.4, 24.6}), 1.7, Feature);
        QPainterPath tear(QPointF(21.3, 15.4));
        tear.cubicTo(QPointF(22.9, 18.0), QPointF(23.5, 19.4), QPointF(23.5, 20.2));
        tear.cubicTo(QPointF(23.5, 21.5), QPointF(19.1, 21.5), QPointF(19.1, 20.2));
        tear.cubicTo(QPointF(19.1, 19.4), QPointF(19.7, 18.0), QPointF(21.3, 15.4));
        QLinearGradient water(19, 16, 24, 21);
        water.setColorAt(0.0, QColor(0xc8, 0xf0, 0xff));
        water.setColorAt(1.0, QColor(0x2a, 0x8c, 0xff));
        p.setPen(QPen(QColor(0x10, 0x50, 0xb0), 0.6));
        p.setBrush(water);
        p.drawPath(tear);
        break;
    }
    case Mood::Frowning: {
        // Heavy brows knitted down into a V over narrowed eyes; a hard flat mouth
        // pulled down at the corners; a flush of temper on the cheeks.
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(QColor(0xff, 0x40, 0x10), 0.28));
        p.drawEllipse(QPointF(8.2, 18.5), 3.0, 2.0);
        p.drawEllipse(QPointF(23.8, 18.5), 3.0, 2.0);
        roundEyes(p, 14.0, 1.6);
        QPainterPath brows;
        brows.moveTo(7.6, 9.0);
        brows.lineTo(14.6, 12.0);
        brows.moveTo(24.4, 9.0);
        brows.lineTo(17.4, 12.0);
        strokeCurve(p, brows, 2.1, Feature);
        QPainterPath mouth(QPointF(10.8, 23.8));
        mouth.cubicTo(QPointF(12.5, 22.2), QPointF(19.5, 22.2), QPointF(21.2, 23.8));
        strokeCurve(p, mouth, 1.8, Feature);
        break;
    }
    case Mood::Grinning: {
        // Eyes squeezed into happy arcs over a wide open grin full of teeth.
        strokeCurve(p, curve({9.4, 13.2}, {11.8, 9.2}, {14.2, 13.2}), 1.6, Feature);
        strokeCurve(p, curve({17.8, 13.2}, {20.2, 9.2}, {22.6, 13.2}), 1.6, Feature);
        QPainterPath mouth(QPointF(7.6, 17.2));
        mouth.cubicTo(QPointF(12, 18.2), QPointF(20, 18.2), QPointF(24.4, 17.2));
        mouth.cubicTo(QPointF(23.8, 23.5), QPointF(20.5, 27.4), QPointF(16, 27.4));
        mouth.cubicTo(QPointF(11.5, 27.4), QPointF(8.2, 23.5), QPointF(7.6, 17.2));
        mouth.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x5a, 0x10, 0x10));
        p.drawPath(mouth);
        p.save();
        p.setClipPath(mouth);
        p.setBrush(QColor(0xff, 0x6a, 0x6a));
        p.drawEllipse(QPointF(16, 28.2), 5.5, 3.6); // tongue
        p.setBrush(QColor(0xff, 0xfb, 0xf0));
        p.drawRect(QRectF(6, 16, 20, 5.0)); // upper teeth
        QPen gap(QColor(0xc8, 0xb8, 0xa0), 0.6);
        p.setPen(gap);
        for (double x : {12.0, 16.0, 20.0})
            p.drawLine(QPointF(x, 17.9), QPointF(x, 21.0));
        p.restore();
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Feature, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(mouth);
        break;
    }
    case Mood::Smiling: {
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(QColor(0xff, 0x60, 0x50), 0.3));
        p.drawEllipse(QPointF(8.4, 18.6), 2.6, 1.8);
        p.drawEllipse(QPointF(23.6, 18.6), 2.6, 1.8);
        roundEyes(p);
        strokeCurve(p, curve({10.0, 19.6}, {16, 26.6}, {22.0, 19.6}), 1.8, Feature);
        break;
    }
    case Mood::Neutral: {
        roundEyes(p);
        QPainterPath mouth(QPointF(11.2, 22.2));
        mouth.lineTo(20.8, 22.2);
        strokeCurve(p, mouth, 1.8, Feature);
        break;
    }
    }
}

void drawMine(Canvas& canvas) {
    const double body = 9.2;
    const double reach = 14.6; // tip of a spike from the centre

    // A faint violet haze behind the mine so it sits in the game's palette.
    {
        QPainterPath halo;
        halo.addEllipse(Centre, body, body);
        paintGlow(canvas, halo, 2.0, Glow, 0.4);
    }

    CanvasPainter p(canvas);
    p.setPen(Qt::NoPen);

    // Spikes: tapered horns with a rounded cap, eight around the body.
    for (int i = 0; i < 8; ++i) {
        const double angle = i * std::numbers::pi / 4;
        const QPointF dir(std::cos(angle), std::sin(angle));
        const QPointF side(-dir.y(), dir.x());
        const QPointF base = Centre + dir * (body - 1.5);
        const QPointF tip = Centre + dir * (reach - 1.2);
        QPolygonF horn{base + side * 2.7, tip + side * 0.9, tip - side * 0.9, base - side * 2.7};
        QLinearGradient metal(base + side * 2.7, base - side * 2.7);
        metal.setColorAt(0.0, QColor(0xb0, 0xac, 0xc0));
        metal.setColorAt(0.5, QColor(0x6a, 0x66, 0x7a));
        metal.setColorAt(1.0, QColor(0x2c, 0x2a, 0x36));
        p.setBrush(metal);
        p.drawPolygon(horn);
        QRadialGradient cap(tip - side * 0.3 - dir * 0.3, 1.6);
        cap.setColorAt(0.0, QColor(0xd8, 0xd4, 0xe4));
        cap.setColorAt(1.0, QColor(0x50, 0x4c, 0x5c));
        p.setBrush(cap);
        p.drawEllipse(tip, 1.4, 1.4);
    }

    // The body: gunmetal, lit from the upper left.
    QRadialGradient shell(Centre, body, QPointF(12.5, 12));
    shell.setColorAt(0.0, QColor(0x76, 0x70, 0x88));
    shell.setColorAt(0.45, QColor(0x34, 0x30, 0x40));
    shell.setColorAt(1.0, QColor(0x0c, 0x0a, 0x12));
    p.setBrush(shell);
    p.drawEllipse(Centre, body, body);

    // A violet gleam along the shadowed rim.
    QPainterPath rim;
    rim.addEllipse(Centre, body - 0.4, body - 0.4);
    QPainterPath inner;
    inner.addEllipse(Centre - QPointF(1.4, 1.4), body - 0.9, body - 0.9);
    QRadialGradient gleam(Centre + QPointF(6, 6), 9);
    gleam.setColorAt(0.0, withAlpha(QColor(0xd0, 0x90, 0xff), 0.95));
    gleam.setColorAt(1.0, withAlpha(Ink, 0.0));
    p.setBrush(gleam);
    p.drawPath(rim.subtracted(inner));

    // The highlight.
    QRadialGradient glint(QPointF(12.6, 12.2), 3.4);
    glint.setColorAt(0.0, withAlpha(Specular, 0.95));
    glint.setColorAt(0.4, withAlpha(Specular, 0.45));
    glint.setColorAt(1.0, withAlpha(Specular, 0.0));
    p.setBrush(glint);
    p.drawEllipse(QPointF(12.6, 12.2), 3.4, 3.4);
}

namespace {

// A flame silhouette: tongues rising from a rounded base. `tips` are the points
// of the tongues from left to right; between neighbouring tips the outline dips
// to `valleyDepth` of the way down towards `baseY`.
QPainterPath flame(const std::vector<QPointF>& tips, double left, double right, double baseY,
                   double valleyDepth) {
    QPainterPath path(QPointF(left, baseY - 5));
    // Up the left flank to the first tip.
    const QPointF first = tips.front();
    path.cubicTo(QPointF(left - 0.5, baseY - 11), QPointF(first.x() - 1.5, first.y() + 8), first);
    for (size_t i = 1; i < tips.size(); ++i) {
        const QPointF a = tips[i - 1];
        const QPointF b = tips[i];
        const double dipY = std::max(a.y(), b.y()) + (baseY - std::max(a.y(), b.y())) * valleyDepth;
        const QPointF valley((a.x() + b.x()) / 2 + 0.3, dipY);
        // Each tongue curls slightly to the right, as if in a draught.
        path.cubicTo(QPointF(a.x() + 0.8, a.y() + 3), QPointF(valley.x() - 1.2, valley.y() - 0.5),
                     valley);
        path.cubicTo(QPointF(valley.x() + 0.4, valley.y() - 3.5), QPointF(b.x() - 1.6, b.y() + 4.5),
                     b);
    }
    const QPointF last = tips.back();
    path.cubicTo(QPointF(last.x() + 1.2, last.y() + 7), QPointF(right + 0.5, baseY - 11),
                 QPointF(right, baseY - 5));
    // Round under the base.
    path.cubicTo(QPointF(right, baseY + 0.2), QPointF(left, baseY + 0.2), QPointF(left, baseY - 5));
    path.closeSubpath();
    return path;
}

} // namespace

void drawFire(Canvas& canvas) {
    const QPainterPath outer = flame(
        {{4.2, 13.5}, {10.2, 4.5}, {16.4, 1.6}, {22.6, 6.0}, {27.8, 11.5}}, 2.2, 29.8, 30.4, 0.32);
    const QPainterPath middle =
        flame({{8.0, 15.5}, {13.6, 8.2}, {19.2, 7.0}, {24.2, 14.0}}, 5.4, 26.6, 29.6, 0.28);
    const QPainterPath inner =
        flame({{12.0, 16.0}, {17.0, 11.0}, {21.0, 17.0}}, 9.2, 23.0, 29.0, 0.25);
    const QPainterPath core = flame({{14.6, 19.5}, {18.0, 18.0}}, 12.2, 20.4, 28.6, 0.2);

    // A violet heat-haze around the fire's edge.
    paintGlow(canvas, outer, 1.3, Glow, 0.75);

    CanvasPainter p(canvas);
    p.setPen(Qt::NoPen);
    auto layer = [&p](const QPainterPath& shape, const QColor& top, const QColor& bottom) {
        const QRectF r = shape.boundingRect();
        QLinearGradient g(0, r.top(), 0, r.bottom());
        g.setColorAt(0.0, top);
        g.setColorAt(1.0, bottom);
        p.setBrush(g);
        p.drawPath(shape);
    };
    layer(outer, QColor(0xd0, 0x18, 0x10), QColor(0xff, 0x48, 0x08));
    layer(middle, QColor(0xff, 0x5a, 0x00), QColor(0xff, 0x9a, 0x10));
    layer(inner, QColor(0xff, 0xa8, 0x10), QColor(0xff, 0xdc, 0x30));
    layer(core, QColor(0xff, 0xee, 0x70), QColor(0xff, 0xfc, 0xd8));
}
