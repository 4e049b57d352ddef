#include "core/text/textfile.h"
#include "support/testenv.h"

#include <QFile>
#include <QtTest>

using shell::TextFailure;

class TestTextFile : public QObject {
    Q_OBJECT

  private slots:
    void decoding_data();
    void decoding();
    void failuresSayWhy();

  private:
    TestDataHome home_;
};

void TestTextFile::decoding_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("ASCII") << QByteArray("Gallia est") << QStringLiteral("Gallia est");
    QTest::newRow("Windows-1252") << QByteArray("\xE6ternus c\x9Clum")
                                  << QStringLiteral("æternus cœlum");
    QTest::newRow("UTF-8") << QByteArray("cœlum") << QStringLiteral("cœlum");
    QTest::newRow("UTF-8, one mark") << QByteArray("\xEF\xBB\xBFæ") << QStringLiteral("æ");
    QTest::newRow("UTF-8, two marks")
        << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFæ") << QStringLiteral("\uFEFFæ");
    QTest::newRow("mark alone") << QByteArray("\xEF\xBB\xBF") << QString();
    QTest::newRow("invalid UTF-8") << QByteArray("\xC3(") << QStringLiteral("Ã(");
}

void TestTextFile::decoding() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(shell::decodeText(bytes), text);
    const QString path = home_.file(QStringLiteral("texte.txt"));
    QVERIFY(writeFile(path, bytes));
    const shell::TextReading file = shell::readTextFile(path);
    QVERIFY(file.ok());
    QCOMPARE(file.value().text, text);
    QCOMPARE(file.value().byteSize, bytes.size());
}

void TestTextFile::failuresSayWhy() {
    const shell::TextReading absent = shell::readTextFile(home_.file(QStringLiteral("absent.txt")));
    QVERIFY(!absent.ok());
    QCOMPARE(absent.kind(), TextFailure::Unreadable);
    QCOMPARE(absent.error(), QStringLiteral("Fichier ou dossier introuvable"));
    QCOMPARE(shell::readTextFile(home_.path()).error(),
             QStringLiteral("Le chemin désigne un dossier"));

    const QString locked = home_.file(QStringLiteral("verrou.txt"));
    QVERIFY(writeFile(locked, QByteArray("secret")));
    QFile::setPermissions(locked, QFile::WriteOwner);
    QVERIFY(runUnprivileged([&] {
        const shell::TextReading file = shell::readTextFile(locked);
        return !file.ok() && file.kind() == TextFailure::Unreadable &&
               file.error() == QStringLiteral("Permission refusée");
    }));

    const QString huge = home_.file(QStringLiteral("enorme.txt"));
    QVERIFY(writeFile(huge, QByteArray()));
    QVERIFY(QFile::resize(huge, shell::kMaxTextBytes + 1));  // sparse: nothing is written
    const shell::TextReading tooLarge = shell::readTextFile(huge);
    QVERIFY(!tooLarge.ok());
    QCOMPARE(tooLarge.kind(), TextFailure::TooLarge);
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "test_textfile.moc"
