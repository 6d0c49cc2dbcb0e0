#!/usr/bin/python3
"""Every two kinds of the balls and of the squares stay apart for players who see colour
differently: under deuteranopia, protanopia and tritanopia, simulated as Machado, Oliveira and
Fernandes (2009) give them at severity 1 (on linear sRGB), and under normal vision.

usage: PieceColoursTest.py ART_PNG_DIR [MIN_SCORE [MIN_NORMAL_SCORE]]   (defaults 12 and 20)

Two pieces are as far apart as the larger of: the CIEDE2000 difference of their mean CIELAB
colours (over the pixels lighter than L* 8, so the black around a ball counts for nothing), and
the share of the picture, in per cent, where their lightness differs by more than 25 L* units
(a mark, a pattern or a highlight of their own). Each set's closest pair under each vision is
printed for the 1x pictures and for the @2x ones; the exit status is 1 if one falls short.
"""
import math
import os
import sys

import numpy as np
from PIL import Image

SETS = {'balls': ['ball%d' % i for i in range(6)], 'squares': ['box%d' % i for i in range(6)]}

VISIONS = {
    'normal': np.eye(3),
    'deutan': np.array([[0.367322, 0.860646, -0.227968],
                        [0.280085, 0.672501, 0.047413],
                        [-0.011820, 0.042940, 0.968881]]),
    'protan': np.array([[0.152286, 1.052583, -0.204868],
                        [0.114503, 0.786281, 0.099216],
                        [-0.003882, -0.048116, 1.051998]]),
    'tritan': np.array([[1.255528, -0.076749, -0.178779],
                        [-0.078411, 0.930809, 0.147602],
                        [0.004733, 0.691367, 0.303900]]),
}

SRGB_TO_XYZ = np.array([[0.4124, 0.3576, 0.1805], [0.2126, 0.7152, 0.0722],
                        [0.0193, 0.1192, 0.9505]])
D65 = np.array([0.95047, 1.0, 1.08883])


def cielab(srgb, vision):
    """CIELAB of 0..1 sRGB pixels as seen with `vision`."""
    linear = np.where(srgb <= 0.04045, srgb / 12.92, ((srgb + 0.055) / 1.055) ** 2.4)
    xyz = np.clip(linear @ vision.T, 0, 1) @ SRGB_TO_XYZ.T / D65
    f = np.where(xyz > 216 / 24389, np.cbrt(xyz), (24389 / 27 * xyz + 16) / 116)
    return np.stack([116 * f[..., 1] - 16, 500 * (f[..., 0] - f[..., 1]),
                     200 * (f[..., 1] - f[..., 2])], -1)


def ciede2000(lab1, lab2):
    """Sharma, Wu and Dalal's (2005) statement of CIEDE2000, with kL = kC = kH = 1."""
    (L1, a1, b1), (L2, a2, b2) = lab1, lab2
    mean_c = (math.hypot(a1, b1) + math.hypot(a2, b2)) / 2
    g = 0.5 * (1 - math.sqrt(mean_c ** 7 / (mean_c ** 7 + 25 ** 7)))
    a1, a2 = (1 + g) * a1, (1 + g) * a2
    c1, c2 = math.hypot(a1, b1), math.hypot(a2, b2)
    h1, h2 = math.degrees(math.atan2(b1, a1)) % 360, math.degrees(math.atan2(b2, a2)) % 360
    dh = 0.0 if c1 * c2 == 0 else (h2 - h1 + 180) % 360 - 180
    d_hue = 2 * math.sqrt(c1 * c2) * math.sin(math.radians(dh / 2))
    mean_l, mean_c = (L1 + L2) / 2, (c1 + c2) / 2
    if c1 * c2 == 0:
        mean_h = h1 + h2
    elif abs(h1 - h2) <= 180:
        mean_h = (h1 + h2) / 2
    else:
        mean_h = (h1 + h2 + 360) / 2 if h1 + h2 < 360 else (h1 + h2 - 360) / 2
    t = (1 - 0.17 * math.cos(math.radians(mean_h - 30)) + 0.24 * math.cos(math.radians(2 * mean_h))
         + 0.32 * math.cos(math.radians(3 * mean_h + 6))
         - 0.20 * math.cos(math.radians(4 * mean_h - 63)))
    s_l = 1 + 0.015 * (mean_l - 50) ** 2 / math.sqrt(20 + (mean_l - 50) ** 2)
    s_c, s_h = 1 + 0.045 * mean_c, 1 + 0.015 * mean_c * t
    r_t = (-2 * math.sqrt(mean_c ** 7 / (mean_c ** 7 + 25 ** 7))
           * math.sin(math.radians(60 * math.exp(-((mean_h - 275) / 25) ** 2))))
    dl, dc, dhh = (L2 - L1) / s_l, (c2 - c1) / s_c, d_hue / s_h
    return math.sqrt(dl ** 2 + dc ** 2 + dhh ** 2 + r_t * dc * dhh)


def seen(path, vision):
    """A piece's mean colour over its lit pixels, and its lightness at every pixel."""
    rgba = np.asarray(Image.open(path).convert('RGBA')).astype(float) / 255
    lab = cielab(rgba[..., :3], vision)
    solid = rgba[..., 3] > 0.5
    lit = solid & (lab[..., 0] > 8)
    return lab[lit].mean(0), np.where(solid, lab[..., 0], 0.0)


def closest_pair(folder, names, suffix, vision):
    looks = {n: seen(os.path.join(folder, n + suffix + '.png'), vision) for n in names}
    pairs = []
    for i, a in enumerate(names):
        for b in names[i + 1:]:
            colour = ciede2000(looks[a][0], looks[b][0])
            shape = 100.0 * float((np.abs(looks[a][1] - looks[b][1]) > 25).mean())
            pairs.append((max(colour, shape), a, b))
    return min(pairs)


def main():
    if not 2 <= len(sys.argv) <= 4:
        sys.exit(__doc__)
    folder = sys.argv[1]
    need = float(sys.argv[2]) if len(sys.argv) > 2 else 12.0
    need_normal = float(sys.argv[3]) if len(sys.argv) > 3 else 20.0
    short = []
    for suffix in ('', '@2x'):
        for set_name, names in SETS.items():
            row = []
            for vision, matrix in VISIONS.items():
                score, a, b = closest_pair(folder, names, suffix, matrix)
                row.append('%s %5.1f (%s~%s)' % (vision, score, a, b))
                if score < (need_normal if vision == 'normal' else need):
                    short.append('%s%s under %s: %s and %s score %.1f'
                                 % (set_name, suffix, vision, a, b, score))
            print('%-11s %s' % (set_name + suffix, ' | '.join(row)))
    for line in short:
        print('FAIL: ' + line)
    print('need >= %.0f under a colour-vision deficiency, >= %.0f with normal vision: %s'
          % (need, need_normal, 'short' if short else 'met'))
    return 1 if short else 0


if __name__ == '__main__':
    sys.exit(main())
