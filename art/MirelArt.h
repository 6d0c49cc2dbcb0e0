// Where the PNGs of the pictures are found among the program's resources.
#pragma once

#include "PictureIds.h"

#include <QString>

namespace mirel::art {

// Resource path of a picture: picturePath("ball0") is ":/art/ball0.png", and
// with doubleSize ":/art/ball0@2x.png".
QString picturePath(const QString& name, bool doubleSize = false);
QString picturePath(PictureId id, bool doubleSize = false);

} // namespace mirel::art
