// mirel-icongen: draws the game's desktop icon at one size from the piece
// pictures in art/png: a few balls on a black tile ringed with the violet of the
// lettering and its glow. The same pictures always give the same bytes.
//
//   mirel-icongen ART_PNG_DIR SIZE OUTPUT.png

#include "Glow.h"
#include "Palette.h"

#include <QDir>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cstdio>

namespace mirel {
namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "mirel-icongen: %s\n", qPrintable(message));
    return 1;
}

// Large icons show a corner of a board; small ones keep to four balls, which
// still read as balls at 32 pixels.
const std::array<std::array<int, 3>, 3> LargeBoard{{{3, 3, 5}, {0, 3, 5}, {0, 4, 4}}};
const std::array<std::array<int, 2>, 2> SmallBoard{{{3, 5}, {0, 4}}};

// The board's cell, 32 pixels at 1x, drawn at 2x as well.
constexpr int Cell = 32;

struct Layout {
    int cells = 2;    // balls across and down
    int piece = 0;    // pixels a ball takes
    int gap = 0;      // pixels between balls
    double inset = 0; // transparent margin around the tile
};

Layout layoutFor(int size) {
    Layout l;
    l.inset = std::max(1.0, size / 32.0);
    if (size >= 4 * Cell) {
        // Balls at one of the sizes they were drawn at, spaced as on the board.
        l.cells = 3;
        l.piece = size / 4;
        l.gap = size / 32;
    } else {
        l.cells = 2;
        l.gap = 2;
        l.piece = (size * 13 / 16 - l.gap) / 2;
    }
    return l;
}

// A ball picture at `pixels` square: as drawn when it was drawn at that size,
// otherwise shrunk from the larger drawing, which keeps its edge smooth.
QImage ballPicture(const QDir& art, int kind, int pixels) {
    const QString name = QStringLiteral("ball%1").arg(kind);
    // Qt reads "@2x" as a device pixel ratio and would paint the picture at half
    // its size; here every picture is counted in pixels.
    auto read = [&art](const QString& file) {
        QImage image(art.filePath(file));
        image.setDevicePixelRatio(1);
        return image;
    };
    if (pixels == Cell) return read(name + ".png");
    const QImage large = read(name + "@2x.png");
    if (pixels == 2 * Cell || large.isNull()) return large;
    return large.scaled(pixels, pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The ball alone, its black surround made clear, so that the glow shows round
// it. A ball fills the cell less a pixel (at 1x) all round; the pixels it
// covers in part were blended with black, so they carry that share as alpha.
// Fails if the picture shows anything outside that circle.
QImage cutOut(const QImage& ball) {
    if (ball.isNull()) return {};
    const int n = ball.width();
    QImage cover(n, n, QImage::Format_Alpha8);
    cover.fill(0);
    {
        QPainter p(&cover);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        const double r = n * (Cell / 2 - 1) / double(Cell);
        p.drawEllipse(QPointF(n / 2.0, n / 2.0), r, r);
    }
    const QImage in = ball.convertToFormat(QImage::Format_RGB32);
    QImage out(n, n, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < n; ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(in.constScanLine(y));
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < n; ++x) {
            const int a = cover.constScanLine(y)[x];
            const QRgb c = src[x];
            if (a == 0 && std::max({qRed(c), qGreen(c), qBlue(c)}) > 24) return {};
            dst[x] = qRgba(std::min(qRed(c), a), std::min(qGreen(c), a), std::min(qBlue(c), a), a);
        }
    }
    return out;
}

template <size_t N>
bool paintBalls(QPainter& p, const QDir& art, const std::array<std::array<int, N>, N>& board,
                const Layout& l, int size) {
    const int span = static_cast<int>(N) * l.piece + (static_cast<int>(N) - 1) * l.gap;
    // Whole pixels, so that balls drawn at this size are copied pixel for pixel.
    const int origin = (size - span) / 2;
    for (size_t row = 0; row < N; ++row)
        for (size_t column = 0; column < N; ++column) {
            const QImage ball = cutOut(ballPicture(art, board[row][column], l.piece));
            if (ball.isNull()) return false;
            p.drawImage(origin + static_cast<int>(column) * (l.piece + l.gap),
                        origin + static_cast<int>(row) * (l.piece + l.gap), ball);
        }
    return true;
}

int drawIcon(const QString& artDir, int size, const QString& output) {
    const QDir art(artDir);
    const Layout l = layoutFor(size);
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);

    const double rim = std::max(1.0, size / 64.0);
    const QRectF tile = QRectF(0, 0, size, size).adjusted(l.inset, l.inset, -l.inset, -l.inset);
    const double corner = size * 0.16;
    QPainterPath tileShape;
    tileShape.addRoundedRect(tile, corner, corner);
    QPainterPathStroker stroker;
    stroker.setWidth(rim * 2);

    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.fillPath(tileShape, palette::Background);
    // The rim lights the black on both sides of it, like the glow round the lettering.
    p.drawImage(0, 0, glowOf(stroker.createStroke(tileShape), icon.size(), 1, size / 40.0,
                             palette::Glow, 1.1));

    bool drawn = false;
    if (l.cells == 3)
        drawn = paintBalls(p, art, LargeBoard, l, size);
    else
        drawn = paintBalls(p, art, SmallBoard, l, size);
    if (!drawn)
        return fail(QStringLiteral("cannot read round ball pictures on black in %1").arg(artDir));

    // Lilac at the top, deepening at the bottom, as the lettering is.
    QLinearGradient ink(tile.topLeft(), tile.bottomLeft());
    ink.setColorAt(0.0, palette::InkHighlight);
    ink.setColorAt(0.45, palette::Ink);
    ink.setColorAt(1.0, palette::InkDeep);
    const double half = rim / 2;
    p.setPen(QPen(QBrush(ink), rim));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(tile.adjusted(half, half, -half, -half), corner - half, corner - half);
    p.end();

    QImageWriter writer(output, "png");
    writer.setCompression(100);
    if (!writer.write(icon.convertToFormat(QImage::Format_ARGB32)))
        return fail(QStringLiteral("cannot write %1: %2").arg(output, writer.errorString()));
    return 0;
}

} // namespace
} // namespace mirel

int main(int argc, char** argv) {
    bool sizeOk = false;
    const int size = argc == 4 ? QString::fromLocal8Bit(argv[2]).toInt(&sizeOk) : 0;
    if (!sizeOk || size < 16 || size > 1024) {
        std::fprintf(stderr,
                     "usage: mirel-icongen ART_PNG_DIR SIZE OUTPUT.png (SIZE 16 to 1024)\n");
        return 2;
    }
    return mirel::drawIcon(QString::fromLocal8Bit(argv[1]), size, QString::fromLocal8Bit(argv[3]));
}
