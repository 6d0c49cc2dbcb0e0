// The pictures as the game shows them: compiled in as the pixels Qt paints from.
#pragma once

#include <QImage>
#include <QString>

namespace mirel::art {

// The picture of that name (its @2x drawing with doubleSize), wrapping the compiled-in pixels
// without a copy; a null image when there is no such picture. Painting on it copies it first.
QImage packedPicture(const QString& name, bool doubleSize = false);

} // namespace mirel::art
