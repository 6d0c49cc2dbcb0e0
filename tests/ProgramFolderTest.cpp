// The game plays the sounds that lie in the folder Qt reports for the program. Installed,
// it is started through a link in bin/, so that folder must be where the program lies,
// not where the link does. This program starts itself through links to find out.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace mirel {

namespace {

// Set in the environment of a copy started through a link: it only reports its folder.
constexpr char ReportFolder[] = "MIREL_REPORT_PROGRAM_FOLDER";

} // namespace

class ProgramFolderTest : public QObject {
    Q_OBJECT

private slots:
    void theFolderIsThePrograms_data() {
        QTest::addColumn<QString>("linkFolder");
        QTest::addColumn<bool>("relative");
        QTest::addColumn<bool>("linkToLink");
        QTest::addColumn<bool>("byName");

        QTest::newRow("relative link") << "prefix/bin" << true << false << false;
        QTest::newRow("absolute link") << "prefix/bin" << false << false << false;
        QTest::newRow("link to a link") << "prefix/bin" << true << true << false;
        QTest::newRow("folder names with spaces") << "my games/bin dir" << true << false << false;
        QTest::newRow("started by name from PATH") << "prefix/bin" << true << false << true;
    }

    void theFolderIsThePrograms() {
        QFETCH(QString, linkFolder);
        QFETCH(bool, relative);
        QFETCH(bool, linkToLink);
        QFETCH(bool, byName);

        const QString program = QCoreApplication::applicationFilePath();
        QTemporaryDir scratch;
        QVERIFY(scratch.isValid());
        const QDir bin(scratch.filePath(linkFolder));
        QVERIFY(QDir().mkpath(bin.path()));

        QString target = program;
        if (linkToLink) {
            const QString middle = scratch.filePath("middle");
            QVERIFY(QFile::link(program, middle));
            target = middle;
        }
        const QString link = bin.filePath("mirel");
        QVERIFY(QFile::link(relative ? bin.relativeFilePath(target) : target, link));

        QProcess copy;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(ReportFolder, "1");
        if (byName) env.insert("PATH", bin.path() + ":" + env.value("PATH"));
        copy.setProcessEnvironment(env);
        copy.setWorkingDirectory(scratch.path());
        // A shell looks the name up in PATH, as a desktop does; the program sees only "mirel".
        if (byName)
            copy.start(QStringLiteral("/bin/sh"),
                       {QStringLiteral("-c"), QStringLiteral("exec mirel")});
        else
            copy.start(link, {});
        QVERIFY2(copy.waitForFinished(30000), qPrintable(copy.errorString()));
        QCOMPARE(copy.exitCode(), 0);

        const QString reported = QString::fromUtf8(copy.readAllStandardOutput());
        QCOMPARE(reported, QFileInfo(program).canonicalPath());
        QVERIFY(reported != QFileInfo(link).absolutePath());
    }
};

} // namespace mirel

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(mirel::ReportFolder)) {
        std::fputs(QCoreApplication::applicationDirPath().toUtf8().constData(), stdout);
        return 0;
    }
    mirel::ProgramFolderTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ProgramFolderTest.moc"
