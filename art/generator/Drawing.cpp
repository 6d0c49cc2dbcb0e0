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

namespace {
std::atomic<bool> translated{false};
}

void setWordsTranslated(bool on) {
    translated = on;
}

bool wordsTranslated() {
    return translated;
}

bool drawnInLanguage(PictureId id) {
    return translated && hasWords(id);
}

QImage drawPicture(PictureId id, double scale, const std::atomic<bool>* cancelled) {
    static const std::vector<Picture> pictures = [] {
        std::vector<Picture> listed = catalogue();
        std::vector<Picture> byId(PictureCount);
        for (Picture& picture : listed)
            byId[indexOf(picture.id)] = std::move(picture);
        return byId;
    }();
    const Picture& picture = pictures[indexOf(id)];
    Canvas canvas(picture.size, scale, picture.seeThrough);
    canvas.cancelled = cancelled;
    picture.draw(canvas);
    if (cancelled && cancelled->load()) return {};
    return std::move(canvas.image);
}

QImage drawLetter(char32_t letter, double scale) {
    Canvas canvas(letterCellSize(), scale, false);
    if (!drawLetterCell(canvas, letter)) return {};
    return std::move(canvas.image);
}

} // namespace mirel::art
