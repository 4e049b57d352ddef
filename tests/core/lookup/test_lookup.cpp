#include "core/lookup/lookup.h"
#include "core/lookup/thesauruslists.h"
#include "core/records/recordfile.h"
#include "core/text/wordforms.h"
#include "support/plainscan.h"
#include "support/testenv.h"

#include <QRandomGenerator>
#include <QtTest>

#include <algorithm>

using namespace analysis;
using records::ThesaurusRecord;

namespace {

ThesaurusRecord entry(const QString& form, const QString& lemma, qint16 number = 1) {
    ThesaurusRecord r;
    r.setNumber(number);
    r.setForm(form);
    r.setLemma(lemma);
    r.setCategory(QStringLiteral("N1"));
    r.setTranslation(lemma.toUpper());
    return r;
}

ThesaurusLists listsOf(const QStringList& forms) {
    std::vector<ThesaurusRecord> records;
    for (const QString& form : forms) {
        records.push_back(entry(form, QStringLiteral("L%1").arg(records.size())));
    }
    return listsFromRecords(records);
}

// The grid that the indexed lookup describes, in the reference scan's terms.
plainscan::Grid gridOf(const LookupResult& result, const QStringList& words,
                       const ThesaurusLists& lists) {
    plainscan::Grid grid;
    grid.setRowCount(result.rowCount);
    for (std::size_t i = 0; i < result.rows.size(); ++i) {
        const RowTexts texts = rowTexts(result.rows[i], words, lists);
        plainscan::Row& row = grid.rows.at(i + 1);
        for (int col = 0; col < kGridColumns; ++col) {
            row[col].text = texts[col];
            const bool orange = result.rows[i].ambiguous && col >= 1 && col <= 5;
            row[col].colour = orange ? kAmbiguityColour : plainscan::kDefaultColour;
        }
        row[0] = {texts[0], kFormColour, true};
    }
    return grid;
}

// The first cell where the two lookups differ, or nothing.
QString difference(const QStringList& words, const ThesaurusLists& lists, LookupKind kind) {
    const plainscan::Grid expected = plainscan::scan(words, lists, kind);
    const plainscan::Grid actual = gridOf(lookup(words, lists, kind), words, lists);
    if (actual.rowCount() != expected.rowCount()) {
        return QStringLiteral("row count %1, expected %2")
            .arg(actual.rowCount())
            .arg(expected.rowCount());
    }
    for (qint64 r = 0; r < expected.rowCount(); ++r) {
        for (int col = 0; col < kGridColumns; ++col) {
            const plainscan::Cell& a = actual.rows[r][col];
            const plainscan::Cell& e = expected.rows[r][col];
            if (!(a == e)) {
                return QStringLiteral("cell (%1, %2): '%3' %4 %5, expected '%6' %7 %8")
                    .arg(r)
                    .arg(col)
                    .arg(a.text, QString::number(a.colour, 16), QString::number(a.bold), e.text,
                         QString::number(e.colour, 16), QString::number(e.bold));
            }
        }
    }
    return {};
}

// Short forms over few letters, so that thesauri hold duplicates and case and accent variants.
QString randomForm(QRandomGenerator& random) {
    static const QString letters = QStringLiteral("abABáÁzZ");
    const int length = random.bounded(1, 4);
    QString form;
    for (int i = 0; i < length; ++i) {
        form += letters[random.bounded(letters.size())];
    }
    return form;
}

QStringList randomThesaurus(QRandomGenerator& random) {
    static const QStringList odd = {QStringLiteral("$$$"), QString(), QStringLiteral(" a"),
                                    QStringLiteral("zzzzzzz")};
    QStringList forms;
    const int size = random.bounded(4) == 0 ? random.bounded(3) : random.bounded(40);
    for (int i = 0; i < size; ++i) {
        forms << (random.bounded(10) == 0 ? odd[random.bounded(odd.size())] : randomForm(random));
    }
    const int order = random.bounded(3);  // 0 sorted, 1 nearly sorted, 2 as drawn
    if (order < 2) {
        std::stable_sort(forms.begin(), forms.end(), [](const QString& a, const QString& b) {
            return records::cp1252::toLower(a) < records::cp1252::toLower(b);
        });
    }
    if (order == 1 && size > 1) {
        std::swap(forms[random.bounded(size)], forms[random.bounded(size)]);
    }
    return forms;
}

// Words joined by separators, by a form that matches the placeholders of an empty thesaurus, or
// by "ÿ", a letter greater than every letter of the thesauri.
QString randomText(QRandomGenerator& random) {
    static const QStringList joins = {QStringLiteral(" "),        QStringLiteral(", "),
                                      QStringLiteral("'"),        QStringLiteral("7"),
                                      QStringLiteral("\n"),       QStringLiteral("œ"),
                                      QStringLiteral("ZZZZZZZ "), QStringLiteral("ÿ")};
    QString text;
    const int words = random.bounded(12);
    for (int i = 0; i < words; ++i) {
        text += randomForm(random) + joins[random.bounded(joins.size())];
    }
    return text;
}

}  // namespace

