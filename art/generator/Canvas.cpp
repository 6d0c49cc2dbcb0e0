#include "Canvas.h"

#include "Palette.h"

#include <algorithm>
#include <cmath>
#include <vector>

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

namespace {

std::vector<float> gaussianKernel(double sigma) {
    const int radius = std::max(1, static_cast<int>(std::ceil(sigma * 3.0)));
    std::vector<float> kernel(2 * radius + 1);
    double sum = 0;
    for (int i = -radius; i <= radius; ++i) {
        const double w = std::exp(-(i * i) / (2.0 * sigma * sigma));
        kernel[i + radius] = static_cast<float>(w);
        sum += w;
    }
    for (float& w : kernel)
        w = static_cast<float>(w / sum);
    return kernel;
}

// One pass of a separable blur over a w x h float buffer, along x or y.
// Outside the buffer counts as empty.
std::vector<float> blurPass(const std::vector<float>& in, int w, int h,
                            const std::vector<float>& kernel, bool alongX) {
    const int radius = static_cast<int>(kernel.size() / 2);
    std::vector<float> out(in.size(), 0.0f);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            float acc = 0;
            for (int k = -radius; k <= radius; ++k) {
                const int sx = alongX ? x + k : x;
                const int sy = alongX ? y : y + k;
                if (sx < 0 || sy < 0 || sx >= w || sy >= h) continue;
                acc += in[static_cast<size_t>(sy) * w + sx] * kernel[k + radius];
            }
            out[static_cast<size_t>(y) * w + x] = acc;
        }
    }
    return out;
}

} // namespace

void paintGlow(Canvas& canvas, const QPainterPath& shape, double sigma, const QColor& colour,
               double strength) {
    const int w = canvas.image.width();
    const int h = canvas.image.height();

    QImage mask(w, h, QImage::Format_Alpha8);
    mask.fill(0);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(canvas.scale, canvas.scale);
        p.fillPath(shape, QColor(0, 0, 0, 255));
    }

    std::vector<float> coverage(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
        const uchar* row = mask.constScanLine(y);
        for (int x = 0; x < w; ++x)
            coverage[static_cast<size_t>(y) * w + x] = row[x] / 255.0f;
    }
    const std::vector<float> kernel = gaussianKernel(sigma * canvas.scale);
    coverage = blurPass(blurPass(coverage, w, h, kernel, true), w, h, kernel, false);

    QImage glow(w, h, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(glow.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const double a =
                std::clamp(coverage[static_cast<size_t>(y) * w + x] * strength, 0.0, 1.0);
            const int alpha = static_cast<int>(a * colour.alpha() + 0.5);
            row[x] = qRgba(colour.red() * alpha / 255, colour.green() * alpha / 255,
                           colour.blue() * alpha / 255, alpha);
        }
    }
    QPainter p(&canvas.image);
    p.drawImage(0, 0, glow);
}
