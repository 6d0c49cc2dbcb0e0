// The cost of drawing the pictures afresh at a size other than the compiled-in ones: every
// picture at each scale given, timed one by one on this thread. With a folder after the
// scales, each drawing is also written there as <name>@<scale>.png, for comparing drawings.
//     mirel-bench-draw 2.5 5.68 [folder]
#include "BenchReport.h"
#include "Catalogue.h"
#include "Lettering.h"
#include "PictureIds.h"

#include <QDir>
#include <QGuiApplication>
#include <QRegularExpression>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QString problem;
    if (!tryLoadScriptFonts(problem)) {
        std::fprintf(stderr, "mirel-bench-draw: %s\n", qPrintable(problem));
        return 1;
    }
    QStringList args = app.arguments().mid(1);
    QString folder;
    if (!args.isEmpty() && !args.last().contains(QRegularExpression("^[0-9.]+$")))
        folder = args.takeLast();
    const std::vector<Picture> pictures = catalogue();
    for (const QString& arg : args) {
        const double scale = arg.toDouble();
        std::vector<double> all;
        double total = 0;
        for (const Picture& picture : pictures) {
            const auto start = mirel::bench::Clock::now();
            Canvas canvas(picture.size, scale, picture.seeThrough);
            picture.draw(canvas);
            const double took = mirel::bench::microseconds(mirel::bench::Clock::now() - start);
            total += took;
            all.push_back(took);
            if (!folder.isEmpty())
                canvas.image.save(QDir(folder).filePath(
                    QString("%1@%2.png").arg(mirel::art::pictureName(picture.id)).arg(arg)));
        }
        mirel::bench::report("draw-all-" + arg.toStdString(),
                             "all " + std::to_string(pictures.size()) +
                                 " pictures drawn at " + arg.toStdString() + ", in total",
                             {total / 1000.0}, "ms");
    }
    return 0;
}
