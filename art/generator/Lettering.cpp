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
#include <mutex>
#include <set>

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

// The faces for letters Dancing Script 1.2 lacks, compiled into the program (art/fonts/), in
// the order they are tried. Each is set at the pixel size at which its capitals (the CJK
// face's characters) stand as tall as Dancing Script's at ReferencePx, the height words are
// fitted and compared by. Marck Script's capitals are 638 to Dancing Script's 720 (its small
// letters then stand at 89% of Dancing Script's, 263 to 332), and its letters run wide, so it
// is set narrower (`width`).
struct ExtraFace {
    const char* file;
    const char* family;
    QFont::Weight weight;
    int pixelSize;
    double width;
};
constexpr ExtraFace ExtraFaces[] = {
    {"MirelScriptLatin-Bold.ttf", "Mirel Script Latin", QFont::Bold, 100, 1.0},
    {"MirelScriptCyrillic-Regular.ttf", "Mirel Script Cyrillic", QFont::Normal, 113, 0.85},
    {"MirelScriptCJK-Bold.ttf", "Mirel Script CJK", QFont::Bold, 80, 1.0},
};

// How wide a face is set: its letters' widths times this.
double widthOf(const QFont& font) {
    for (const ExtraFace& face : ExtraFaces)
        if (font.family() == QLatin1StringView(face.family)) return face.width;
    return 1.0;
}

