// The pictures drawn while the game runs, at any scale: the same drawings as the PNGs the
// build compiles in, made by the same code.
#pragma once

#include "PictureIds.h"

#include <QImage>
#include <QString>

#include <atomic>

namespace mirel::art {

// Makes the lettering's typeface ready. False, and why, when it cannot be had; nothing can
// then be drawn. Call it on the program's main thread, once, before drawPicture.
bool prepareDrawing(QString& problem);

// The picture `id` at `scale` device pixels to each of its 1x pixels: opaque RGB32, or
// premultiplied ARGB32 for a see-through one, `scale` times its 1x size, rounded up. A null
// image when `cancelled` was set while it was being drawn. Any thread may call it.
QImage drawPicture(PictureId id, double scale, const std::atomic<bool>* cancelled = nullptr);

// The game speaks a language other than the compiled-in pictures' English: every picture with
// words is then drawn, at every size, in that language. Set once, before the window opens.
void setWordsTranslated(bool translated);
bool wordsTranslated();
// Whether `id` must be drawn rather than taken from the compiled-in pictures at 1x and 2x.
bool drawnInLanguage(PictureId id);
// A letter beyond A-Z (a name in another alphabet) at `scale`, drawn in the cell the letters
// A-Z share, as they are: opaque RGB32. A null image when the lettering has no such letter.
QImage drawLetter(char32_t letter, double scale);

} // namespace mirel::art
