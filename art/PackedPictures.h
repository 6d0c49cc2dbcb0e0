// The pictures as the game shows them: compiled in as the pixels Qt paints from.
#pragma once

#include "PictureIds.h"

#include <QImage>

namespace mirel::art {

// The picture `id` (its @2x drawing with doubleSize), wrapping the compiled-in pixels without a
// copy. Every listed picture is packed at both sizes, or the build stops. Painting on the image
// copies it first.
QImage packedPicture(PictureId id, bool doubleSize = false);

} // namespace mirel::art
