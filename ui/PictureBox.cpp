#include "ui/PictureBox.h"

#include "ui/Twips.h"

#include <QMouseEvent>
#include <QPainter>

#include <cstring>

namespace mirel {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setTwipGeometry(int l, int t, int w, int h) {
    left = l;
    top = t;
    width = w;
    height = h;
    setGeometry(toPixels(l), toPixels(t), toPixels(w), toPixels(h));
}

void PictureBox::moveTwips(int l, int t) {
    setTwipGeometry(l, t, width, height);
}

void PictureBox::setPicture(const QPixmap& picture) {
    shown = picture;
    update();
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
    const qreal ratio = devicePixelRatioF();
    if (canvas.isNull()) {
        canvas = QImage(size() * ratio, QImage::Format_RGB32);
        canvas.setDevicePixelRatio(ratio);
        canvas.fill(Qt::black);
    }
    const QPoint at(toPixels(xTwips), toPixels(yTwips));
    painted |= QRect(at, picture.deviceIndependentSize().toSize());

    // The board is painted a whole group at a time: an opaque picture drawn at the canvas's
    // own scale is a plain copy of its pixels, which is what drawing it would give.
    const QImage source = picture.toImage();
    if (source.format() == QImage::Format_RGB32 && source.devicePixelRatio() == ratio) {
        const QRect target = QRect(at * ratio, source.size()) & canvas.rect();
        const QPoint from = target.topLeft() - at * ratio;
        const auto bytes = std::size_t(target.width()) * sizeof(QRgb);
        for (int y = 0; y < target.height(); ++y)
            std::memcpy(canvas.scanLine(target.top() + y) + target.left() * sizeof(QRgb),
                        source.constScanLine(from.y() + y) + from.x() * sizeof(QRgb), bytes);
        return;
    }
    QPainter painter(&canvas);
    painter.drawPixmap(at, picture);
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
    if (!covered) {
        painter.fillRect(rect(), Qt::black);
        const int inset = border ? 1 : 0;
        if (!shown.isNull()) painter.drawPixmap(inset, inset, shown);
    }
    if (!canvas.isNull()) painter.drawImage(0, 0, canvas);
    if (border) {
        painter.setPen(QColor(0x8a, 0x4b, 0xc8));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
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
    emit mousePressed(button, pressToTwips(at.x()), pressToTwips(at.y()));
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

} // namespace mirel
