#include "MirelArt.h"

#include "ExpectedPictures.h"

namespace mirel::art {

QString picturePath(const QString& name, bool doubleSize) {
    return QStringLiteral(":/art/") + name +
           (doubleSize ? QStringLiteral("@2x.png") : QStringLiteral(".png"));
}

const QStringList& pictureNames() {
    static const QStringList names = [] {
        QStringList list;
        for (const char* name : ExpectedPictures)
            list.append(QString::fromLatin1(name));
        return list;
    }();
    return names;
}

} // namespace mirel::art
