#include "Lettering.h"

#include "Palette.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QTransform>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

const char* const FontDir = "/usr/share/fonts/opentype/dancingscript/";
const QString Family = QStringLiteral("Dancing Script");

[[noreturn]] void die(const QString& message) {
    std::fprintf(stderr, "mirel-artgen: %s\n", qPrintable(message));
    std::exit(1);
}

QFont scriptFont(Weight weight) {
    QFont font(Family);
    font.setPixelSize(static_cast<int>(ReferencePx));
    font.setWeight(weight == Weight::Bold ? QFont::Bold : QFont::Normal);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

} // namespace

bool tryLoadScriptFonts(QString& problem) {
    for (const char* file : {"DancingScript-Regular.otf", "DancingScript-Bold.otf"}) {
        const QString path = QString::fromLatin1(FontDir) + QString::fromLatin1(file);
        const int id = QFontDatabase::addApplicationFont(path);
        if (id < 0) {
            problem = QStringLiteral("cannot load the lettering font %1 (install "
                                     "fonts-dancingscript)")
                          .arg(path);
            return false;
        }
        if (!QFontDatabase::applicationFontFamilies(id).contains(Family)) {
            problem = QStringLiteral("%1 is not %2").arg(path, Family);
            return false;
        }
    }
    for (Weight w : {Weight::Regular, Weight::Bold}) {
        const QFontInfo info(scriptFont(w));
        const QString wanted = w == Weight::Bold ? "Bold" : "Regular";
        if (info.family() != Family || info.styleName() != wanted) {
            problem = QStringLiteral("font database gave %1 %2 instead of %3 %4")
                          .arg(info.family(), info.styleName(), Family, wanted);
            return false;
        }
    }
    return true;
}

void loadScriptFonts() {
    QString problem;
    if (!tryLoadScriptFonts(problem)) die(problem);
}

QPainterPath scriptOutline(const QString& text, Weight weight) {
    const QFont font = scriptFont(weight);
    const QFontMetricsF metrics(font);
    for (QChar c : text) {
        if (!c.isSpace() && !metrics.inFontUcs4(c.unicode()))
            die(QStringLiteral("the lettering font has no '%1'").arg(c));
    }
    QPainterPath path;
    path.addText(0, 0, font, text);
    // Joined-up letters overlap where one runs into the next; with the default
    // odd-even rule the overlaps would show as dark specks.
    path.setFillRule(Qt::WindingFill);
    return path;
}

bool scriptHas(const QString& text, Weight weight) {
    const QFontMetricsF metrics(scriptFont(weight));
    for (const char32_t c : text.toUcs4())
        if (!QChar::isSpace(c) && !metrics.inFontUcs4(c)) return false;
    return true;
}

double referenceCapHeight() {
    return QFontMetricsF(scriptFont(Weight::Bold)).capHeight();
}

Line placeOutline(const QPainterPath& outline, double scale, QPointF origin, double squeezeX) {
    QTransform t;
    t.translate(origin.x(), origin.y());
    t.scale(scale * squeezeX, scale);
    QPainterPath placed = t.map(outline);
    placed.setFillRule(Qt::WindingFill);
    return Line{placed, origin.y(), referenceCapHeight() * scale};
}

QRectF inkBounds(const std::vector<Line>& lines) {
    QRectF bounds;
    for (const Line& line : lines)
        bounds = bounds.united(line.path.boundingRect());
    return bounds;
}

void paintLettering(Canvas& canvas, const std::vector<Line>& lines, const LetteringLook& look) {
    QPainterPath all;
    all.setFillRule(Qt::WindingFill);
    for (const Line& line : lines)
        all.addPath(line.path);
    if (look.haloStrength > 0)
        paintGlow(canvas, all, look.haloSigma, palette::Glow, look.haloStrength);
    if (look.glowStrength > 0)
        paintGlow(canvas, all, look.glowSigma, palette::Glow, look.glowStrength);
    // The outlines are put on the pixels before they are filled: a painter that scales them
    // as it fills takes twice as long at large sizes. At 2 the painter scales them still, as
    // when the @2x PNGs were drawn: the outlines placed beforehand come out a shade different
    // at a few edges, and the PNGs stay as they are.
    const double placed = canvas.scale == 2.0 ? 1.0 : canvas.scale;
    QPainter p(&canvas.image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(canvas.scale / placed, canvas.scale / placed);
    const QTransform toPixels = QTransform::fromScale(placed, placed);
    for (const Line& line : lines) {
        QLinearGradient fill(0, (line.baseline - line.capHeight) * placed, 0,
                             line.baseline * placed);
        fill.setColorAt(0.0, palette::InkHighlight);
        fill.setColorAt(0.45, palette::Ink);
        fill.setColorAt(1.0, palette::InkDeep);
        p.fillPath(toPixels.map(line.path), fill);
    }
}

namespace {

// Lines at ReferencePx, baselines `pitch` cap heights apart, plus extra gaps
// before the lines that start a new paragraph.
struct Block {
    std::vector<QPainterPath> outlines;
    std::vector<double> baselines;
};

Block stack(const QStringList& lines, const std::vector<bool>& startsParagraph, Weight weight,
            double pitch, double paragraphGap) {
    Block block;
    const double cap = referenceCapHeight();
    double y = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0) y += pitch * cap + (startsParagraph[i] ? paragraphGap * cap : 0);
        block.outlines.push_back(scriptOutline(lines[i], weight));
        block.baselines.push_back(y);
    }
    return block;
}