class TestLookup : public QObject {
    Q_OBJECT

  private slots:
    void wordFormsAreRunsOfLetters_data();
    void wordFormsAreRunsOfLetters();
    void listsKeepTheFieldsAsLoaded();
    void unopenableThesaurusIsReported();
    void emptyThesaurusFindsOnlyItsStandIns();
    void matchingIgnoresCaseButNotAccents();
    void sortedLookupStopsOnlyBeforeAMatch();
    void rowCountEndsOneBeyondAfterAnEarlyLastMatch();
    void agreesWithTheEntryByEntryScan();

  private:
    TestDataHome home_;
};

void TestLookup::wordFormsAreRunsOfLetters_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("forms");
    const QStringList virgil = {"Arma", "virumque", "cano", "Troiae",
                                "qui",  "primus",   "ab",   "oris"};
    QTest::newRow("verse") << "Arma virumque cano, Troiae qui primus ab oris\n" << virgil;
    QTest::newRow("verse, no line end")
        << "Arma virumque cano, Troiae qui primus ab oris" << virgil;
    QTest::newRow("apostrophe") << "l'homme" << QStringList{"l", "homme"};
    QTest::newRow("digit") << "Caesar2" << QStringList{"Caesar"};
    QTest::newRow("no letters") << "12 34" << QStringList{};
    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("oe ligature") << "cœlum" << QStringList{"c", "lum"};
    QTest::newRow("ae ligature") << "æternus" << QStringList{"æternus"};
    QTest::newRow("other code-page letters") << "aŒbšcŸdže" << QStringList{"a", "b", "c", "d", "e"};
    QTest::newRow("range ends") << "ÀÖ×ØöÿÞß÷ø" << QStringList{"ÀÖ", "ØöÿÞß", "ø"};
}

void TestLookup::wordFormsAreRunsOfLetters() {
    QFETCH(QString, text);
    QFETCH(QStringList, forms);
    QCOMPARE(cutWordForms(text), forms);
}

void TestLookup::listsKeepTheFieldsAsLoaded() {
    const QString path = home_.file(QStringLiteral("lists.dat"));
    {
        records::RecordFile file(path, ThesaurusRecord::Length);
        QVERIFY(file.open());
        QVERIFY(file.write(1, entry(QStringLiteral("rosa"), QStringLiteral("rosa"), 1)));
        QVERIFY(file.write(2, entry(QStringLiteral(" Rosae"), QStringLiteral("rosa"), -3)));
    }
    writeFile(path, readFile(path) + QByteArray(100, 'x'));  // a trailing partial record
    const records::Outcome<ThesaurusLists> loaded = loadThesaurusLists(path);
    QVERIFY(loaded.ok());
    const ThesaurusLists& lists = loaded.value();
    QCOMPARE(lists.size(), 2);
    QCOMPARE(lists.forms, (std::vector<QString>{"rosa", " Rosae"}));
    QCOMPARE(lists.lemmas[0], QStringLiteral("rosa").leftJustified(50));
    QCOMPARE(lists.translations[0], QStringLiteral("ROSA").leftJustified(80));
    QCOMPARE(lists.categories[0], QStringLiteral("N1").leftJustified(7));
    QCOMPARE(lists.moodTenseVoices[0], QString(22, ' '));
    QCOMPARE(lists.numbers, (std::vector<qint16>{1, -3}));

    // A missing file is created empty, and a partial record alone is no record: both load as
    // empty lists.
    const QString missing = home_.file(QStringLiteral("missing.dat"));
    const QString partial = home_.file(QStringLiteral("partial.dat"));
    QVERIFY(writeFile(partial, QByteArray(215, 'a')));
    for (const QString& empty : {missing, partial}) {
        const records::Outcome<ThesaurusLists> none = loadThesaurusLists(empty);
        QVERIFY(none.ok());
        QCOMPARE(none.value().size(), 0);
        QVERIFY(none.value().lemmas.empty() && none.value().numbers.empty());
    }
    QVERIFY(QFile::exists(missing));
}

