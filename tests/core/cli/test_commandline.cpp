#include "core/cli/commandline.h"

#include <QDir>
#include <QtTest>

using app::CommandLine;
using Action = app::CommandLine::Action;

class TestCommandLine : public QObject {
    Q_OBJECT

  private slots:
    void runs_data();
    void runs();
    void answers_data();
    void answers();
    void mistakes_data();
    void mistakes();
    void helpAndVersionInFrench();
    void analyserOptions_data();
    void analyserOptions();
    void analyserMistakes_data();
    void analyserMistakes();
};

void TestCommandLine::runs_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("textPath");
    const QString here = QDir::currentPath();
    QTest::newRow("nothing") << QStringList() << QString();
    QTest::newRow("relative file")
        << QStringList{QStringLiteral("texte.txt")} << here + QStringLiteral("/texte.txt");
    QTest::newRow("absolute file") << QStringList{QStringLiteral("/tmp/a b/Cicéron.TXT")}
                                   << QStringLiteral("/tmp/a b/Cicéron.TXT");
    QTest::newRow("dotted path made plain")
        << QStringList{QStringLiteral("./x/../t.txt")} << here + QStringLiteral("/t.txt");
    QTest::newRow("file after --") << QStringList{QStringLiteral("--"), QStringLiteral("-t.txt")}
                                   << here + QStringLiteral("/-t.txt");
    QTest::newRow("-- after the file") << QStringList{QStringLiteral("t.txt"), QStringLiteral("--")}
                                       << here + QStringLiteral("/t.txt");
}

void TestCommandLine::runs() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, textPath);
    const CommandLine command = app::parseCommandLine(arguments);
    QCOMPARE(command.action, Action::Run);
    QCOMPARE(command.textPath, textPath);
    QVERIFY(command.message.isEmpty());
}

void TestCommandLine::answers_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Action>("action");
    QTest::newRow("--help") << QStringList{QStringLiteral("--help")} << Action::Help;
    QTest::newRow("-h") << QStringList{QStringLiteral("-h")} << Action::Help;
    QTest::newRow("--version") << QStringList{QStringLiteral("--version")} << Action::Version;
    QTest::newRow("-V") << QStringList{QStringLiteral("-V")} << Action::Version;
    QTest::newRow("file then help")
        << QStringList{QStringLiteral("t.txt"), QStringLiteral("--help")} << Action::Help;
    // What comes first decides.
    QTest::newRow("version then unknown")
        << QStringList{QStringLiteral("--version"), QStringLiteral("--bogus")} << Action::Version;
    QTest::newRow("unknown then help")
        << QStringList{QStringLiteral("--bogus"), QStringLiteral("--help")} << Action::Error;
}

void TestCommandLine::answers() {
    QFETCH(QStringList, arguments);
    QFETCH(Action, action);
    const CommandLine command = app::parseCommandLine(arguments);
    QCOMPARE(command.action, action);
    QVERIFY(command.textPath.isEmpty());
    QVERIFY(command.message.endsWith(QLatin1Char('\n')));
}

void TestCommandLine::mistakes_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("firstLine");
    QTest::newRow("unknown long option")
        << QStringList{QStringLiteral("--ouvrir")}
        << QStringLiteral("morphologique : option inconnue « --ouvrir »");
    QTest::newRow("help with a value")
        << QStringList{QStringLiteral("--help=all")}
        << QStringLiteral("morphologique : option inconnue « --help=all »");
    QTest::newRow("lone dash") << QStringList{QStringLiteral("-")}
                               << QStringLiteral("morphologique : option inconnue « - »");
    QTest::newRow("second file")
        << QStringList{QStringLiteral("a.txt"), QStringLiteral("b.txt")}
        << QStringLiteral(
               "morphologique : un seul fichier texte à la fois (« a.txt » puis « b.txt »)");
    QTest::newRow("empty name") << QStringList{QString()}
                                << QStringLiteral("morphologique : nom de fichier vide");
}

