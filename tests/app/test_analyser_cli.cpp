#include "support/testenv.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QtTest>

// The real program run as `morphologique --analyser`, without any display: standard input and
// output, exit statuses and messages.
class TestAnalyserCli : public QObject {
    Q_OBJECT

  private slots:
    void readsStandardInputWithoutAnyDisplay();
    void readsAFileAndGuessesCoNllUFromItsName();
    void unreadableFileExitsOneWithAFrenchMessage();
    void badOptionExitsTwo();

  private:
    struct Run {
        int status = -1;
        QString out;
        QString err;
    };
    Run run(const QStringList& arguments, const QByteArray& input = {});

    TestDataHome home_;
};

TestAnalyserCli::Run TestAnalyserCli::run(const QStringList& arguments, const QByteArray& input) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // No display of any kind: a window or a widget application would fail to start.
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(name));
    }
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(MORPHO_PROGRAM), arguments);
    if (!program.waitForStarted()) {
        return {};
    }
    program.write(input);
    program.closeWriteChannel();
    program.waitForFinished(60000);
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

void TestAnalyserCli::readsStandardInputWithoutAnyDisplay() {
    // Windows-1252 bytes, as the workspace reads texts.
    const Run r = run({"--analyser"}, QByteArray("Rosa est. Xyzzy \xe9t\xe9!\n"));
    QCOMPARE(r.status, 0);
    const QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
    QVERIFY(lines.front().startsWith(u"phrase\tmot\tforme\trang\t"));
    QVERIFY2(lines.filter(QRegularExpression("^1\t1\tRosa\t1\t")).size() == 1, qPrintable(r.out));
    QVERIFY(lines.filter(QRegularExpression("^2\t1\tXyzzy\t0\t")).size() == 1);
    QVERIFY(lines.filter(QRegularExpression(u"^2\t2\tété\t"_qs)).size() >= 1);
    // The analyser only reads: no data file is seeded into the user's folder.
    QVERIFY(!QFileInfo::exists(home_.file(QStringLiteral("share/morphologique"))));
}

void TestAnalyserCli::readsAFileAndGuessesCoNllUFromItsName() {
    const QString path = home_.file(QStringLiteral("phrase.conllu"));
    const QByteArray conllu = "# sent_id = 1\n1\tRosa\t_\t_\t_\t_\t0\troot\t_\t_\n\n";
    QVERIFY(writeFile(path, conllu));
    const Run r = run({"--analyser", path});
    QCOMPARE(r.status, 0);
    QVERIFY2(r.out.startsWith(u"# sent_id = 1\n1\tRosa\trosa\tNOUN\tN1\t"), qPrintable(r.out));
    QVERIFY(r.out.endsWith(u"\t0\troot\t_\t_\n\n"));
    const Run tsv = run({"--analyser", "--format", "tsv", path});
    QVERIFY(tsv.out.startsWith(u"phrase\t"));
    const Run text = run({"--analyser", "--entree=texte"}, conllu);
    QVERIFY(text.out.contains(u"\troot\t"));  // read as words: "root" is one
}

void TestAnalyserCli::unreadableFileExitsOneWithAFrenchMessage() {
    const QString missing = home_.file(QStringLiteral("absent.txt"));
    const Run r = run({"--analyser", missing});
    QCOMPARE(r.status, 1);
    QVERIFY(r.out.isEmpty());
    QVERIFY2(r.err.startsWith(u"morphologique : le fichier « "_qs + missing +
                              u" » ne peut pas être lu : "_qs),
             qPrintable(r.err));
    const Run folder = run({"--analyser", home_.path()});
    QCOMPARE(folder.status, 1);
}

void TestAnalyserCli::badOptionExitsTwo() {
    for (const QStringList& arguments :
         {QStringList{"--analyser", "--format", "csv"}, QStringList{"--analyser", "--bruit"},
          QStringList{"--entree", "conllu"}}) {
        const Run r = run(arguments);
        QCOMPARE(r.status, 2);
        QVERIFY(r.out.isEmpty());
        QVERIFY(r.err.contains(u"morphologique --help"));
    }
    const Run help = run({"--help"});
    QCOMPARE(help.status, 0);
    QVERIFY(help.out.contains(u"--analyser [--format tsv|conllu] [--entree texte|conllu]"));
}

QTEST_GUILESS_MAIN(TestAnalyserCli)
#include "test_analyser_cli.moc"
