// The frames a keyboard player sees: see-through in the middle, lettering-violet around.
#pragma once

#include "Canvas.h"

// The board cursor: a frame around one cell, the piece showing through.
void drawCursor(Canvas& canvas);

// The focus frame, made to be stretched as a nine-patch (FrameGeometry.h).
void drawFocusFrame(Canvas& canvas);
