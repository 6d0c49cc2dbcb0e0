#include "ContactSheet.h"

#include <QFont>
#include <QPainter>

#include <algorithm>

namespace {

const QColor Backdrop(0x2a, 0x2a, 0x2e);
const QColor LabelColour(0xa0, 0xa0, 0xa8);

QFont labelFont() {
    QFont font("DejaVu Sans");
    font.setPixelSize(11);
    return font;
}

// The pictures named in `names`, side by side `gap` pixels apart on black, at 1x and @2x.
QImage strip(const QStringList& names, const QMap<QString, Rendered>& pictures, int gap) {
    int w1 = gap, h1 = 0;
    for (const QString& n : names) {
        w1 += pictures[n].x1.width() + gap;
        h1 = std::max(h1, pictures[n].x1.height());
    }
    QImage out(w1 * 3 + 16, h1 * 2 + 2 * gap * 2, QImage::Format_RGB32);
    out.fill(Backdrop);
    QPainter p(&out);
    p.fillRect(0, 0, w1, h1 + 2 * gap, Qt::black);
    p.fillRect(w1 + 16, 0, w1 * 2, h1 * 2 + 4 * gap, Qt::black);
    int x = gap;
    for (const QString& n : names) {
        p.drawImage(x, gap, pictures[n].x1);
        p.drawImage(w1 + 16 + 2 * x, 2 * gap, pictures[n].x2);
        x += pictures[n].x1.width() + gap;
    }
    return out;
}

} // namespace

QImage contactSheet(const QStringList& order, const QMap<QString, Rendered>& pictures) {
    const int width = 1500;
    const int pad = 12;
    const int labelHeight = 16;

    // Lay the cells out in rows first, to know how tall the sheet is.
    struct Cell {
        QString name;
        QPoint at;
    };
    std::vector<Cell> cells;
    int x = pad, y = pad, rowHeight = 0;
    for (const QString& name : order) {
        const Rendered& r = pictures[name];
        const int w = std::max(r.x1.width() + 6 + r.x2.width(), 90);
        const int h = r.x2.height() + labelHeight;
        if (x + w > width - pad) {
            x = pad;
            y += rowHeight + pad;
            rowHeight = 0;
        }
        cells.push_back({name, QPoint(x, y)});
        x += w + pad;
        rowHeight = std::max(rowHeight, h);
    }
    y += rowHeight + pad;

    const QList<QStringList> strips = {
        {"ball0", "ball1", "ball2", "ball3", "ball4", "ball5", "ball0", "ball3"},
        {"box0", "box1", "box2", "box3", "box4", "box5", "box5", "box0"},
        {"face0", "face1", "face2", "face3", "face4", "blank", "mine", "fire"},
        {"letterM", "letterI", "letterR", "letterE", "letterL", "underscore", "digit2", "digitDot",
         "digit0"},
        {"digit0", "digit1", "digit2", "digit3", "digit4", "digit5", "digit6", "digit7", "digit8",
         "digit9"},
        {"letterQ", "letterU", "letterI", "letterW", "letterY", "letterZ", "letterJ", "letterX",
         "letterG"},
    };
    std::vector<QImage> stripImages;
    for (const QStringList& s : strips) {
        stripImages.push_back(strip(s, pictures,
                                    s.front().startsWith("ball") || s.front().startsWith("box") ||
                                            s.front().startsWith("face")
                                        ? 4
                                        : 0));
        y += stripImages.back().height() + pad;
    }

    QImage sheet(width, y, QImage::Format_RGB32);
    sheet.fill(Backdrop);
    QPainter p(&sheet);
    p.setFont(labelFont());
    p.setPen(LabelColour);
    for (const Cell& cell : cells) {
        const Rendered& r = pictures[cell.name];
        p.drawImage(cell.at, r.x1);
        p.drawImage(cell.at + QPoint(r.x1.width() + 6, 0), r.x2);
        p.drawText(cell.at + QPoint(0, r.x2.height() + 12), cell.name);
    }
    int sy = y;
    for (auto it = stripImages.rbegin(); it != stripImages.rend(); ++it)
        sy -= it->height() + pad;
    for (const QImage& s : stripImages) {
        p.drawImage(pad, sy, s);
        sy += s.height() + pad;
    }
    return sheet;
}