QFont extraFont(const ExtraFace& face) {
    QFont font(QString::fromLatin1(face.family));
    font.setPixelSize(face.pixelSize);
    font.setWeight(face.weight);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

// Dancing Script 1.2 in `weight`, then the extra faces.
std::vector<QFont> faces(Weight weight) {
    std::vector<QFont> all{scriptFont(weight)};
    for (const ExtraFace& face : ExtraFaces)
        all.push_back(extraFont(face));
    return all;
}

bool covers(const QFont& font, const QString& text) {
    const QFontMetricsF metrics(font);
    for (char32_t c : text.toUcs4())
        if (!QChar::isSpace(c) && !metrics.inFontUcs4(c)) return false;
    return true;
}

// A translation marks where Japanese or Chinese may break with a zero-width space; it then
// breaks only there (between phrases, not before a particle).
const QChar BreakHere(0x200B);

QString unmarked(QString text) {
    return text.remove(BreakHere);
}

// A letter no face has is left out of the lettering, and said once on stderr.
void tellMissing(char32_t c) {
    static std::mutex lock;
    static std::set<char32_t> told;
    const std::lock_guard<std::mutex> hold(lock);
    if (told.insert(c).second)
        std::fprintf(stderr, "mirel: no lettering face has '%s' (U+%04X); it is left out\n",
                     qPrintable(QString::fromUcs4(&c, 1)), unsigned(c));
}

// The face a word is drawn in: the first that has all its letters; when none has, the one
// with the most, and the word without the letters that one lacks.
std::pair<QFont, QString> faceFor(const std::vector<QFont>& all, const QString& word) {
    std::size_t best = 0;
    qsizetype bestHas = -1;
    for (std::size_t i = 0; i < all.size(); ++i) {
        const QFontMetricsF metrics(all[i]);
        qsizetype has = 0;
        for (char32_t c : word.toUcs4())
            has += metrics.inFontUcs4(c) ? 1 : 0;
        if (has == word.toUcs4().size()) return {all[i], word};
        if (has > bestHas) bestHas = has, best = i;
    }
    const QFontMetricsF metrics(all[best]);
    QString kept;
    for (char32_t c : word.toUcs4()) {
        if (metrics.inFontUcs4(c))
            kept.append(QString::fromUcs4(&c, 1));
        else
            tellMissing(c);
    }
    return {all[best], kept};
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
    for (const ExtraFace& face : ExtraFaces) {
        const QString path = QStringLiteral(":/lettering/") + QString::fromLatin1(face.file);
        const int id = QFontDatabase::addApplicationFont(path);
        if (id < 0 ||
            !QFontDatabase::applicationFontFamilies(id).contains(QString::fromLatin1(face.family))) {
            problem = QStringLiteral("cannot load the lettering font %1").arg(path);
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
    QPainterPath path;
    if (covers(font, text)) {
        path.addText(0, 0, font, text);
    } else {
        // Word by word, each in its face; words of one face in a row are set together, so that
        // their spaces and joins are that face's own.
        const std::vector<QFont> all = faces(weight);
        std::vector<std::pair<QFont, QString>> runs;
        for (const QString& word : text.split(' ', Qt::SkipEmptyParts)) {
            auto [face, kept] = faceFor(all, word);
            if (kept.isEmpty()) continue;
            if (!runs.empty() && runs.back().first == face)
                runs.back().second += ' ' + kept;
            else
                runs.emplace_back(face, kept);
        }
        double x = 0;
        for (const auto& [face, run] : runs) {
            const QFontMetricsF metrics(face);
            const double width = widthOf(face);
            QPainterPath set;
            set.addText(0, 0, face, run);
            path.addPath(QTransform(width, 0, 0, 1, x, 0).map(set));
            x += (metrics.horizontalAdvance(run) + metrics.horizontalAdvance(' ')) * width;
        }
    }
    // Joined-up letters overlap where one runs into the next; with the default
    // odd-even rule the overlaps would show as dark specks.
    path.setFillRule(Qt::WindingFill);
    return path;
}

QString uncoveredLetters(const QString& text) {
    const std::vector<QFont> all = faces(Weight::Bold);
    QString missing;
    for (const QString& word : unmarked(text).split(' ', Qt::SkipEmptyParts)) {
        const bool someFace =
            std::any_of(all.begin(), all.end(), [&](const QFont& f) { return covers(f, word); });
        if (someFace) continue;
        for (char32_t c : word.toUcs4())
            if (std::none_of(all.begin(), all.end(),
                             [&](const QFont& f) { return covers(f, QString::fromUcs4(&c, 1)); }))
                missing += QString::fromUcs4(&c, 1);
    }
    return missing;
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

namespace {
thread_local std::function<void(const std::vector<Line>&)> letteringWatch;
}

void watchLettering(std::function<void(const std::vector<Line>&)> watch) {
    letteringWatch = std::move(watch);
}

void paintLettering(Canvas& canvas, const std::vector<Line>& lines, const LetteringLook& look) {
    if (letteringWatch) letteringWatch(lines);
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

bool ideographic(QChar c) {
    const QChar::Script script = c.script();
    return script == QChar::Script_Han || script == QChar::Script_Hiragana ||
           script == QChar::Script_Katakana || (c.unicode() >= 0x3000 && c.unicode() < 0x3040) ||
           (c.unicode() >= 0xff00 && c.unicode() < 0xfff0);
}

// Japanese and Chinese break between any two characters, but not before a closing mark.
bool breakableBefore(const QString& text, qsizetype i) {
    const QChar before = text[i - 1], at = text[i];
    if (before.isSpace() || at.isSpace()) return false;
    if (!ideographic(before) && !ideographic(at)) return false;
    return !QStringLiteral("、。，．！？：；）」』ー・").contains(at);
}

// A paragraph cut in two at each place it may break: between words, and in Japanese and
// Chinese between characters, or where marked.
QList<QStringList> twoLineCuts(const QString& paragraph) {
    const QStringList words = paragraph.split(' ', Qt::SkipEmptyParts);
    QList<QStringList> cuts;
    for (qsizetype cut = 1; cut < words.size(); ++cut)
        cuts.append({unmarked(words.mid(0, cut).join(' ')), unmarked(words.mid(cut).join(' '))});
    const bool marked = paragraph.contains(BreakHere);
    for (qsizetype i = 1; i < paragraph.size(); ++i)
        if (marked ? paragraph[i - 1] == BreakHere : breakableBefore(paragraph, i))
            cuts.append({unmarked(paragraph.left(i)).trimmed(), unmarked(paragraph.mid(i)).trimmed()});
    return cuts;
}

// The ways of putting a paragraph on one line or two.
QList<QStringList> breaksOf(const QString& paragraph, Weight weight) {
    QList<QStringList> options{{unmarked(paragraph)}};
    double bestWidest = std::numeric_limits<double>::infinity();
    QStringList best;
    for (const QStringList& cut : twoLineCuts(paragraph)) {
        const QString& first = cut[0];
        const QString& second = cut[1];
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
