#include "Glow.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

std::vector<double> gaussianKernel(double sigma) {
    const int radius = std::max(1, static_cast<int>(std::ceil(sigma * 3.0)));
    std::vector<double> kernel(2 * radius + 1);
    double sum = 0;
    for (int i = -radius; i <= radius; ++i)
        sum += kernel[i + radius] = std::exp(-(i * i) / (2.0 * sigma * sigma));
    for (double& w : kernel)
        w /= sum;
    return kernel;
}

// One pass of a separable blur over a w x h buffer, along x or y.
std::vector<double> blurPass(const std::vector<double>& in, int w, int h,
                             const std::vector<double>& kernel, bool alongX) {
    const int radius = static_cast<int>(kernel.size() / 2);
    std::vector<double> out(in.size(), 0.0);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            double acc = 0;
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

QImage glowOf(const QPainterPath& shape, QSize pixels, double scale, double sigma,
              const QColor& colour, double strength) {
    const int w = pixels.width();
    const int h = pixels.height();

    QImage mask(pixels, QImage::Format_Alpha8);
    mask.fill(0);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        p.fillPath(shape, QColor(0, 0, 0, 255));
    }

    std::vector<double> coverage(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
        const uchar* row = mask.constScanLine(y);
        for (int x = 0; x < w; ++x)
            coverage[static_cast<size_t>(y) * w + x] = row[x] / 255.0;
    }
    const std::vector<double> kernel = gaussianKernel(sigma * scale);
    coverage = blurPass(blurPass(coverage, w, h, kernel, true), w, h, kernel, false);

    QImage glow(pixels, QImage::Format_ARGB32_Premultiplied);
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
    return glow;
}
