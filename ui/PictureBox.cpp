#include "ui/PictureBox.h"

#include "ui/ScaledPictures.h"
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
        if (factor == 1.0) return;
        paintCanvasAgain();
        update();
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
    const bool resized = f != factor;
    factor = f;
    origin = o;
    setTwipGeometry(left, top, width, height);
    if (resized) paintCanvasAgain();
    update();
}

void PictureBox::paintCanvasAgain() {
    if (canvas.isNull()) return;
    canvas = QImage();
    for (const auto& [at, picture] : cells)
        paintOnCanvas(picture, at.first, at.second);
    painted = {};
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
    cells[{xTwips, yTwips}] = picture;
    paintOnCanvas(picture, xTwips, yTwips);
}

void PictureBox::paintOnCanvas(const QPixmap& picture, int xTwips, int yTwips) {
    if (canvas.isNull()) {
        const qreal ratio = devicePixelRatioF();
        canvas = QImage(size() * ratio, QImage::Format_RGB32);
        canvas.setDevicePixelRatio(ratio);
        canvas.fill(Qt::black);
    }
    const QPoint at(firstPixelAt(xTwips, factor), firstPixelAt(yTwips, factor));
    const QImage exact =
        factor == 1.0
            ? QImage()
            : ScaledPictures::instance().exact(picture, factor, canvas.devicePixelRatio());
    if (factor != 1.0 && exact.isNull()) {
        // Not drawn for this size yet: the nearest there is, for now.
        QPainter painter(&canvas);
        ScaledPictures::instance().paint(painter, at, picture, factor);
        painted |= QRect(at, (picture.deviceIndependentSize() * factor).toSize() + QSize(1, 1));
        return;
    }
    const QImage source = factor == 1.0 ? picture.toImage() : exact;
    painted |= QRect(at, source.deviceIndependentSize().toSize());

    // The board is painted a whole group at a time: an opaque picture drawn at the canvas's
    // own scale is a plain copy of its pixels, which is what drawing it would give.
    const qreal ratio = canvas.devicePixelRatio();
    if (source.format() == QImage::Format_RGB32 && source.devicePixelRatio() == ratio &&
        ratio == std::floor(ratio)) {
        const QPoint origin = at * ratio;
        const QRect target = QRect(origin, source.size()) & canvas.rect();
        if (target.isEmpty()) return;
        const QPoint from = target.topLeft() - origin;
        const auto bytes = std::size_t(target.width()) * sizeof(QRgb);
        uchar* to = canvas.bits() + target.top() * canvas.bytesPerLine() +
                    target.left() * qsizetype(sizeof(QRgb));
        for (int y = 0; y < target.height(); ++y, to += canvas.bytesPerLine())
            std::memcpy(to, source.constScanLine(from.y() + y) + from.x() * sizeof(QRgb), bytes);
        return;
    }
    QPainter painter(&canvas);
    if (factor == 1.0)
        painter.drawPixmap(at, picture);
    else
        painter.drawImage(at, source);
}

void PictureBox::refresh() {
    update(painted);
    painted = {};
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The canvas is opaque: where it lies nothing under it shows.
    const bool covered = !canvas.isNull() &&
                         QRect(QPoint(), canvas.deviceIndependentSize().toSize()).contains(rect());
    // The border is a pixel wide at the size the game opens with, and grows with the rest.
    const int line = border ? std::max(1, toPixels(TwipsPerPixel, factor)) : 0;
    if (!covered) {
        painter.fillRect(rect(), Qt::black);
        if (!shown.isNull() && factor == 1.0)
            painter.drawPixmap(line, line, shown);
        else if (!shown.isNull())
            ScaledPictures::instance().paint(painter, QPointF(line, line), shown, factor);
    }
    if (!canvas.isNull()) painter.drawImage(0, 0, canvas);
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
