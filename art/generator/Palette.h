// The colours every Mirel picture is drawn from.
#pragma once

#include <QColor>

namespace palette {

// Lettering: a bright violet, lifted towards lilac at the top of each letter and
// deepened towards the baseline, on a faint violet glow.
inline const QColor Background{0x00, 0x00, 0x00};
inline const QColor Ink{0xb4, 0x5c, 0xff};
inline const QColor InkHighlight{0xdc, 0xae, 0xff};
inline const QColor InkDeep{0x94, 0x3c, 0xf0};
inline const QColor Glow{0x8a, 0x30, 0xff};

// Shared between the pieces.
inline const QColor Specular{0xff, 0xff, 0xff};

// Returns c blended towards `towards` by t (0 = c, 1 = towards).
inline QColor mix(const QColor& c, const QColor& towards, double t) {
    auto lerp = [t](int a, int b) { return static_cast<int>(a + (b - a) * t + 0.5); };
    return QColor(lerp(c.red(), towards.red()), lerp(c.green(), towards.green()),
                  lerp(c.blue(), towards.blue()), lerp(c.alpha(), towards.alpha()));
}

inline QColor lighter(const QColor& c, double t) {
    return mix(c, QColor(255, 255, 255), t);
}
inline QColor darker(const QColor& c, double t) {
    return mix(c, QColor(0, 0, 0), t);
}

inline QColor withAlpha(QColor c, double alpha) {
    c.setAlphaF(static_cast<float>(alpha));
    return c;
}

} // namespace palette
