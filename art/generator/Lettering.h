// Purple script lettering: every word in the game is drawn with this.
#pragma once

#include "Canvas.h"

#include <QPainterPath>
#include <QStringList>

#include <functional>
#include <limits>
#include <vector>

enum class Weight { Regular, Bold };

// Registers the two Dancing Script faces with the font database. Exits the
// program with a message if either is missing: lettering drawn in a fallback
// face would quietly spoil every picture.
void loadScriptFonts();
// The same, for a program that can do without: false, and why, when a face is missing.
bool tryLoadScriptFonts(QString& problem);

// Outlines are built at this pixel size and then scaled, so the 1x and @2x
// pictures share exactly the same geometry.
inline constexpr double ReferencePx = 100.0;

// `text` as an outline at ReferencePx, baseline at y = 0, pen starting at x = 0, in any
// language. Dancing Script 1.2 when it has every letter; otherwise each word in the first face
// that has all its letters (Dancing Script 2 for Central European Latin, Marck Script for
// Cyrillic, LXGW WenKai for Japanese and Chinese), sized so that its letters look as large. A
// letter no face has is left out and said once on stderr; the program goes on.
QPainterPath scriptOutline(const QString& text, Weight weight);
// The letters of `text` that no face can draw, in the words that no face draws whole.
QString uncoveredLetters(const QString& text);

// Height of a capital above the baseline, at ReferencePx.
double referenceCapHeight();

// A run of lettering placed on a picture, in logical pixels.
struct Line {
    QPainterPath path;
    double baseline = 0;
    double capHeight = 0;
};

// Scales a reference outline by `scale` (and `squeezeX` across) and puts its
// pen origin at `origin`.
Line placeOutline(const QPainterPath& outline, double scale, QPointF origin, double squeezeX = 1.0);

struct LetteringLook {
    double glowSigma = 0.9;    // logical pixels
    double glowStrength = 0.6; // 0 = no glow
    // A second, wider and fainter glow, for the title.
    double haloSigma = 0;
    double haloStrength = 0;
};

// Glow under everything, then each line filled lilac-to-violet from its cap
// line down to its baseline.
void paintLettering(Canvas& canvas, const std::vector<Line>& lines, const LetteringLook& look = {});

// While set, told (on the thread that set it) of every block of lettering painted, before it
// is painted: for checking how words sit in their pictures.
void watchLettering(std::function<void(const std::vector<Line>&)> watch);

// Lines of text, each centred across `box`, the block centred in `box` and as
// large as it fits (but no larger than `maxCapHeight` logical pixels for a
// capital). Baselines are `pitch` cap heights apart.
std::vector<Line> fitLines(const QStringList& lines, Weight weight, const QRectF& box,
                           double pitch = 1.35,
                           double maxCapHeight = std::numeric_limits<double>::infinity());

// Paragraphs of text laid out in `box`: each paragraph on one line or broken
// onto two, whichever lets the whole block be drawn largest; breaks fall where
// the two halves come out most even. `paragraphGap` is extra space between
// paragraphs, in cap heights.
std::vector<Line> fitParagraphs(const QStringList& paragraphs, Weight weight, const QRectF& box,
                                double pitch, double paragraphGap,
                                double maxCapHeight = std::numeric_limits<double>::infinity());

// Ink bounds of a set of placed lines.
QRectF inkBounds(const std::vector<Line>& lines);
