#include "core/grid/keeping.h"

#include <QtTest>

using namespace analysis;

namespace {

GridRows rowsAfter(GridRows rows, const Kept& kept) {
    applyEdit(rows, kept.edit);
    return rows;
}

// A row as the lookup writes it for word `word` of the text: lemma, case and translation.
GridRow row(qint64 word, const QString& form, const QString& lemma, const QString& cgn,
            bool ambiguous, const QString& translation = QStringLiteral("t")) {
    GridRow r;
    r.occurrence = word;
    r[Column::Form] = {form, kFormColour, true};
    const std::optional<quint32> colour =
        ambiguous ? std::optional<quint32>(kAmbiguityColour) : std::nullopt;
    r[Column::Lemma] = {lemma, colour};
    r[Column::Translation] = {translation, colour};
    r[Column::Category] = {QStringLiteral("N1"), colour};
    r[Column::CaseGenderNumber] = {cgn, colour};
    r[Column::MoodTenseVoice] = {QStringLiteral("_"), colour};
    return r;
}

// rosa (word 0, three analyses), est (word 1), rosa (word 2, two), rosa (word 3, three).
GridRows grid() {
    return {row(0, "rosa", "rosa", "nom. f. sg.", true),
            row(0, "rosa", "rosa", "voc. f. sg.", true),
            row(0, "rosa", "rosa", "abl. f. sg.", true),
            row(1, "est", "sum", "3 sg.", false),
            row(2, "Rosa", "rosa", "nom. f. sg.", true),
            row(2, "Rosa", "rosa", "abl. f. sg.", true),
            row(3, "ROSA", "ROSA ", "voc. f. sg.", true, "autre"),
            row(3, "ROSA", "rosa", "abl. f. sg.", true),
            row(3, "ROSA", "rosa", "nom. f. sg.", true)};
}

QStringList cases(const GridRows& rows) {
    QStringList out;
    for (const GridRow& r : rows) {
        out << r[Column::Form].text + QLatin1Char(':') + r[Column::CaseGenderNumber].text;
    }
    return out;
}

}  // namespace

class TestKeeping : public QObject {
    Q_OBJECT

  private slots:
    void occurrences();
    void keepingOneOccurrence_data();
    void keepingOneOccurrence();
    void keepingEverywhere();
    void savedAnalysesKnowNoWords();
    void changesKeepOnlyTheRowsThatDiffer();
};

void TestKeeping::occurrences() {
    const GridRows rows = grid();
    QCOMPARE(occurrenceOf(rows, 2).first, 1);
    QCOMPARE(occurrenceOf(rows, 2).last, 3);
    QCOMPARE(occurrenceOf(rows, 4).size(), 1);
    QCOMPARE(occurrenceOf(rows, 5).last, 6);  // the next occurrence of the form starts at 7
}

// On the first, a middle and the last occurrence of the grid.
void TestKeeping::keepingOneOccurrence_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("keptRow");
    QTest::newRow("first occurrence, its last row")
        << 3 << QStringList{"rosa:abl. f. sg.", "est:3 sg.",        "Rosa:nom. f. sg.",
                            "Rosa:abl. f. sg.", "ROSA:voc. f. sg.", "ROSA:abl. f. sg.",
                            "ROSA:nom. f. sg."}
        << 1;
    QTest::newRow("middle occurrence")
        << 5 << QStringList{"rosa:nom. f. sg.", "rosa:voc. f. sg.", "rosa:abl. f. sg.",
                            "est:3 sg.",        "Rosa:nom. f. sg.", "ROSA:voc. f. sg.",
                            "ROSA:abl. f. sg.", "ROSA:nom. f. sg."}
        << 5;
    QTest::newRow("last occurrence, its middle row")
        << 8 << QStringList{"rosa:nom. f. sg.", "rosa:voc. f. sg.", "rosa:abl. f. sg.", "est:3 sg.",
                            "Rosa:nom. f. sg.", "Rosa:abl. f. sg.", "ROSA:abl. f. sg."}
        << 7;
}