// An empty thesaurus holds no entry, yet its lookup finds "zzzzzzz" twice, as it always has.
void TestLookup::emptyThesaurusFindsOnlyItsStandIns() {
    const ThesaurusLists none = listsFromRecords({});
    QCOMPARE(none.size(), 0);
    const QStringList words = {QStringLiteral("rosa"), QStringLiteral("ZZZZZZZ")};
    for (const LookupKind kind : {LookupKind::Full, LookupKind::Sorted}) {
        const LookupResult found = lookup(words, none, kind);
        QCOMPARE(found.rows.size(), std::size_t(3));
        QCOMPARE(found.rows[0].entry, kNotFound);
        QCOMPARE(rowTexts(found.rows[0], words, none)[6], records::kNotFoundMark);
        for (const std::size_t row : {std::size_t(1), std::size_t(2)}) {
            QVERIFY(found.rows[row].ambiguous);
            const RowTexts texts = rowTexts(found.rows[row], words, none);
            QCOMPARE(texts[0], QStringLiteral("ZZZZZZZ"));
            QCOMPARE(texts[1], QStringLiteral("zzzzzzz"));
            QCOMPARE(texts[5], QStringLiteral("zzzzzzz"));
        }
        QCOMPARE(difference(words + words, none, kind), QString());  // as the entry scan does
    }
}

void TestLookup::unopenableThesaurusIsReported() {
    const records::Outcome<ThesaurusLists> loaded =
        loadThesaurusLists(home_.file(QStringLiteral("no/such/t.dat")));
    QVERIFY(!loaded.ok());
    QVERIFY(loaded.error().startsWith(QStringLiteral("Impossible d'ouvrir le fichier")));
}

void TestLookup::matchingIgnoresCaseButNotAccents() {
    const ThesaurusLists lists = listsOf({"Aqua", "aqua", "rosa", "via"});
    const QStringList words = {"AQUA", "Rosa", "rosá", "Via"};
    for (LookupKind kind : {LookupKind::Sorted, LookupKind::Full}) {
        const LookupResult result = lookup(words, lists, kind);
        QCOMPARE(result.rows.size(), 5u);
        QCOMPARE(result.rowCount, 6);  // "via" matched the last entry: no row to spare
        const RowTexts aqua = rowTexts(result.rows[1], words, lists);
        QCOMPARE(aqua[0], QStringLiteral("AQUA"));
        QCOMPARE(aqua[1], QStringLiteral("L1").leftJustified(50));
        QCOMPARE(aqua[2], QStringLiteral("L1").leftJustified(80));
        QCOMPARE(aqua[6], QString());
        QVERIFY(result.rows[0].ambiguous && result.rows[1].ambiguous);
        QCOMPARE(rowTexts(result.rows[2], words, lists)[0], QStringLiteral("Rosa"));
        QVERIFY(!result.rows[2].ambiguous);
        QCOMPARE(rowTexts(result.rows[3], words, lists),
                 (RowTexts{"rosá", "_", "_", "_", "_", "_", "*"}));
    }
}

void TestLookup::sortedLookupStopsOnlyBeforeAMatch() {
    // "b" sorts before "c" and gives up there; "a" matched first and goes on to its second entry.
    const ThesaurusLists lists = listsOf({"a", "c", "a", "b"});
    const QStringList words = {"b", "a", "d"};
    const LookupResult sorted = lookup(words, lists, LookupKind::Sorted);
    QCOMPARE(sorted.rows.size(), 4u);
    QCOMPARE(sorted.rows[0].entry, kNotFound);
    QCOMPARE(sorted.rows[1].entry, 0);
    QCOMPARE(sorted.rows[2].entry, 2);
    QVERIFY(sorted.rows[2].ambiguous);
    QCOMPARE(sorted.rows[3].entry, kNotFound);  // sorts after every entry
    QCOMPARE(lookup(words, lists, LookupKind::Full).rows[0].entry, 3);
}

void TestLookup::rowCountEndsOneBeyondAfterAnEarlyLastMatch() {
    const ThesaurusLists lists = listsOf({"amo", "amo", "rosa"});
    const auto rowCount = [&](const QString& text) {
        return lookup(cutWordForms(text), lists, LookupKind::Full).rowCount;
    };
    QCOMPARE(rowCount(QString()), 1);
    QCOMPARE(rowCount(QStringLiteral("amo")), 4);       // 2 rows, then one empty
    QCOMPARE(rowCount(QStringLiteral("amo rosa")), 4);  // the row is used by "rosa"
    QCOMPARE(rowCount(QStringLiteral("rosa amo")), 5);
    QCOMPARE(rowCount(QStringLiteral("rosa")), 2);
    QCOMPARE(rowCount(QStringLiteral("amo lupus")), 4);
}

void TestLookup::agreesWithTheEntryByEntryScan() {
    QRandomGenerator random(20240603);
    for (int round = 0; round < 4000; ++round) {
        const QStringList forms = randomThesaurus(random);
        const ThesaurusLists lists = listsOf(forms);
        const QString text = randomText(random);
        const QStringList words = cutWordForms(text);
        for (LookupKind kind : {LookupKind::Sorted, LookupKind::Full}) {
            const QString diff = difference(words, lists, kind);
            QVERIFY2(diff.isEmpty(), qPrintable(QStringLiteral("%1 | thesaurus %2 | text %3")
                                                    .arg(diff, forms.join('/'), text)));
        }
    }
}

QTEST_GUILESS_MAIN(TestLookup)
#include "test_lookup.moc"