// Largest scale at which the block fits `box`.
double fittingScale(const Block& block, const QRectF& box, double maxCapHeight) {
    double width = 0;
    QRectF bounds;
    for (size_t i = 0; i < block.outlines.size(); ++i) {
        const QRectF r = block.outlines[i].boundingRect();
        width = std::max(width, r.width());
        bounds = bounds.united(r.translated(0, block.baselines[i]));
    }
    return std::min(
        {box.width() / width, box.height() / bounds.height(), maxCapHeight / referenceCapHeight()});
}

std::vector<Line> place(const Block& block, const QRectF& box, double scale) {
    QRectF bounds;
    for (size_t i = 0; i < block.outlines.size(); ++i)
        bounds = bounds.united(block.outlines[i].boundingRect().translated(0, block.baselines[i]));
    const double top = box.center().y() - bounds.height() * scale / 2 - bounds.top() * scale;

    std::vector<Line> lines;
    for (size_t i = 0; i < block.outlines.size(); ++i) {
        const QRectF r = block.outlines[i].boundingRect();
        const double x = box.center().x() - (r.left() + r.width() / 2) * scale;
        lines.push_back(
            placeOutline(block.outlines[i], scale, QPointF(x, top + block.baselines[i] * scale)));
    }
    return lines;
}

// The ways of putting a paragraph on one line or two.
QList<QStringList> breaksOf(const QString& paragraph, Weight weight) {
    const QStringList words = paragraph.split(' ', Qt::SkipEmptyParts);
    QList<QStringList> options{{paragraph}};
    double bestWidest = std::numeric_limits<double>::infinity();
    QStringList best;
    for (qsizetype cut = 1; cut < words.size(); ++cut) {
        const QString first = words.mid(0, cut).join(' ');
        const QString second = words.mid(cut).join(' ');
        const double widest = std::max(scriptOutline(first, weight).boundingRect().width(),
                                       scriptOutline(second, weight).boundingRect().width());
        if (widest < bestWidest) {
            bestWidest = widest;
            best = {first, second};
        }
    }
    if (!best.isEmpty()) options.append(best);
    return options;
}

} // namespace

std::vector<Line> fitLines(const QStringList& lines, Weight weight, const QRectF& box, double pitch,
                           double maxCapHeight) {
    const Block block =
        stack(lines, std::vector<bool>(static_cast<size_t>(lines.size()), false), weight, pitch, 0);
    return place(block, box, fittingScale(block, box, maxCapHeight));
}

std::vector<Line> fitParagraphs(const QStringList& paragraphs, Weight weight, const QRectF& box,
                                double pitch, double paragraphGap, double maxCapHeight) {
    std::vector<QList<QStringList>> options;
    for (const QString& paragraph : paragraphs)
        options.push_back(breaksOf(paragraph, weight));

    // Try every combination of one-line / two-line paragraphs; keep the one
    // drawn largest (the first found wins a tie, which favours fewer lines).
    Block best;
    double bestScale = 0;
    std::vector<size_t> choice(options.size(), 0);
    for (;;) {
        QStringList lines;
        std::vector<bool> starts;
        for (size_t i = 0; i < options.size(); ++i) {
            const QStringList& chosen = options[i][static_cast<qsizetype>(choice[i])];
            for (qsizetype j = 0; j < chosen.size(); ++j) {
                lines.append(chosen[j]);
                starts.push_back(j == 0);
            }
        }
        const Block block = stack(lines, starts, weight, pitch, paragraphGap);
        const double scale = fittingScale(block, box, maxCapHeight);
        if (scale > bestScale + 1e-9) {
            bestScale = scale;
            best = block;
        }
        size_t i = 0;
        while (i < choice.size() && ++choice[i] == static_cast<size_t>(options[i].size()))
            choice[i++] = 0;
        if (i == choice.size()) break;
    }
    return place(best, box, bestScale);
}
