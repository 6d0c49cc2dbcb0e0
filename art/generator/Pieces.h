// The things that sit in the board's cells.
#pragma once

#include "Canvas.h"

#include <QColor>

// A shaded sphere in `colour`, lit from the upper left, turning to `shadow`
// on the far side (a plain darkening muddies yellow into olive, for one).
void drawBall(Canvas& canvas, const QColor& colour, const QColor& shadow);

// A flat square tile in `colour` with a narrow bevel, so that neighbouring tiles
// of one colour still read as separate pieces.
void drawBox(Canvas& canvas, const QColor& colour);

enum class Mood { Sad, Frowning, Grinning, Smiling, Neutral };

// A round yellow cartoon face.
void drawFace(Canvas& canvas, Mood mood);

// A dark spiked sea mine.
void drawMine(Canvas& canvas);

// Flames filling the cell.
void drawFire(Canvas& canvas);
