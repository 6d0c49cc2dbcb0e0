#include "Catalogue.h"

#include "FrameGeometry.h"
#include "Frames.h"
#include "Lettering.h"
#include "Palette.h"
#include "Pieces.h"
#include "board/PieceSet.h"

#include <QCoreApplication>
#include <QLinearGradient>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <utility>

namespace {

// The pictures' words, in the language the game speaks (English when no translator is
// installed, as in the generator). A line break in a translation breaks the picture's lines.
struct Pictures {
    Q_DECLARE_TR_FUNCTIONS(Pictures)
};

QStringList lines(const QString& words) {
    return words.split('\n');
}

// Lettering keeps this far from every edge of its picture.
constexpr double Margin = 2.0;

const QMargins LetteringClear(1, 1, 1, 1);
const QMargins PieceClear(1, 1, 1, 1);
const QMargins Bleed(0, 0, 0, 0);

QRectF inset(QSizeF size, double left, double top, double right, double bottom) {
    return QRectF(left, top, size.width() - left - right, size.height() - top - bottom);
}

QRectF lettering(QSizeF size) {
    return inset(size, Margin, Margin, Margin, Margin);
}

// Capital height at which `lines` fill `box`.
double fittedCap(const QStringList& lines, const QRectF& box, double pitch = 1.35) {
    return fitLines(lines, Weight::Bold, box, pitch).front().capHeight;
}

// A word picture: the lines centred in the box, as large as fits (or capped so
// that a family of buttons share one size).
Picture word(PictureId id, QSize size, QStringList lines, double maxCap = 1e9, double pitch = 1.35,
             QRectF box = {}) {
    if (box.isNull()) box = lettering(size);
    return Picture{
        id, size,
        [=](Canvas& c) { paintLettering(c, fitLines(lines, Weight::Bold, box, pitch, maxCap)); },
        LetteringClear};
}

// Letters and digits are set as a typeface: one size and one baseline for all,
// each glyph centred across its cell, so a row of cells reads as one word.
// Glyphs too wide for the cell are narrowed rather than shrunk.
class GlyphCells {
public:
    static constexpr QSize Cell{22, 28};

    GlyphCells() {
        QRectF all;
        for (QChar c : QString::fromLatin1(Alphabet))
            all = all.united(scriptOutline(QString(c), Weight::Bold).boundingRect());
        scale_ = (Cell.height() - 2 * margin) / all.height();
        baseline_ = Cell.height() / 2.0 - (all.top() + all.height() / 2) * scale_;
        maxWidth_ = Cell.width() - 2 * margin;
    }

    Picture picture(PictureId id, QChar glyph) const {
        return Picture{id, Cell, [cells = *this, glyph](Canvas& c) { cells.draw(c, QString(glyph)); },
                       LetteringClear};
    }

    // A glyph taller or deeper than all of the above (a capital's accent) is flattened onto
    // the cell about its baseline rather than shrunk.
    void draw(Canvas& c, const QString& glyph) const {
        QPainterPath outline = scriptOutline(glyph, Weight::Bold);
        const QRectF r = outline.boundingRect();
        const double room = std::min(r.top() < 0 ? (baseline_ - margin) / (-r.top() * scale_) : 1.0,
                                     r.bottom() > 0 ? (Cell.height() - margin - baseline_) /
                                                          (r.bottom() * scale_)
                                                    : 1.0);
        if (room < 1 - 1e-9) outline = QTransform::fromScale(1, room).map(outline);
        const double squeeze = std::min(1.0, maxWidth_ / (r.width() * scale_));
        const double x = Cell.width() / 2.0 - (r.left() + r.width() / 2) * scale_ * squeeze;
        paintLettering(c, {placeOutline(outline, scale_, {x, baseline_}, squeeze)},
                       LetteringLook{0.8, 0.55});
    }

private:
    // Everything set in the cells, so they all share the size that fits the
    // tallest and deepest of them.
    static constexpr const char* Alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789._";
    static constexpr double margin = 1.5;
    double scale_ = 0;
    double baseline_ = 0;
    double maxWidth_ = 0;
};

} // namespace

QSize letterCellSize() {
    return GlyphCells::Cell;
}

bool drawLetterCell(Canvas& canvas, char32_t letter) {
    const QString glyph = QString::fromUcs4(&letter, 1);
    if (!QChar::isLetter(letter) || !uncoveredLetters(glyph).isEmpty()) return false;
    static const GlyphCells cells;
    cells.draw(canvas, glyph);
    return true;
}

