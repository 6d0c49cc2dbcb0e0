// Every picture the game shows, by the id the build's list of pictures gives it.
#pragma once

#include "Canvas.h"
#include "PictureIds.h"

#include <QMargins>
#include <QString>

#include <functional>
#include <vector>

using mirel::art::PictureId;

struct Picture {
    PictureId id;
    QSize size; // at 1x
    std::function<void(Canvas&)> draw;
    // How far in from each edge (in 1x pixels) the picture must stay black, so
    // that nothing is cut off where the game places it.
    QMargins clear;
    // Drawn over other pictures rather than on black: see-through where nothing is drawn.
    bool seeThrough = false;
};

// Drawn in the language the game speaks, when a translator is installed.
std::vector<Picture> catalogue();

// Whether the picture carries words, which a translation changes.
bool hasWords(PictureId id);

// The id of the listed picture `name`, for the numbered families (ball0..ball5, letterA..);
// stops the generator with a message when the list has no such name.
PictureId listed(const QString& name);

// The cell letters and digits are drawn in, at 1x.
QSize letterCellSize();
// Draws a letter beyond the listed A-Z on `canvas` (of the cell's size) as those are drawn,
// in the same size and on the same baseline. False, with nothing drawn, when the lettering
// has no such letter (or it is no letter).
bool drawLetterCell(Canvas& canvas, char32_t letter);
