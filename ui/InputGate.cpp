#include "ui/InputGate.h"

#include <QCoreApplication>
#include <QInputEvent>

#include <chrono>

namespace mirel {

InputGate::InputGate(QObject* parent)
    : QObject(parent), eventClock([] {
          return std::uint32_t(std::chrono::duration_cast<std::chrono::milliseconds>(
                                   std::chrono::steady_clock::now().time_since_epoch())
                                   .count());
      }) {
    QCoreApplication::instance()->installEventFilter(this);
}

void InputGate::lockBegan() {
    began = ended = eventClock();
}

void InputGate::lockEnded() {
    ended = eventClock();
}

bool InputGate::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
        break;
    default:
        return false;
    }
    // Judged where it reaches a control, after the window has kept its own account of the
    // buttons and keys held.
    if (!watched->isWidgetType()) return false;
    const auto made = std::uint32_t(static_cast<QInputEvent*>(event)->timestamp());
    if (made == 0 || std::uint32_t(made - began) >= std::uint32_t(ended - began)) return false;
    // Taken as the control's own, so that no shortcut acts on it either; the key itself is
    // dropped when it comes.
    if (event->type() == QEvent::ShortcutOverride) event->accept();
    return true;
}

} // namespace mirel