namespace {

void drawOk(Canvas& c, const QRectF& button) {
    paintLettering(c, fitLines({Pictures::tr("Ok")}, Weight::Bold,
                               button.adjusted(Margin, Margin, -Margin, -Margin)));
}

const QSize OkSize(47, 29);

void drawHelpText(Canvas& c) {
    const QSizeF size(c.size);
    const QRectF ok((size.width() - OkSize.width()) / 2, size.height() - OkSize.height(),
                    OkSize.width(), OkSize.height());
    const QRectF text = inset(size, 4, 4, 4, OkSize.height() + 8);
    paintLettering(
        c, fitParagraphs({Pictures::tr("Click on identical adjacent pieces to score points"),
                          Pictures::tr("Use Events to make things even wilder!")},
                         Weight::Bold, text, 1.45, 0.8));
    drawOk(c, ok);
}

// A brush stroke along the cubic curve p0..p3: a point at either end, swelling
// to `width` at `peak` (a fraction of the way along).
QPainterPath brushStroke(QPointF p0, QPointF p1, QPointF p2, QPointF p3, double width,
                         double peak) {
    constexpr int Steps = 120;
    QPolygonF left, right;
    for (int i = 0; i <= Steps; ++i) {
        const double t = static_cast<double>(i) / Steps, u = 1 - t;
        const QPointF at =
            u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
        const QPointF along = 3 * u * u * (p1 - p0) + 6 * u * t * (p2 - p1) + 3 * t * t * (p3 - p2);
        const double length = std::hypot(along.x(), along.y());
        const QPointF normal(-along.y() / length, along.x() / length);
        const double s = t < peak ? t / peak : (1 - t) / (1 - peak);
        const double half = width / 2 * std::pow(std::sin(s * std::numbers::pi / 2), 0.75);
        left.append(at + normal * half);
        right.prepend(at - normal * half);
    }
    QPainterPath path;
    path.addPolygon(left + right);
    path.closeSubpath();
    return path;
}

// A four-pointed twinkle.
QPainterPath twinkle(QPointF at, double reach, double waist) {
    QPainterPath path(at + QPointF(0, -reach));
    const QPointF pts[] = {{0, -reach}, {reach, 0}, {0, reach}, {-reach, 0}};
    for (int i = 0; i < 4; ++i) {
        const QPointF a = pts[i], b = pts[(i + 1) % 4];
        path.quadTo(at + (a + b) * waist, at + b);
    }
    path.closeSubpath();
    return path;
}

void drawTitle(Canvas& c) {
    const QSizeF size(c.size);
    std::vector<Line> name = fitLines({"Mirel"}, Weight::Bold, inset(size, 16, 7, 20, 21));
    const QRectF ink = inkBounds(name);

    // A swash sweeping under the name from the foot of the M and lifting away
    // past the l, with a twinkle where it ends.
    const QPointF end(ink.right() + 11, ink.bottom() - 11);
    Line flourish;
    flourish.path =
        brushStroke(QPointF(ink.left() - 3, ink.bottom() - 1),
                    QPointF(ink.left() + ink.width() * 0.35, ink.bottom() + 15),
                    QPointF(ink.right() - ink.width() * 0.08, ink.bottom() + 9), end, 4.6, 0.32);
    flourish.path.setFillRule(Qt::WindingFill);
    flourish.path.addPath(twinkle(end + QPointF(2.5, -4.5), 6.0, 0.1));
    flourish.path.addPath(twinkle(end + QPointF(-6.5, -13), 2.6, 0.14));
    flourish.baseline = ink.bottom() + 10;
    flourish.capHeight = ink.height();
    name.push_back(flourish);
    paintLettering(c, name, LetteringLook{1.4, 0.85, 4.5, 0.45});
}

void drawAboutText(Canvas& c) {
    const QSizeF size(c.size);
    std::vector<Line> all = fitLines({"Mirel"}, Weight::Bold, QRectF(4, 3, size.width() - 8, 53));
    const std::vector<Line> maker = fitLines(lines(Pictures::tr("Made by the Mirel team")),
                                             Weight::Bold, QRectF(4, 63, size.width() - 8, 21));
    const std::vector<Line> version =
        fitLines(lines(Pictures::tr("Version")), Weight::Bold, QRectF(4, 94, size.width() - 8, 27));
    all.insert(all.end(), maker.begin(), maker.end());
    all.insert(all.end(), version.begin(), version.end());
    paintLettering(c, all, LetteringLook{1.0, 0.6});
}

QColor rgb(unsigned v) {
    return QColor((v >> 16) & 0xff, (v >> 8) & 0xff, v & 0xff);
}

} // namespace

