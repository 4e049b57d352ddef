#include "core/grid/csv.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

class TestCsv : public QObject {
    Q_OBJECT

  private slots:
    void bytes();
    void readBackByACsvParser();
    void formulasAreWrittenAsText_data();
    void formulasAreWrittenAsText();
};

void TestCsv::bytes() {
    const QByteArray csv = analysis::csvBytes({"Formes", "Lemme", "Traduction"},
                                              {{"rosa   ", "rosa", "la rose"},
                                               {"est", "sum", "il est, elle est; c'est"},
                                               {"\"ait\"", "aio", "il dit\nil affirme"},
                                               {"æternus", "", "éternel  "}});
    QCOMPARE(csv, QByteArray("\xEF\xBB\xBF"
                             "Formes,Lemme,Traduction\r\n"
                             "rosa,rosa,la rose\r\n"
                             "est,sum,\"il est, elle est; c'est\"\r\n"
                             "\"\"\"ait\"\"\",aio,\"il dit\nil affirme\"\r\n"
                             "\xC3\xA6ternus,,\xC3\xA9ternel\r\n"));
    QCOMPARE(analysis::csvBytes({"a"}, {}), QByteArray("\xEF\xBB\xBF"
                                                       "a\r\n"));
}

void TestCsv::formulasAreWrittenAsText_data() {
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("hyperlink") << R"x(=HYPERLINK("http://x";"y"))x"
                               << QByteArray(R"x("'=HYPERLINK(""http://x"";""y"")")x");
    QTest::newRow("at") << "@SUM(A1)" << QByteArray("'@SUM(A1)");
    QTest::newRow("plus") << "+cmd" << QByteArray("'+cmd");
    QTest::newRow("minus") << "-2+3" << QByteArray("'-2+3");
    QTest::newRow("tab") << "\t=1" << QByteArray("'\t=1");
    QTest::newRow("carriage return") << "\r=1" << QByteArray("\"'\r=1\"");
    QTest::newRow("negative number") << "-3" << QByteArray("-3");
    QTest::newRow("negative decimal") << "-2,5" << QByteArray("\"-2,5\"");
    QTest::newRow("lone hyphen") << "-" << QByteArray("-");
    QTest::newRow("inner equals") << "a=b" << QByteArray("a=b");
    QTest::newRow("semicolon alone is quoted") << "a;b" << QByteArray("\"a;b\"");
}

void TestCsv::formulasAreWrittenAsText() {
    QFETCH(QString, cell);
    QFETCH(QByteArray, written);
    QCOMPARE(analysis::csvBytes({"h"}, {{cell}}),
             QByteArray("\xEF\xBB\xBFh\r\n") + written + "\r\n");
}

// What a spreadsheet program's reader makes of it: Python's csv module, when there is one.
void TestCsv::readBackByACsvParser() {
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty()) {
        QSKIP("python3 is not installed");
    }
    const QList<QStringList> rows = {{"est", "il est, elle est; c'est"},
                                     {"\"ait\"", "il dit\r\nil affirme"},
                                     {"cœlum", "le ciel"}};
    QProcess reader;
    reader.start(python, {QStringLiteral("-c"),
                          QStringLiteral("import csv,io,sys,json\n"
                                         "text=sys.stdin.buffer.read().decode('utf-8-sig')\n"
                                         "print(json.dumps(list(csv.reader(io.StringIO(text, "
                                         "newline='')))))")});
    reader.write(analysis::csvBytes({"Formes", "Traduction"}, rows));
    reader.closeWriteChannel();
    QVERIFY(reader.waitForFinished());
    const QJsonArray read = QJsonDocument::fromJson(reader.readAllStandardOutput()).array();
    QCOMPARE(read.size(), 4);
    for (int r = 0; r < rows.size(); ++r) {
        QCOMPARE(read[r + 1].toArray()[1].toString(), rows[r][1]);
        QCOMPARE(read[r + 1].toArray()[0].toString(), rows[r][0]);
    }
}

QTEST_GUILESS_MAIN(TestCsv)
#include "test_csv.moc"
