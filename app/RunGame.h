#pragma once

#include <QApplication>

#include <functional>

namespace mirel {

// Starts the game as a player gets it, with the real clock, chance and sound, and runs it
// until the main window closes. `beforeShow` lets a benchmark watch the window.
int runGame(QApplication& app, const std::function<void(QWidget&)>& beforeShow = {});

} // namespace mirel
