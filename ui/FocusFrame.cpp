#include "ui/FocusFrame.h"

#include "FrameGeometry.h"
#include "ui/PictureBox.h"
#include "ui/ScaledPictures.h"

#include <QKeyEvent>
#include <QPainter>
#include <qdrawutil.h>

#include <algorithm>

namespace mirel {

Overlay::Overlay(QWidget* parent, QPixmap picture, int corner)
    : QWidget(parent), picture(std::move(picture)), corner(corner) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setProperty(unreadProperty, true);
    hide();
    connect(&ScaledPictures::instance(), &ScaledPictures::drawn, this, [this] { update(); });
}

void Overlay::setScale(double f) {
    factor = f;
    update();
}

void Overlay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (corner == 0) {
        ScaledPictures::instance().paint(painter, QPointF(0, 0), picture, factor);
        return;
    }
    if (factor != 1.0) {
        // The corners keep their share of the frame at every size.
        const qreal ratio = devicePixelRatioF();
        // Not drawn yet: asked for, and drawn once the size has settled.
        const QImage exact = ScaledPictures::instance().exact(picture, factor, ratio);
        const QPixmap source = exact.isNull() ? picture : QPixmap::fromImage(exact);
        const int target = qRound(corner * factor);
        const int sourceCorner =
            qRound(corner * (exact.isNull() ? picture.devicePixelRatio() : factor * ratio));
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        qDrawBorderPixmap(&painter, rect(), QMargins(target, target, target, target), source,
                          source.rect(),
                          QMargins(sourceCorner, sourceCorner, sourceCorner, sourceCorner));
        return;
    }
    // The corners keep their size; the edges between them stretch.
    const int sourceCorner = qRound(corner * picture.devicePixelRatio());
    qDrawBorderPixmap(&painter, rect(), QMargins(corner, corner, corner, corner), picture,
                      picture.rect(),
                      QMargins(sourceCorner, sourceCorner, sourceCorner, sourceCorner));
}

FocusFrame::FocusFrame(QWidget& window, const QPixmap& picture, std::vector<QWidget*> chain,
                       QWidget* unframed)
    : QObject(&window), window(window), chain(std::move(chain)), unframed(unframed) {
    frame = new Overlay(&window, picture, art::FocusFrameCorner);
    for (QWidget* control : this->chain)
        control->setFocusPolicy(Qt::TabFocus);
    window.installEventFilter(this);
    for (PictureBox* child : window.findChildren<PictureBox*>())
        child->installEventFilter(this);
}

void FocusFrame::setScale(double f) {
    factor = f;
    frame->setScale(f);
    follow();
}

void FocusFrame::setShown(bool shown) {
    on = shown;
    follow();
}

void FocusFrame::step(bool forward) {
    const auto n = std::ptrdiff_t(chain.size());
    auto at = std::find(chain.begin(), chain.end(), window.focusWidget()) - chain.begin();
    if (at == n) at = forward ? -1 : n; // from outside the chain to its first or last
    for (std::ptrdiff_t i = 1; i <= n; ++i) {
        const std::ptrdiff_t next = ((forward ? at + i : at - i) % n + n) % n;
        if (chain[next]->isVisible()) {
            chain[next]->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            break;
        }
    }
    setShown(true);
}

bool FocusFrame::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool other = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
        if (!other && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
            const bool back = key->key() == Qt::Key_Backtab || key->modifiers() & Qt::ShiftModifier;
            step(!back);
            return true;
        }
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (on) setShown(false);
        break;
    case QEvent::FocusIn:
    case QEvent::Show:
    case QEvent::Hide:
        follow();
        break;
    default:
        break;
    }
    return false;
}

void FocusFrame::follow() {
    QWidget* focus = window.focusWidget();
    const bool shown = on && focus && focus != unframed && focus->isVisible() &&
                       std::find(chain.begin(), chain.end(), focus) != chain.end();
    if (shown) {
        // The frame's line lies in its outer margin: grown by it, the frame rings the control.
        // Where the control touches the window's edge the frame is drawn inside its box, so
        // that every frame lies wholly inside the window.
        const int out =
            factor == 1.0 ? art::FocusFrameOutset : qRound(art::FocusFrameOutset * factor);
        frame->setGeometry(
            focus->geometry().adjusted(-out, -out, out, out).intersected(window.rect()));
        frame->raise();
    }
    frame->setVisible(shown);
}

} // namespace mirel
