#include "PackedPictures.h"

#include "PackedPictureTable.h"

namespace mirel::art {

QImage packedPicture(PictureId id, bool doubleSize) {
    const packed::Entry& e = packed::Entries[indexOf(id)][doubleSize ? 1 : 0];
    return QImage(mirel_packed_pixels + e.offset, e.width, e.height, qsizetype(e.width) * 4,
                  e.format);
}

} // namespace mirel::art
