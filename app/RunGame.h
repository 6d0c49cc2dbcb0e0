#pragma once

#include <QApplication>

#include <functional>

namespace mirel {

// The words the game says in the first of the desktop's `languages` (BCP 47 names, most
// wanted first, as QLocale::uiLanguages() gives them) that it has, English when it meets
// English or none of them first.
void speakDesktopLanguage(QCoreApplication& app, const QStringList& languages);

// Starts the game as a player gets it, with the real clock, chance and sound, and runs it
// until the main window closes. `beforeShow` lets a benchmark watch the window.
int runGame(QApplication& app, const std::function<void(QWidget&)>& beforeShow = {});

} // namespace mirel
