#include "ui/PictureBox.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDialog>
#include <QMetaMethod>
#include <QPointer>

// What screen readers are told of a window of pictures: the role, name and state of each box,
// the lines it tells, the rows read inside it, and the window as the frame of them all.

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

void PictureBox::makeReadable() {
    static const bool readable = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    (void)readable;
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

} // namespace mirel
