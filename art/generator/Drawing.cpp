#include "Drawing.h"

#include "Catalogue.h"
#include "Lettering.h"

namespace mirel::art {

bool prepareDrawing(QString& problem) {
    static QString why;
    static const bool ready = tryLoadScriptFonts(why);
    problem = why;
    return ready;
}

std::vector<QImage> drawAll(double scale, const std::function<bool()>& cancelled) {
    std::vector<QImage> drawn(PictureCount);
    for (const Picture& picture : catalogue()) {
        if (cancelled()) return {};
        Canvas canvas(picture.size, scale, picture.seeThrough);
        picture.draw(canvas);
        drawn[indexOf(picture.id)] = std::move(canvas.image);
    }
    return drawn;
}

} // namespace mirel::art
