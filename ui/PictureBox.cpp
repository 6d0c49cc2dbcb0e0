#include "ui/PictureBox.h"

#include "ui/ScaledPictures.h"

#include "Drawing.h"
#include "ui/Twips.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace mirel {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    makeReadable();
    connect(&ScaledPictures::instance(), &ScaledPictures::drawn, this, [this] {
        if (factor != 1.0 || art::wordsTranslated()) update();
    });
}

void PictureBox::setTwipGeometry(int l, int t, int w, int h) {
    left = l;
    top = t;
    width = w;
    height = h;
    if (factor == 1.0) {
        setGeometry(origin.x() + toPixels(l), origin.y() + toPixels(t), toPixels(w), toPixels(h));
        return;
    }
    const int x = toPixels(l, factor);
    const int y = toPixels(t, factor);
    setGeometry(origin.x() + x, origin.y() + y, toPixels(l + w, factor) - x,
                toPixels(t + h, factor) - y);
}

void PictureBox::setScale(double f, QPoint o) {
    if (f == factor && o == origin) return;
    factor = f;
    origin = o;
    setTwipGeometry(left, top, width, height);
    update();
}

void PictureBox::moveTwips(int l, int t) {
    setTwipGeometry(l, t, width, height);
}

void PictureBox::setPicture(const QPixmap& picture) {
    const State* before = shownState();
    shown = picture;
    update();
    const State* after = shownState();
    if (after != before) {
        if (role == Role::Switch &&
            (before == nullptr || after == nullptr || before->on != after->on)) {
            QAccessible::State changed;
            changed.checked = true;
            QAccessibleStateChangeEvent event(this, changed);
            QAccessible::updateAccessibility(&event);
        }
        QAccessibleValueChangeEvent event(this, stateText());
        QAccessible::updateAccessibility(&event);
    }
}

void PictureBox::setBorder(bool on) {
    border = on;
    update();
}

void PictureBox::autoSize() {
    const QSizeF size = shown.deviceIndependentSize();
    const int frame = border ? 2 : 0;
    setTwipGeometry(left, top, (qRound(size.width()) + frame) * TwipsPerPixel,
                    (qRound(size.height()) + frame) * TwipsPerPixel);
}

void PictureBox::paintPicture(const QPixmap& picture, int xTwips, int yTwips) {
    // Painted again at a place, a picture goes over whatever it overlaps, as on a canvas.
    const std::pair<int, int> place(xTwips, yTwips);
    if (const auto before = placed.find(place); before != placed.end())
        cells.erase(before->second);
    placed[place] = paintings;
    cells.emplace(paintings++, std::pair(place, picture));
    const QPoint at(firstPixelAt(xTwips, factor), firstPixelAt(yTwips, factor));
    painted |= QRect(at, (picture.deviceIndependentSize() * factor).toSize() + QSize(1, 1));
}

void PictureBox::refresh() {
    update(painted);
    painted = {};
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // What is painted on the box covers it, on black; nothing else is kept of it but the
    // pictures by their places, painted again from them.
    if (!cells.empty()) {
        painter.fillRect(rect(), Qt::black);
        const QRect wanted = event->rect();
        for (const auto& [order, cell] : cells) {
            const auto& [at, picture] = cell;
            const QPoint to(firstPixelAt(at.first, factor), firstPixelAt(at.second, factor));
            const QRect covers(to, (picture.deviceIndependentSize() * factor).toSize() + QSize(1, 1));
            if (!covers.intersects(wanted)) continue;
            ScaledPictures::instance().paint(painter, to, picture, factor);
        }
    }
    // The border is a pixel wide at the size the game opens with, and grows with the rest.
    const int line = border ? std::max(1, toPixels(TwipsPerPixel, factor)) : 0;
    if (cells.empty()) {
        painter.fillRect(rect(), Qt::black);
        if (!shown.isNull())
            ScaledPictures::instance().paint(painter, QPointF(line, line), shown, factor);
    }
    if (border && factor == 1.0) {
        painter.setPen(QColor(0x8a, 0x4b, 0xc8));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    } else if (border) {
        const QColor colour(0x8a, 0x4b, 0xc8);
        const QRect r = rect();
        painter.fillRect(QRect(0, 0, r.width(), line), colour);
        painter.fillRect(QRect(0, r.height() - line, r.width(), line), colour);
        painter.fillRect(QRect(0, 0, line, r.height()), colour);
        painter.fillRect(QRect(r.width() - line, 0, line, r.height()), colour);
    }
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    int button = 0;
    switch (event->button()) {
    case Qt::LeftButton:
        button = 1;
        break;
    case Qt::RightButton:
        button = 2;
        break;
    case Qt::MiddleButton:
        button = 4;
        break;
    default:
        break;
    }
    if (button == 1) pressed = true;
    const QPointF at = event->position();
    emit mousePressed(button, pressToTwips(at.x(), factor), pressToTwips(at.y(), factor));
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const bool click = pressed && rect().contains(event->position().toPoint());
    pressed = false;
    if (click) emit clicked();
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double-click is a double-click, not another press: one
    // double-click on a group removes that group only, and clicks a button once.
    event->accept();
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    const bool press = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                       event->key() == Qt::Key_Enter;
    if (press && (focusPolicy() & Qt::TabFocus) && takesClicks()) {
        emit clicked();
        return;
    }
    event->ignore();
}

} // namespace mirel
