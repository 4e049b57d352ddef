#include "analysis/csv.h"

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