PictureId listed(const QString& name) {
    for (std::size_t i = 0; i < mirel::art::PictureCount; ++i)
        if (name == QLatin1StringView(mirel::art::PictureNames[i])) return PictureId(i);
    std::fprintf(stderr, "mirel-artgen: \"%s\" is not in art/CMakeLists.txt's list of pictures\n",
                 qPrintable(name));
    std::exit(1);
}

bool hasWords(PictureId id) {
    switch (id) {
    case PictureId::New:
    case PictureId::Highscores:
    case PictureId::SoundOn:
    case PictureId::SoundOff:
    case PictureId::Set1:
    case PictureId::Set2:
    case PictureId::Set3:
    case PictureId::Events:
    case PictureId::Undo:
    case PictureId::Help:
    case PictureId::About:
    case PictureId::Exit:
    case PictureId::RowShifts:
    case PictureId::ColumnShifts:
    case PictureId::Mines:
    case PictureId::Yes:
    case PictureId::No:
    case PictureId::Ok:
    case PictureId::Reset:
    case PictureId::GameOver:
    case PictureId::HelpText:
    case PictureId::AboutText:
        return true;
    default:
        return false;
    }
}

std::vector<Picture> catalogue() {
    std::vector<Picture> pictures;
    const QSize cell(32, 32);

    // The kinds of each set and their colours are the game's (board/PieceSet.h).
    using mirel::PieceSet, mirel::kindsOf;
    const auto drawn = [&](PieceSet set, int i, std::function<void(Canvas&)> draw,
                           const QMargins& clear) {
        pictures.push_back(
            {listed(QString("%1%2").arg(kindsOf(set).pictures).arg(i)), cell, draw, clear});
    };
    for (int i = 0; i < kindsOf(PieceSet::Balls).count; ++i) {
        const mirel::PieceKind& k = kindsOf(PieceSet::Balls).kinds[i];
        drawn(
            PieceSet::Balls, i,
            [k](Canvas& canvas) { drawBall(canvas, rgb(k.colour), rgb(k.shade)); }, PieceClear);
    }
    for (int i = 0; i < kindsOf(PieceSet::Boxes).count; ++i) {
        const mirel::PieceKind& k = kindsOf(PieceSet::Boxes).kinds[i];
        drawn(
            PieceSet::Boxes, i, [k](Canvas& canvas) { drawBox(canvas, rgb(k.colour)); }, Bleed);
    }
    // In the order of the faces' names.
    const Mood moods[] = {Mood::Sad, Mood::Frowning, Mood::Grinning, Mood::Smiling, Mood::Neutral};
    static_assert(std::size(moods) == std::size_t(kindsOf(PieceSet::Faces).count));
    for (int i = 0; i < kindsOf(PieceSet::Faces).count; ++i)
        drawn(
            PieceSet::Faces, i, [m = moods[i]](Canvas& canvas) { drawFace(canvas, m); },
            PieceClear);

    pictures.push_back({PictureId::Blank, cell, [](Canvas&) {}, PieceClear});
    pictures.push_back({PictureId::Mine, cell, drawMine, PieceClear});
    pictures.push_back({PictureId::Fire, cell, drawFire, Bleed});

    using mirel::art::CursorSize, mirel::art::FocusFrameSize;
    pictures.push_back({PictureId::Cursor, {CursorSize, CursorSize}, drawCursor, Bleed, true});
    pictures.push_back(
        {PictureId::FocusFrame, {FocusFrameSize, FocusFrameSize}, drawFocusFrame, Bleed, true});

    const GlyphCells glyphs;
    for (char d = '0'; d <= '9'; ++d)
        pictures.push_back(glyphs.picture(listed(QString("digit%1").arg(d)), QChar(d)));
    pictures.push_back(glyphs.picture(PictureId::DigitDot, '.'));
    pictures.push_back(glyphs.picture(PictureId::Underscore, '_'));
    for (char l = 'A'; l <= 'Z'; ++l)
        pictures.push_back(glyphs.picture(listed(QString("letter%1").arg(l)), QChar(l)));

    // Buttons and labels. Pictures of one size, or that the game shows side by
    // side, share a letter size so that they look like a set.
    const QSize setSize(75, 24), soundSize(111, 25), smallSize(66, 20), answerSize(38, 25);
    const QSize rowSize(171, 27), columnSize(171, 30), minesSize(171, 23);

    const double soundCap =
        std::min(fittedCap(lines(Pictures::tr("Sound")), lettering(soundSize)),
                 fittedCap(lines(Pictures::tr("No Sound")), lettering(soundSize)));
    const double setCap = fittedCap(lines(Pictures::tr("Set #%1").arg(1)), lettering(setSize));
    const double answerCap = std::min(fittedCap(lines(Pictures::tr("Yes")), lettering(answerSize)),
                                      fittedCap(lines(Pictures::tr("No")), lettering(answerSize)));
    // Undo sits against the window's edge, which may hide its last two columns.
    const QRectF undoBox = inset(smallSize, Margin, Margin, 5, Margin);
    const double smallCap = std::min(fittedCap(lines(Pictures::tr("Undo")), undoBox),
                                     fittedCap(lines(Pictures::tr("About")), lettering(smallSize)));
    const double eventCap =
        std::min({fittedCap(lines(Pictures::tr("Row Shifts")), lettering(rowSize)),
                  fittedCap(lines(Pictures::tr("Column Shifts")), lettering(columnSize)),
                  fittedCap(lines(Pictures::tr("Mines")), lettering(minesSize))});

    pictures.push_back(word(PictureId::New, {48, 24}, lines(Pictures::tr("New"))));
    pictures.push_back(
        word(PictureId::Highscores, {68, 49}, lines(Pictures::tr("High\nScores")), 1e9, 1.25));
    pictures.push_back(word(PictureId::SoundOn, soundSize, lines(Pictures::tr("Sound")), soundCap));
    pictures.push_back(
        word(PictureId::SoundOff, soundSize, lines(Pictures::tr("No Sound")), soundCap));
    for (int i = 1; i <= 3; ++i)
        pictures.push_back(word(listed(QString("set%1").arg(i)), setSize,
                                lines(Pictures::tr("Set #%1").arg(i)), setCap));
    pictures.push_back(word(PictureId::Events, {74, 23}, lines(Pictures::tr("Events"))));
    {
        Picture undo =
            word(PictureId::Undo, smallSize, lines(Pictures::tr("Undo")), smallCap, 1.35, undoBox);
        undo.clear = QMargins(1, 1, 4, 1);
        pictures.push_back(undo);
    }
    pictures.push_back(word(PictureId::Help, {44, 26}, lines(Pictures::tr("Help"))));
    pictures.push_back(word(PictureId::About, smallSize, lines(Pictures::tr("About")), smallCap));
    pictures.push_back(word(PictureId::Exit, {48, 25}, lines(Pictures::tr("Exit"))));
    pictures.push_back(
        word(PictureId::RowShifts, rowSize, lines(Pictures::tr("Row Shifts")), eventCap));
    pictures.push_back(
        word(PictureId::ColumnShifts, columnSize, lines(Pictures::tr("Column Shifts")), eventCap));
    pictures.push_back(word(PictureId::Mines, minesSize, lines(Pictures::tr("Mines")), eventCap));
    pictures.push_back(word(PictureId::Yes, answerSize, lines(Pictures::tr("Yes")), answerCap));
    pictures.push_back(word(PictureId::No, answerSize, lines(Pictures::tr("No")), answerCap));
    pictures.push_back(
        {PictureId::Ok, OkSize, [](Canvas& c) { drawOk(c, c.rect()); }, LetteringClear});
    pictures.push_back(word(PictureId::Reset, setSize, lines(Pictures::tr("Reset")), setCap));
    pictures.push_back(word(PictureId::GameOver, {149, 34}, lines(Pictures::tr("Game Over!"))));

    pictures.push_back({PictureId::HelpText, {292, 172}, drawHelpText, LetteringClear});
    pictures.push_back({PictureId::AboutText, {343, 123}, drawAboutText, LetteringClear});
    pictures.push_back({PictureId::Title, {241, 90}, drawTitle, LetteringClear});
    return pictures;
}
