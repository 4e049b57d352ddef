#include "core/text/textfile.h"
#include "support/testenv.h"

#include <QFile>
#include <QtTest>

using shell::TextFile;

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
    const TextFile file = shell::readTextFile(path);
    QVERIFY(file.ok());
    QCOMPARE(file.text, text);
    QCOMPARE(file.byteSize, bytes.size());
}

void TestTextFile::failuresSayWhy() {
    const TextFile absent = shell::readTextFile(home_.file(QStringLiteral("absent.txt")));
    QCOMPARE(absent.failure, TextFile::Failure::Unreadable);
    QCOMPARE(absent.reason, QStringLiteral("Fichier ou dossier introuvable"));
    QCOMPARE(shell::readTextFile(home_.path()).reason,
             QStringLiteral("Le chemin désigne un dossier"));

    const QString locked = home_.file(QStringLiteral("verrou.txt"));
    QVERIFY(writeFile(locked, QByteArray("secret")));
    QFile::setPermissions(locked, QFile::WriteOwner);
    QVERIFY(runUnprivileged([&] {
        const TextFile file = shell::readTextFile(locked);
        return file.failure == TextFile::Failure::Unreadable &&
               file.reason == QStringLiteral("Permission refusée");
    }));

    const QString huge = home_.file(QStringLiteral("enorme.txt"));
    QVERIFY(writeFile(huge, QByteArray()));
    QVERIFY(QFile::resize(huge, shell::kMaxTextBytes + 1));  // sparse: nothing is written
    QCOMPARE(shell::readTextFile(huge).failure, TextFile::Failure::TooLarge);
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "test_textfile.moc"