void TestKeeping::keepingOneOccurrence() {
    QFETCH(int, row);
    QFETCH(QStringList, expected);
    QFETCH(int, keptRow);
    const Kept kept = keepingAnalysis(grid(), row);
    const GridRows after = rowsAfter(grid(), kept);
    QCOMPARE(cases(after), expected);
    QCOMPARE(kept.keptRow, keptRow);
    QCOMPARE(kept.removed, grid().size() - std::size_t(expected.size()));
    // Alone now, the row loses the ambiguity colour; the form keeps its own.
    const GridRow& left = after[std::size_t(keptRow - 1)];
    QCOMPARE(left[Column::Lemma].colour, std::optional<quint32>());
    QCOMPARE(left[Column::Form].colour, std::optional<quint32>(kFormColour));
    // A form with one analysis has nothing to remove.
    QCOMPARE(keepingAnalysis(grid(), 4).removed, 0);
}

// Every occurrence of the form, in any case, that has the analysis keeps it (lemma, category and
// features compared without case or trailing spaces, the translation ignored); an occurrence
// without it keeps all its rows.
void TestKeeping::keepingEverywhere() {
    Kept kept = keepingAnalysisEverywhere(grid(), 2);  // rosa, voc. f. sg.
    QCOMPARE(cases(rowsAfter(grid(), kept)),
             (QStringList{"rosa:voc. f. sg.", "est:3 sg.", "Rosa:nom. f. sg.", "Rosa:abl. f. sg.",
                          "ROSA:voc. f. sg."}));
    QCOMPARE(kept.removed, 4);
    QCOMPARE(kept.occurrences, 2);
    QCOMPARE(kept.keptRow, 1);
    QCOMPARE(rowsAfter(grid(), kept)[4][Column::Translation].text, QStringLiteral("autre"));

    kept = keepingAnalysisEverywhere(grid(), 6);  // Rosa, abl. f. sg.: at all three
    QCOMPARE(cases(rowsAfter(grid(), kept)), (QStringList{"rosa:abl. f. sg.", "est:3 sg.",
                                                          "Rosa:abl. f. sg.", "ROSA:abl. f. sg."}));
    QCOMPARE(kept.keptRow, 3);
    QCOMPARE(kept.occurrences, 3);

    // Another form with the same analysis, as rosaque has, keeps all its rows.
    GridRows withEnclitic = grid();
    withEnclitic.push_back(row(4, "rosaque", "rosa", "voc. f. sg.", true));
    withEnclitic.push_back(row(4, "rosaque", "rosa", "abl. f. sg.", true));
    kept = keepingAnalysisEverywhere(withEnclitic, 2);
    QCOMPARE(cases(rowsAfter(withEnclitic, kept)).mid(5),
             (QStringList{"rosaque:voc. f. sg.", "rosaque:abl. f. sg."}));
    QCOMPARE(kept.occurrences, 2);
}

// Rows read back from an analysis file do not know their words: consecutive rows of one form
// make one occurrence.
void TestKeeping::savedAnalysesKnowNoWords() {
    GridRows rows = grid();
    for (GridRow& r : rows) {
        r.occurrence = -1;
    }
    QCOMPARE(occurrenceOf(rows, 1).size(), 3);
    QCOMPARE(occurrenceOf(rows, 6).first, 5);
    QCOMPARE(keepingAnalysisEverywhere(rows, 1).removed, 5);  // nominative at all three
}

void TestKeeping::changesKeepOnlyTheRowsThatDiffer() {
    const GridRows before = grid();
    GridRows after = rowsAfter(before, keepingAnalysis(before, 5));
    qint64 first = 1;
    GridRows b = before;
    dropUnchangedRows(first, b, after);
    QCOMPARE(first, 5);
    QCOMPARE(b.size(), std::size_t(2));
    QCOMPARE(after.size(), std::size_t(1));
    GridRows same = before;
    GridRows again = before;
    dropUnchangedRows(first, same, again);
    QVERIFY(same.empty() && again.empty());
}

QTEST_GUILESS_MAIN(TestKeeping)
#include "test_keeping.moc"
