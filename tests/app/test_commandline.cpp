#include "app/commandline.h"

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
    for (const char* expected : {"Options :", "-h, --help", "-V, --version", "Ouvrir un texte"}) {
        QVERIFY2(help.contains(QString::fromUtf8(expected)), expected);
    }
    const QString version = app::parseCommandLine({QStringLiteral("--version")}).message;
    QVERIFY(version.startsWith(QStringLiteral("morphologique (Analyse morphologique), version ") +
                               QStringLiteral(MORPHO_TEST_VERSION) + QLatin1Char('\n')));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_commandline.moc"
