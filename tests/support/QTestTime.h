#pragma once

#include "ui/InputGate.h"

#include <QTest>
#include <QWidget>

namespace mirel::testing {

// A test's mouse events are stamped with QTest's own count of milliseconds, which moves on
// with every mouse event the test makes (and when a test moves it): the input gate of a
// window under test tells the time by that count.
inline void gateByQTestTime(QWidget& window) {
    for (InputGate* gate : window.findChildren<InputGate*>())
        gate->eventClock = [] { return std::uint32_t(QTest::lastMouseTimestamp); };
}

} // namespace mirel::testing
