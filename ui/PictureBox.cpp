#include "ui/PictureBox.h"

#include "ui/ScaledPictures.h"
#include "ui/Twips.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDialog>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace mirel {

const char* const unreadProperty = "mirelUnread";
const char* const gameWindowProperty = "mirelGameWindow";

namespace {

// A line of text a box tells a reader, focused in its place while the box has the focus
// (lines 0 and 1), or one of the rows read inside it (2 on).
class ToldLine final : public QAccessibleInterface {
public:
    ToldLine(PictureBox* box, int index) : box(box), index(index) {}

    bool isValid() const override { return !box.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return box ? box->window()->windowHandle() : nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return box ? QAccessible::queryAccessibleInterface(box) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !box) return QString();
        if (index < 2) return box->told(index);
        return index - 2 < box->readerRows().size() ? box->readerRows()[index - 2] : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return box ? parent()->rect() : QRect(); }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = index < 2;
        state.focused = index < 2 && box && box->hasFocus() && box->toldLine() == index;
        return state;
    }

private:
    QPointer<PictureBox> box;
    int index;
};

QAccessibleInterface* toldLine(PictureBox* box, int index);

// Tells screen readers what a box is and what its picture says.
class AccessiblePictureBox final : public QAccessibleWidget {
public:
    explicit AccessiblePictureBox(PictureBox* box) : QAccessibleWidget(box) {}

    QAccessible::Role role() const override {
        switch (box()->accessibleRole()) {
        case PictureBox::Role::Label:
            return QAccessible::StaticText;
        case PictureBox::Role::Button:
        case PictureBox::Role::Choice:
            return QAccessible::Button;
        case PictureBox::Role::Switch:
            return QAccessible::CheckBox;
        case PictureBox::Role::Picture:
            break;
        }
        return QAccessible::Graphic;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (box()->accessibleRole() == PictureBox::Role::Switch) {
            state.checkable = true;
            state.checked = box()->isOn();
        }
        return state;
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return box()->stateText();
        if (t == QAccessible::Description && !box()->readerDescription().isEmpty())
            return box()->readerDescription();
        // A choice is read with the one it shows.
        if (t == QAccessible::Description && box()->accessibleRole() == PictureBox::Role::Choice)
            return box()->stateText();
        return QAccessibleWidget::text(t);
    }

    // The told lines, once there is something to tell, then the rows.
    int toldLines() const { return box()->told(0).isEmpty() ? 0 : 2; }
    int childCount() const override { return toldLines() + int(box()->readerRows().size()); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        return toldLine(box(), index < toldLines() ? index : index - toldLines() + 2);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < childCount(); ++i)
            if (child == this->child(i)) return i;
        return -1;
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        auto found = QAccessibleWidget::relations(match);
        if (PictureBox* label = box()->labelledBy(); label && (match & QAccessible::Label))
            found.append({QAccessible::queryAccessibleInterface(label), QAccessible::Label});
        if (PictureBox* control = box()->labelFor(); control && (match & QAccessible::Labelled))
            found.append({QAccessible::queryAccessibleInterface(control), QAccessible::Labelled});
        return found;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (box()->takesClicks()) {
            names.prepend(pressAction());
            if (box()->accessibleRole() == PictureBox::Role::Switch) names.append(toggleAction());
        }
        return names;
    }

    void doAction(const QString& action) override {
        if (box()->takesClicks() && (action == pressAction() || action == toggleAction()))
            emit box()->clicked();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    PictureBox* box() const { return static_cast<PictureBox*>(widget()); }
};

// A window of pictures: a frame (a dialog for the high-score window), read as the controls
// a player meets, without the parts read as a whole elsewhere, nor the focus marks.
class AccessibleGameWindow final : public QAccessibleWidget {
public:
    explicit AccessibleGameWindow(QWidget* window)
        : QAccessibleWidget(window, qobject_cast<QDialog*>(window) ? QAccessible::Dialog
                                                                   : QAccessible::Window) {}

    int childCount() const override { return int(children().size()); }
    QAccessibleInterface* child(int index) const override {
        const auto shown = children();
        if (index < 0 || index >= int(shown.size())) return nullptr;
        return QAccessible::queryAccessibleInterface(shown[index]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child) return -1;
        return int(children().indexOf(qobject_cast<QWidget*>(child->object())));
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && !widget()->accessibleName().isEmpty())
            return widget()->accessibleName();
        return QAccessibleWidget::text(t);
    }

private:
    QList<QWidget*> children() const {
        QList<QWidget*> shown;
        for (QWidget* child : widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!child->isWindow() && !child->property(unreadProperty).toBool()) shown << child;
        return shown;
    }
};

// Made once for each box and line, and kept by Qt's registry until the box goes.
QByteArray lineKey(int index) {
    return "mirelTold" + QByteArray::number(index);
}

QAccessibleInterface* toldLine(PictureBox* box, int index) {
    const QByteArray key = lineKey(index);
    QAccessible::Id id = box->property(key).toUInt();
    if (id == 0) {
        id = QAccessible::registerAccessibleInterface(new ToldLine(box, index));
        box->setProperty(key, id);
    }
    return QAccessible::accessibleInterface(id);
}

QAccessibleInterface* accessibleFor(const QString&, QObject* object) {
    if (auto* box = qobject_cast<PictureBox*>(object)) return new AccessiblePictureBox(box);
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget && widget->property(gameWindowProperty).toBool())
        return new AccessibleGameWindow(widget);
    return nullptr;
}

} // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    static const bool readable = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    (void)readable;
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

void PictureBox::setAccessibility(Role r, const QString& name, std::vector<State> s) {
    role = r;
    states = std::move(s);
    setAccessibleName(name);
}

const PictureBox::State* PictureBox::shownState() const {
    for (const State& state : states)
        if (shows(state.picture)) return &state;
    return nullptr;
}

QString PictureBox::stateText() const {
    const State* state = shownState();
    return state ? state->text : value;
}

void PictureBox::setValueText(const QString& text) {
    if (text == value) return;
    value = text;
    QAccessibleValueChangeEvent event(this, text);
    QAccessible::updateAccessibility(&event);
}

void PictureBox::setReaderDescription(const QString& text) {
    description = text;
}

void PictureBox::announce(const QString& text) {
    line = 1 - line;
    lines[line] = text;
    if (lines[1 - line].isEmpty()) lines[1 - line] = text;
    if (!hasFocus() || !QAccessible::isActive()) return;
    QAccessibleEvent event(mirel::toldLine(this, line), QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

PictureBox::~PictureBox() {
    for (const QByteArray& key : dynamicPropertyNames())
        if (key.startsWith("mirelTold"))
            QAccessible::deleteAccessibleInterface(property(key).toUInt());
}

void PictureBox::setReaderRows(const QStringList& newRows) {
    if (newRows == rows) return;
    const bool reshaped = newRows.size() != rows.size();
    rows = newRows;
    if (!QAccessible::isActive()) return;
    if (reshaped) {
        QAccessibleEvent event(this, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&event);
    }
}

void PictureBox::setLabelFor(PictureBox* control) {
    controlBox = control;
    control->labelBox = this;
}

void PictureBox::hideFromReaders() {
    setProperty(unreadProperty, true);
}

bool PictureBox::isOn() const {
    const State* state = shownState();
    return state && state->on;
}

bool PictureBox::takesClicks() const {
    return isSignalConnected(QMetaMethod::fromSignal(&PictureBox::clicked));
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
