#include "PackedPictures.h"

#include "PackedPictureTable.h"

#include <algorithm>

namespace mirel::art {

QImage packedPicture(const QString& name, bool doubleSize) {
    using packed::Entry;
    const auto before = [](const Entry& e, const std::pair<const QString&, bool>& key) {
        const int order = QString::compare(QLatin1StringView(e.name), key.first);
        return order != 0 ? order < 0 : e.doubleSize < key.second;
    };
    const std::pair<const QString&, bool> key{name, doubleSize};
    const Entry* e =
        std::lower_bound(std::begin(packed::Entries), std::end(packed::Entries), key, before);
    if (e == std::end(packed::Entries) || QLatin1StringView(e->name) != name ||
        e->doubleSize != doubleSize)
        return {};
    return QImage(mirel_packed_pixels + e->offset, e->width, e->height, qsizetype(e->width) * 4,
                  e->format);
}

} // namespace mirel::art
