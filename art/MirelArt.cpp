#include "MirelArt.h"

namespace mirel::art {

QString picturePath(const QString& name, bool doubleSize) {
    return QStringLiteral(":/art/") + name +
           (doubleSize ? QStringLiteral("@2x.png") : QStringLiteral(".png"));
}

QString picturePath(PictureId id, bool doubleSize) {
    return picturePath(QLatin1StringView(pictureName(id)), doubleSize);
}

} // namespace mirel::art
