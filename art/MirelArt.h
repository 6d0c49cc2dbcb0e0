// Where the game finds its pictures.
#pragma once

#include <QString>
#include <QStringList>

namespace mirel::art {

// Resource path of a picture: picturePath("ball0") is ":/art/ball0.png", and
// with doubleSize ":/art/ball0@2x.png".
QString picturePath(const QString& name, bool doubleSize = false);

// The names of all the pictures compiled in.
const QStringList& pictureNames();

} // namespace mirel::art
