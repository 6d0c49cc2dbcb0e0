// One big image with every picture on it, for looking the set over.
#pragma once

#include <QImage>
#include <QMap>
#include <QString>

struct Rendered {
    QImage x1;
    QImage x2;
};

// `pictures` in the order given by `order`; also a few strips that put the
// pictures together the way the game does.
QImage contactSheet(const QStringList& order, const QMap<QString, Rendered>& pictures);
