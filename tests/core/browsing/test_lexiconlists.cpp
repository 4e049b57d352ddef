#include "core/browsing/lexiconlists.h"
#include "core/records/records.h"
#include "support/testenv.h"

#include <QFile>
#include <QtTest>

using namespace lexicon;

namespace {

QByteArray entry(qint16 number, const QString& lemma, const QString& frenchFamily = QString()) {
    records::LexiconRecord r;
    r.setNumber(number);
    r.setLemma(lemma);
    r.setCategory(QStringLiteral("V1"));
    r.setTranslation(QStringLiteral("traduction de ") + lemma);
    r.setFrenchFamily(frenchFamily);
    r.setLatinFamily(QStringLiteral("famille"));
    return r.toBytes();
}

LexiconLists listsOf(const QStringList& lemmas) {
    LexiconLists lists;
    lists.lemmas.assign(lemmas.begin(), lemmas.end());
    return lists;
}

std::vector<qint64> indices(std::initializer_list<qint64> list) {
    return list;
}

}  // namespace

class TestLexiconLists : public QObject {
    Q_OBJECT

  private slots:
    void loadingTrimsEachColumn();
    void letterListingStopsAtTheFirstLaterInitial();
    void searchIsAPrefixMatchLetterCaseAside();

  private:
    TestDataHome home_;
};

void TestLexiconLists::loadingTrimsEachColumn() {
    const QString path = home_.file(QStringLiteral("lexique.dat"));
    QVERIFY(writeFile(path, entry(1, QStringLiteral("amo"), QStringLiteral("   aimer, amant")) +
                                entry(-3, QStringLiteral("Évandre")) + QByteArray(322, ' ')));
    const auto loaded = loadLexiconLists(path);
    QVERIFY(loaded.ok());
    QCOMPARE(loaded.value().size(), qint64(2));
    QCOMPARE(loaded.value().lemmas[0], QStringLiteral("amo"));
    QCOMPARE(loaded.value().translations[0], QStringLiteral("traduction de amo"));
    QCOMPARE(loaded.value().categories[0], QStringLiteral("V1"));
    // The French family loses its leading spaces, and only those.
    QCOMPARE(loaded.value().frenchFamilies[0], QStringLiteral("aimer, amant").leftJustified(67));
    QCOMPARE(loaded.value().latinFamilies[0], QStringLiteral("famille"));
    QCOMPARE(loaded.value().numbers, (std::vector<qint16>{1, -3}));
    QCOMPARE(loaded.value().lemmas[1], QStringLiteral("Évandre"));

    const QString missing = home_.file(QStringLiteral("absent.dat"));
    const auto none = loadLexiconLists(missing);
    QVERIFY(none.ok());
    QCOMPARE(none.value().size(), qint64(0));
    QVERIFY(!QFileInfo::exists(missing));
    QVERIFY(!loadLexiconLists(home_.path()).ok());
}

void TestLexiconLists::letterListingStopsAtTheFirstLaterInitial() {
    const LexiconLists sorted = listsOf({"1er", "ab", "Amator", "amo", "", "bellum", "Caesar"});
    QCOMPARE(entriesWithInitial(sorted, u'a'), indices({1, 2, 3}));
    QCOMPARE(entriesWithInitial(sorted, u'c'), indices({6}));
    QCOMPARE(entriesWithInitial(sorted, u'z'), indices({}));
    // Unsorted: the scan ends at "bellum" even though "aqua" follows.
    const LexiconLists unsorted = listsOf({"amo", "bellum", "aqua", "Ēos", "zona"});
    QCOMPARE(entriesWithInitial(unsorted, u'a'), indices({0}));
    QCOMPARE(entriesWithInitial(unsorted, u'z'), indices({}));
}

void TestLexiconLists::searchIsAPrefixMatchLetterCaseAside() {
    const LexiconLists lists =
        listsOf({"am", "amare", "Amator", "amo", "ama bilis", "AMAZON", "ämare", ""});
    QCOMPARE(entriesWithPrefix(lists, QStringLiteral("ama")), indices({1, 2, 4, 5}));
    QCOMPARE(entriesWithPrefix(lists, QStringLiteral("AMA")), indices({1, 2, 4, 5}));
    QCOMPARE(entriesWithPrefix(lists, QStringLiteral("ama ")), indices({4}));
    QCOMPARE(entriesWithPrefix(lists, QStringLiteral(" ama")), indices({}));
    QCOMPARE(entriesWithPrefix(lists, QStringLiteral("amator")), indices({2}));
    QCOMPARE(entriesWithPrefix(lists, QString()), indices({0, 1, 2, 3, 4, 5, 6, 7}));
}

QTEST_GUILESS_MAIN(TestLexiconLists)
#include "test_lexiconlists.moc"
