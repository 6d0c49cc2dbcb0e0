#include "Glow.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// The finest the light is worked out at, in device pixels to the unit.
constexpr double FinestGlow = 2.0;

std::vector<float> gaussianKernel(double sigma) {
    const int radius = std::max(1, static_cast<int>(std::ceil(sigma * 3.0)));
    std::vector<double> weights(2 * radius + 1);
    double sum = 0;
    for (int i = -radius; i <= radius; ++i)
        sum += weights[i + radius] = std::exp(-(i * i) / (2.0 * sigma * sigma));
    std::vector<float> kernel(weights.size());
    for (std::size_t i = 0; i < kernel.size(); ++i)
        kernel[i] = static_cast<float>(weights[i] / sum);
    return kernel;
}

} // namespace

GlowImage glowAround(const QPainterPath& shape, QSize pixels, double scale, double sigma,
                     const QColor& colour, double strength, const std::atomic<bool>* cancelled) {
    const double at = std::min(scale, FinestGlow);
    const std::vector<float> kernel = gaussianKernel(sigma * at);
    const int r = static_cast<int>(kernel.size() / 2);

    // Only the shape's box and as far as the blur reaches from it can be lit; the image, at
    // the glow's own resolution, bounds it.
    const QRect image(QPoint(0, 0), QSize(static_cast<int>(std::ceil(pixels.width() * at / scale - 1e-6)),
                                          static_cast<int>(std::ceil(pixels.height() * at / scale - 1e-6))));
    const QRectF box = shape.boundingRect();
    const QRect lit =
        QRect(QPoint(static_cast<int>(std::floor(box.left() * at)) - r - 1,
                     static_cast<int>(std::floor(box.top() * at)) - r - 1),
              QPoint(static_cast<int>(std::ceil(box.right() * at)) + r + 1,
                     static_cast<int>(std::ceil(box.bottom() * at)) + r + 1)) &
        image;
    if (lit.isEmpty()) return {};
    const int w = lit.width();
    const int h = lit.height();

    // The coverage, the path placed on the pixels before it is filled.
    QImage mask(lit.size(), QImage::Format_Alpha8);
    mask.fill(0);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(-lit.left(), -lit.top());
        p.scale(at, at);
        p.fillPath(shape, QColor(0, 0, 0, 255));
    }

    // Rows and columns padded by the blur's reach with dark, so that no sum needs a bound.
    const int stride = w + 2 * r;
    std::vector<float> padded(static_cast<std::size_t>(stride) * (h + 2 * r), 0.0f);
    for (int y = 0; y < h; ++y) {
        const uchar* row = mask.constScanLine(y);
        float* to = &padded[static_cast<std::size_t>(y + r) * stride + r];
        for (int x = 0; x < w; ++x)
            to[x] = row[x] / 255.0f;
    }
    std::vector<float> across(padded.size(), 0.0f);
    for (int y = r; y < h + r; ++y) {
        if (cancelled && cancelled->load(std::memory_order_relaxed)) return {};
        const float* in = &padded[static_cast<std::size_t>(y) * stride];
        float* out = &across[static_cast<std::size_t>(y) * stride + r];
        for (int x = 0; x < w; ++x) {
            float acc = 0;
            for (int k = 0; k <= 2 * r; ++k)
                acc += in[x + k] * kernel[k];
            out[x] = acc;
        }
    }

    GlowImage glow;
    glow.image = QImage(lit.size(), QImage::Format_ARGB32_Premultiplied);
    std::vector<float> acc(w);
    const float gain = static_cast<float>(strength);
    for (int y = 0; y < h; ++y) {
        if (cancelled && cancelled->load(std::memory_order_relaxed)) return {};
        std::fill(acc.begin(), acc.end(), 0.0f);
        for (int k = 0; k <= 2 * r; ++k) {
            const float* in = &across[static_cast<std::size_t>(y + k) * stride + r];
            const float weight = kernel[k];
            for (int x = 0; x < w; ++x)
                acc[x] += in[x] * weight;
        }
        auto* row = reinterpret_cast<QRgb*>(glow.image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const float a = std::clamp(acc[x] * gain, 0.0f, 1.0f);
            const int alpha = static_cast<int>(a * colour.alpha() + 0.5f);
            row[x] = qRgba(colour.red() * alpha / 255, colour.green() * alpha / 255,
                           colour.blue() * alpha / 255, alpha);
        }
    }
    glow.target = QRectF(QPointF(lit.topLeft()) * (scale / at), QSizeF(lit.size()) * (scale / at));
    return glow;
}

QImage glowOf(const QPainterPath& shape, QSize pixels, double scale, double sigma,
              const QColor& colour, double strength) {
    QImage all(pixels, QImage::Format_ARGB32_Premultiplied);
    all.fill(Qt::transparent);
    const GlowImage glow = glowAround(shape, pixels, scale, sigma, colour, strength);
    QPainter p(&all);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(glow.target, glow.image);
    return all;
}
