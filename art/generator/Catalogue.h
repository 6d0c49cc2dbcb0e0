// Every picture the game shows, by the name it loads it under.
#pragma once

#include "Canvas.h"

#include <QMargins>
#include <QString>

#include <functional>
#include <vector>

struct Picture {
    QString name;
    QSize size; // at 1x
    std::function<void(Canvas&)> draw;
    // How far in from each edge (in 1x pixels) the picture must stay black, so
    // that nothing is cut off where the game places it.
    QMargins clear;
};

std::vector<Picture> catalogue();
