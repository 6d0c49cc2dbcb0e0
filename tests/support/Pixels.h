#pragma once

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace mirel::testing {

// What a picture looks like on the black window.
inline QImage onBlack(const QPixmap& picture) {
    QImage image(picture.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.drawPixmap(0, 0, picture);
    return image;
}

// Whether the pixels of `area` of the widget, as a player sees them, are those of `picture`.
inline bool showsPicture(QWidget* widget, QRect area, const QPixmap& picture) {
    const QImage shot = widget->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
    return shot == onBlack(picture);
}

inline bool allBlack(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            if ((rgb.pixel(x, y) & 0xFFFFFFu) != 0) return false;
    return true;
}

// Runs `act` on the modal window of type W as soon as one is open; if none opens within
// the time given, nothing runs and `opened` stays false. The watch ends with `owner`.
template <typename W>
void whenModalOpens(QObject* owner, std::function<void(W&)> act, bool* opened,
                    int withinMs = 5000) {
    auto* poll = new QTimer(owner);
    auto waited = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, poll, [=] {
        *waited += 10;
        if (auto* window = qobject_cast<W*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            if (opened) *opened = true;
            act(*window);
        } else if (*waited > withinMs) {
            poll->stop();
            poll->deleteLater();
        }
    });
    poll->start(10);
}

} // namespace mirel::testing