void TestCommandLine::mistakes() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, firstLine);
    const CommandLine command = app::parseCommandLine(arguments);
    QCOMPARE(command.action, Action::Error);
    const QStringList lines = command.message.split(QLatin1Char('\n'));
    QCOMPARE(lines.value(0), firstLine);
    QCOMPARE(lines.value(1), QStringLiteral("Pour en savoir plus : morphologique --help"));
    QCOMPARE(app::printAnswer({Action::Error, QString(), QString()}), app::kUsageError);
}

void TestCommandLine::helpAndVersionInFrench() {
    const QString help = app::parseCommandLine({QStringLiteral("--help")}).message;
    QVERIFY(help.startsWith(QStringLiteral("Utilisation : morphologique [OPTION] [FICHIER]\n")));
    for (const char* expected : {"Options :", "-h, --help", "-V, --version", "Ouvrir un texte",
                                 "--analyser", "--format tsv", "--entree conllu", "rang 0"}) {
        QVERIFY2(help.contains(QString::fromUtf8(expected)), expected);
    }
    const QString version = app::parseCommandLine({QStringLiteral("--version")}).message;
    QVERIFY(version.startsWith(QStringLiteral("morphologique (Analyse morphologique), version ") +
                               QStringLiteral(MORPHO_TEST_VERSION) + QLatin1Char('\n')));
}

using Format = CommandLine::Format;

void TestCommandLine::analyserOptions_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Format>("input");
    QTest::addColumn<Format>("output");
    QTest::addColumn<QString>("textPath");
    const QString here = QDir::currentPath();
    QTest::newRow("standard input")
        << QStringList{"--analyser"} << Format::Guessed << Format::Guessed << QString();
    QTest::newRow("file") << QStringList{"--analyser", "t.txt"} << Format::Guessed
                          << Format::Guessed << here + "/t.txt";
    QTest::newRow("options after the file")
        << QStringList{"t.conllu", "--format", "tsv", "--analyser"} << Format::Guessed
        << Format::Tsv << here + "/t.conllu";
    QTest::newRow("values after =")
        << QStringList{"--analyser", "--format=conllu", "--entree=texte"} << Format::Text
        << Format::Conllu << QString();
    QTest::newRow("CoNLL-U read") << QStringList{"--analyser", "--entree", "conllu"}
                                  << Format::Conllu << Format::Guessed << QString();
    QTest::newRow("the last value counts")
        << QStringList{"--analyser", "--format", "conllu", "--format", "tsv"} << Format::Guessed
        << Format::Tsv << QString();
}

void TestCommandLine::analyserOptions() {
    QFETCH(QStringList, arguments);
    QFETCH(Format, input);
    QFETCH(Format, output);
    QFETCH(QString, textPath);
    const CommandLine command = app::parseCommandLine(arguments);
    QCOMPARE(command.action, Action::Analyse);
    QCOMPARE(command.input, input);
    QCOMPARE(command.output, output);
    QCOMPARE(command.textPath, textPath);
}

void TestCommandLine::analyserMistakes_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("firstLine");
    QTest::newRow("unknown format")
        << QStringList{"--analyser", "--format", "xml"}
        << "morphologique : valeur inconnue « xml » pour l'option --format (tsv ou conllu)";
    QTest::newRow("unknown input")
        << QStringList{"--analyser", "--entree=pdf"}
        << "morphologique : valeur inconnue « pdf » pour l'option --entree (texte ou conllu)";
    QTest::newRow("value missing") << QStringList{"--analyser", "--format"}
                                   << "morphologique : l'option --format attend une valeur "
                                      "(tsv ou conllu)";
    QTest::newRow("format without --analyser")
        << QStringList{"--format", "tsv", "t.txt"}
        << "morphologique : --format et --entree ne vont qu'avec --analyser";
    QTest::newRow("two files") << QStringList{"--analyser", "a.txt", "b.txt"}
                               << "morphologique : un seul fichier texte à la fois (« a.txt » "
                                  "puis « b.txt »)";
    QTest::newRow("unknown option")
        << QStringList{"--analyser", "--vite"} << "morphologique : option inconnue « --vite »";
}

void TestCommandLine::analyserMistakes() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, firstLine);
    const CommandLine command = app::parseCommandLine(arguments);
    QCOMPARE(command.action, Action::Error);
    QCOMPARE(command.message.split(QLatin1Char('\n')).value(0), firstLine);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_commandline.moc"
