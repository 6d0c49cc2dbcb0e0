// The pictures' words in every language the game speaks: each drawn whole, inside its picture,
// no smaller than two thirds of the English word's letters, every letter in some face; English
// drawn as the committed PNGs hold it; a letter no face has never ends the game; a screen
// reader hears the words the pictures show.

#include "Lettering.h"
#include "Catalogue.h"
#include "Drawing.h"
#include "MirelArt.h"
#include "PackedPictures.h"
#include "ui/Pictures.h"
#include "ui/ScaledPictures.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include <map>
#include <memory>

namespace {

// What each word picture's lettering is, as drawn at 1x.
struct Drawn {
    std::vector<Line> lines;
    QImage image;
};
using Drawings = std::map<PictureId, Drawn>;

QStringList languages() {
    QFile list(QStringLiteral(MIREL_SOURCE_DIR "/po/LINGUAS"));
    if (!list.open(QIODevice::ReadOnly)) qFatal("cannot read po/LINGUAS");
    QStringList names;
    for (const QByteArray& line : list.readAll().split('\n'))
        if (!line.trimmed().isEmpty() && !line.startsWith('#'))
            names.append(QString::fromUtf8(line.trimmed()));
    return names;
}

// The translations of the pictures' words in a language's .ts file.
QStringList pictureWords(const QString& language) {
    QFile ts(QStringLiteral(MIREL_SOURCE_DIR "/i18n/mirel_%1.ts").arg(language));
    if (!ts.open(QIODevice::ReadOnly)) qFatal("cannot read %s", qPrintable(ts.fileName()));
    QXmlStreamReader xml(&ts);
    QStringList words;
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == u"name") context = xml.readElementText();
        if (xml.name() == u"translation" && context == u"Pictures")
            words.append(xml.readElementText());
    }
    return words;
}

// Every word picture drawn in `language` ("en": no translator).
const Drawings& drawings(const QString& language) {
    static std::map<QString, Drawings> made;
    if (auto found = made.find(language); found != made.end()) return found->second;
    QTranslator translator;
    if (language != u"en") {
        if (!translator.load(QStringLiteral("mirel_%1").arg(language), QStringLiteral(":/i18n")))
            qFatal("no compiled translation for %s", qPrintable(language));
        QCoreApplication::installTranslator(&translator);
    }
    Drawings drawn;
    for (const Picture& picture : catalogue()) {
        if (!hasWords(picture.id)) continue;
        Drawn& d = drawn[picture.id];
        watchLettering([&d](const std::vector<Line>& lines) {
            d.lines.insert(d.lines.end(), lines.begin(), lines.end());
        });
        Canvas canvas(picture.size, 1, picture.seeThrough);
        picture.draw(canvas);
        d.image = canvas.image;
    }
    watchLettering({});
    QCoreApplication::removeTranslator(&translator);
    return made[language] = std::move(drawn);
}

QRectF pictureBox(PictureId id) {
    for (const Picture& picture : catalogue())
        if (picture.id == id)
            return QRectF(QPointF(0, 0), QSizeF(picture.size)) -
                   QMarginsF(picture.clear.left(), picture.clear.top(), picture.clear.right(),
                             picture.clear.bottom());
    return {};
}

double smallestLetters(const std::vector<Line>& lines) {
    double smallest = 1e9;
    for (const Line& line : lines)
        smallest = std::min(smallest, line.capHeight);
    return smallest;
}

} // namespace

class LetteringTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QString problem;
        QVERIFY2(tryLoadScriptFonts(problem), qPrintable(problem));
    }

    void wordsFitTheirPictures_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("id");
        for (const QString& language : QStringList{"en"} + languages())
            for (std::size_t i = 0; i < mirel::art::PictureCount; ++i)
                if (hasWords(PictureId(i)))
                    QTest::newRow(qPrintable(language + ' ' + mirel::art::PictureNames[i]))
                        << language << int(i);
    }
    void wordsFitTheirPictures() {
        QFETCH(QString, language);
        QFETCH(int, id);
        const Drawn& drawn = drawings(language).at(PictureId(id));
        const Drawn& english = drawings("en").at(PictureId(id));
        QVERIFY(!drawn.lines.empty());
        const QRectF box = pictureBox(PictureId(id));
        for (const Line& line : drawn.lines) {
            const QRectF ink = line.path.boundingRect();
            QVERIFY2(ink.width() > 1 && ink.height() > 1, "a line drawn empty");
            QVERIFY2(box.contains(ink),
                     qPrintable(QStringLiteral("ink %1,%2 %3x%4 leaves the picture")
                                    .arg(ink.x())
                                    .arg(ink.y())
                                    .arg(ink.width())
                                    .arg(ink.height())));
        }
        const double ratio = smallestLetters(drawn.lines) / smallestLetters(english.lines);
        QVERIFY2(ratio >= 2.0 / 3 - 1e-9,
                 qPrintable(QStringLiteral("letters at %1 of the English size").arg(ratio)));
        if (language == u"en") {
            // As the generator drew the committed PNG.
            const QImage png = QImage(mirel::art::picturePath(PictureId(id), false))
                                   .convertToFormat(drawn.image.format());
            QCOMPARE(drawn.image, png);
        }
    }

    void everyLetterHasAFace_data() {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("missing");
        for (const QString& language : languages())
            QTest::newRow(qPrintable(language)) << pictureWords(language) << QString();
        // The check itself: a letter of an alphabet the game does not speak.
        QTest::newRow("Coptic") << QStringList{"Ok ϣ"} << QStringLiteral("ϣ");
    }
    void everyLetterHasAFace() {
        QFETCH(QStringList, words);
        QFETCH(QString, missing);
        QVERIFY(!words.isEmpty());
        QString uncovered;
        for (const QString& word : words)
            uncovered += uncoveredLetters(word);
        QCOMPARE(uncovered, missing);
    }

    // A letter no face has is left out; what can be drawn is, and the game goes on.
    void aLetterNoFaceHasIsLeftOut() {
        const QRectF without = scriptOutline(QStringLiteral("Ok"), Weight::Bold).boundingRect();
        const QRectF with = scriptOutline(QStringLiteral("Ok ϣ"), Weight::Bold).boundingRect();
        QVERIFY(!without.isEmpty());
        QCOMPARE(with, without);
    }

    // A screen reader names each control by the word its picture shows, or a longer form of
    // it ("Neues Spiel" for "Neu"), and reads the help and about texts as drawn: a player who
    // looks and one who listens speak of the same button.
    void readersHearTheWordsThePicturesShow_data() {
        QTest::addColumn<QString>("language");
        for (const QString& language : languages())
            QTest::newRow(qPrintable(language)) << language;
    }
    void readersHearTheWordsThePicturesShow() {
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral("mirel_%1").arg(language), QStringLiteral(":/i18n")));
        // Case, spaces, line breaks, hyphens, break marks and the kind of apostrophe aside.
        const auto plain = [](const QString& text) {
            QString kept;
            for (const QChar c : text)
                if (!c.isSpace() && c != u'-' && c != QChar(0x200B))
                    kept += c == QChar(0x2019) ? QChar(u'\'') : c;
            return kept.toCaseFolded();
        };
        const char* const Main = "mirel::frmMain";
        const char* const Table = "mirel::frmHighScore";
        const char* const Help = "Click on identical adjacent pieces to score points. Use Events "
                                 "to make things even wilder!";
        const struct {
            const char* drawn;
            const char* context;
            const char* spoken;
        } same[] = {
            {"New", Main, "New game"},
            {"High\nScores", Main, "High scores"},
            {"High\nScores", Table, "High scores"},
            {"Set #%1", Main, "Set 1, balls"},
            {"Events", Main, "Events"},
            {"Undo", Main, "Undo"},
            {"Help", Main, "Help"},
            {"About", Main, "About"},
            {"Exit", Main, "Exit"},
            {"Game Over!", Main, "Game over!"},
            {"Row Shifts", Main, "Row shifts"},
            {"Column Shifts", Main, "Column shifts"},
            {"Mines", Main, "Mines"},
            {"Yes", Main, "Yes"},
            {"No", Main, "No"},
            {"Ok", Main, "Ok"},
            {"Ok", Table, "Ok"},
            {"Reset", Table, "Reset"},
            {"Click on identical adjacent pieces to score points", Main, Help},
            {"Use Events to make things even wilder!", Main, Help},
            {"Made by the Mirel team", Main, "Mirel. Made by the Mirel team. Version %1.%2"},
        };
        for (const auto& pair : same) {
            // "Set #%1": the word for a set.
            const QString drawn = translator.translate("Pictures", pair.drawn).section(u'#', 0, 0);
            const QString spoken = translator.translate(pair.context, pair.spoken);
            QVERIFY2(!drawn.isEmpty() && plain(spoken).contains(plain(drawn)),
                     qPrintable(QStringLiteral("shown \"%1\", heard \"%2\"").arg(drawn, spoken)));
        }
    }

    // In another language the game shows the words drawn in it at 1x too, and the pieces as
    // compiled in.
    void theGameShowsTheWordsOfItsLanguage() {
        QTranslator german;
        QVERIFY(german.load(QStringLiteral("mirel_de"), QStringLiteral(":/i18n")));
        QCoreApplication::installTranslator(&german);
        mirel::art::setWordsTranslated(true);
        const mirel::Pictures pictures = mirel::Pictures::load();
        auto& scaled = mirel::ScaledPictures::instance();
        QCOMPARE(scaled.exact(pictures.pctBall[0], 1.0, 1.0),
                 mirel::art::packedPicture(PictureId::Ball0, false));
        QTRY_VERIFY(!scaled.exact(pictures.newGame, 1.0, 1.0).isNull());
        const QImage shown = scaled.exact(pictures.newGame, 1.0, 1.0);
        QCOMPARE(shown.convertToFormat(QImage::Format_RGB32),
                 drawings("de").at(PictureId::New).image.convertToFormat(QImage::Format_RGB32));
        QVERIFY(
            shown.convertToFormat(QImage::Format_RGB32) !=
            mirel::art::packedPicture(PictureId::New, false).convertToFormat(QImage::Format_RGB32));
        mirel::art::setWordsTranslated(false);
        QCoreApplication::removeTranslator(&german);
    }
};

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    LetteringTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "LetteringTest.moc"
