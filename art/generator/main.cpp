// mirel-artgen: draws every picture the game shows and writes them as PNGs,
// <name>.png at 1x and <name>@2x.png at twice the size, drawn afresh at each
// size. The same program always writes the same bytes.
//
//   mirel-artgen OUTPUT_DIR [--sheet CONTACT_SHEET.png] [--translation mirel_xx.qm]
//
// With a translation, the pictures' words are drawn in that language (for looking them over;
// the game draws them itself).

#include "Catalogue.h"
#include "ContactSheet.h"
#include "Lettering.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QTranslator>

#include <cstdio>

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "mirel-artgen: %s\n", qPrintable(message));
    return 1;
}

// The strongest channel anywhere in the band `clear` (1x pixels, scaled up)
// around the edge of the image.
int brightestInMargin(const QImage& image, const QMargins& clear, int scale) {
    int brightest = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool inMargin = x < clear.left() * scale || y < clear.top() * scale ||
                                  x >= image.width() - clear.right() * scale ||
                                  y >= image.height() - clear.bottom() * scale;
            if (!inMargin) continue;
            const QRgb c = image.pixel(x, y);
            brightest = std::max({brightest, qRed(c), qGreen(c), qBlue(c)});
        }
    }
    return brightest;
}

bool writePng(const QImage& image, const QString& path) {
    QImageWriter writer(path, "png");
    // Qt's PNG writer takes 0 (store) to 100 (squeeze hardest).
    writer.setCompression(100);
    return writer.write(image);
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    QString outDir, sheetPath, translation;
    const QString usage =
        "usage: mirel-artgen OUTPUT_DIR [--sheet CONTACT_SHEET.png] [--translation mirel_xx.qm]";
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == "--sheet" && i + 1 < args.size())
            sheetPath = args[++i];
        else if (args[i] == "--translation" && i + 1 < args.size())
            translation = args[++i];
        else if (outDir.isEmpty() && !args[i].startsWith("-"))
            outDir = args[i];
        else
            return fail(usage);
    }
    if (outDir.isEmpty()) return fail(usage);
    QTranslator translator;
    if (!translation.isEmpty()) {
        if (!translator.load(translation)) return fail(QString("cannot load %1").arg(translation));
        QCoreApplication::installTranslator(&translator);
    }
    if (!QDir().mkpath(outDir)) return fail(QString("cannot create %1").arg(outDir));

    loadScriptFonts();
    const std::vector<Picture> pictures = catalogue();

    // The build compiles in exactly the pictures it lists: each must be drawn, and once.
    std::vector<int> drawings(mirel::art::PictureCount, 0);
    for (const Picture& picture : pictures)
        ++drawings[mirel::art::indexOf(picture.id)];
    QStringList undrawn, twice;
    for (std::size_t i = 0; i < drawings.size(); ++i) {
        if (drawings[i] == 0) undrawn.append(QLatin1StringView(mirel::art::PictureNames[i]));
        if (drawings[i] > 1) twice.append(QLatin1StringView(mirel::art::PictureNames[i]));
    }
    if (!undrawn.isEmpty() || !twice.isEmpty())
        return fail(QString("the catalogue does not draw the build's list of pictures: "
                            "not drawn [%1], drawn twice [%2]")
                        .arg(undrawn.join(' '), twice.join(' ')));

    QStringList order;
    QMap<QString, Rendered> rendered;
    int problems = 0;
    for (const Picture& picture : pictures) {
        const QString name = QLatin1StringView(mirel::art::pictureName(picture.id));
        Rendered r;
        for (int scale : {1, 2}) {
            Canvas canvas(picture.size, scale, picture.seeThrough);
            picture.draw(canvas);
            const int stray = brightestInMargin(canvas.image, picture.clear, scale);
            if (stray > 24) {
                std::fprintf(stderr, "mirel-artgen: %s at %dx reaches into its clear margin (%d)\n",
                             mirel::art::pictureName(picture.id), scale, stray);
                ++problems;
            }
            const QString file =
                QDir(outDir).filePath(name + (scale == 2 ? "@2x.png" : ".png"));
            if (!writePng(canvas.image, file)) return fail(QString("cannot write %1").arg(file));
            (scale == 1 ? r.x1 : r.x2) = canvas.image;
        }
        order.append(name);
        rendered.insert(name, r);
    }

    if (!sheetPath.isEmpty() && !writePng(contactSheet(order, rendered), sheetPath))
        return fail(QString("cannot write %1").arg(sheetPath));

    std::printf("mirel-artgen: %lld pictures written to %s\n",
                static_cast<long long>(pictures.size()), qPrintable(outDir));
    return problems == 0 ? 0 : 1;
}
