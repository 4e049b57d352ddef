#include "core/grid/analysisfile.h"
#include "core/grid/gridrows.h"
#include "core/grid/listing.h"
#include "core/grid/rowsedit.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

using namespace analysis;

namespace {

// A row as the lookup writes it: the form bold in the form colour, the analysis cells in the
// given colour (none: the default colour).
GridRow row(const QString& form, const QString& lemma, std::optional<quint32> colour = {},
            const QString& indicator = {}) {
    GridRow r;
    r[Column::Form] = {form, kFormColour, true};
    r[Column::Lemma] = {lemma, colour, false};
    for (Column c : {Column::Translation, Column::Category, Column::CaseGenderNumber,
                     Column::MoodTenseVoice}) {
        r[c] = {lemma + QStringLiteral("-") + QString::number(index(c)), colour, false};
    }
    r[Column::Indicator] = {indicator, colour, false};
    return r;
}

QStringList forms(const GridRows& rows) {
    QStringList out;
    for (const GridRow& r : rows) {
        out << r[Column::Form].text;
    }
    return out;
}

}  // namespace

class TestGridRows : public QObject {
    Q_OBJECT

  private slots:
    void validationReplacesTheSixTextsOnly();
    void deletionMovesTheRowsBelowUp();
    void deletingTheLastRowOnlyEmptiesIt();
    void duplicationInsertsANewAnalysisBelow();
    void duplicatingTheLastRowAppendsOne();
    void deletionAndDuplicationAreUndoneExactly();
    void proposalItalicsMoveWithTheirRowsAndGoOnValidation();
    void aLargeGridIsSavedPieceByPieceAsOneFile();
    void cellsKeepTheirTextsAndColoursInEightBytes();
    void aGridOfMillionsOfCellsGrowsCopiesAndShrinks();
    void printedPagesMadeOneAtATimeAreTheWholeListing();
};

void TestGridRows::validationReplacesTheSixTextsOnly() {
    const GridRows before = {row("rosa", "rosa", kAmbiguityColour), row("est", "_", {}, "*")};
    const DetailFields typed{"Est", "sum", "être", "V", "3 sg.", "ind. prés. act."};
    const GridRows after = validated(before, 2, typed);
    QCOMPARE(after[0], before[0]);
    const GridRow& r = after[1];
    QCOMPARE(r.texts(), (RowTexts{"Est", "sum", "être", "V", "3 sg.", "ind. prés. act.", "*"}));
    for (int c = 0; c < kGridColumns; ++c) {
        QCOMPARE(r.cells[c].colour, before[1].cells[c].colour);
        QCOMPARE(r.cells[c].bold, before[1].cells[c].bold);
    }
    // An empty field gives an empty cell, not the empty marker.
    QCOMPARE(validated(before, 1, DetailFields{})[0][Column::Lemma].text, QString());
}

void TestGridRows::deletionMovesTheRowsBelowUp() {
    const GridRows before = {row("a", "a"), row("b", "b", kAmbiguityColour, "*"), row("c", "c")};
    const GridRows after = withRowDeleted(before, 1);
    QCOMPARE(after.size(), before.size());
    QCOMPARE(forms(after), (QStringList{"b", "c", ""}));
    QCOMPARE(after[0].texts(), before[1].texts());
    // The analysis cells take the colours of the row that moved up; the form cell keeps its own.
    QCOMPARE(after[0][Column::Lemma].colour, std::optional<quint32>(kAmbiguityColour));
    QCOMPARE(after[0][Column::Indicator].colour, std::optional<quint32>(kAmbiguityColour));
    QCOMPARE(after[1][Column::Lemma].colour, std::optional<quint32>());
    QVERIFY(after[2][Column::Form].bold);
    for (const Cell& cell : after[2].cells) {
        QVERIFY(cell.text.isEmpty());
    }
}

void TestGridRows::deletingTheLastRowOnlyEmptiesIt() {
    const GridRows before = {row("a", "a"), row("b", "b", kAmbiguityColour)};
    const GridRows after = withRowDeleted(before, 2);
    QCOMPARE(after[0], before[0]);
    QCOMPARE(after[1].texts(), RowTexts{});
    QCOMPARE(after[1][Column::Lemma].colour, std::optional<quint32>(kAmbiguityColour));
}

void TestGridRows::duplicationInsertsANewAnalysisBelow() {
    GridRows before;
    for (const char* f : {"a", "b", "c", "d", "e"}) {
        before.push_back(row(f, f));
    }
    before[2] = row("c", "c", kAmbiguityColour);
    before[1] = row("b", "b", kAmbiguityColour, "*");
    const GridRows after = withRowDuplicated(before, 2);
    QCOMPARE(after.size(), std::size_t(6));
    QCOMPARE(forms(after), (QStringList{"a", "b", "b", "c", "d", "e"}));
    const GridRow& added = after[2];
    QCOMPARE(added.texts(), (RowTexts{"b", "_", "_", "_", "_", "_", "*"}));
    QVERIFY(added[Column::Form].bold);
    QCOMPARE(added[Column::Form].colour, std::optional<quint32>(kFormColour));
    for (int c = 1; c < kGridColumns; ++c) {
        QCOMPARE(added.cells[c].colour, std::optional<quint32>(kAmbiguityColour));
    }
    for (std::size_t k = 3; k < after.size(); ++k) {
        QCOMPARE(after[k].texts(), before[k - 1].texts());
    }
    QCOMPARE(after[3][Column::Indicator].colour, std::optional<quint32>(kAmbiguityColour));
    QCOMPARE(after[0], before[0]);
    QCOMPARE(after[1], before[1]);
}

void TestGridRows::duplicatingTheLastRowAppendsOne() {
    const GridRows after = withRowDuplicated({row("a", "a")}, 1);
    QCOMPARE(forms(after), (QStringList{"a", "a"}));
    QCOMPARE(after[1][Column::Lemma].text, QStringLiteral("_"));
}

// The italics that mark proposed analyses belong to their rows' analysis cells.
void TestGridRows::proposalItalicsMoveWithTheirRowsAndGoOnValidation() {
    const auto italics = [](const GridRows& rows) {
        QString out;
        for (const GridRow& r : rows) {
            out += r[Column::Lemma].italic ? u'i' : u'-';
        }
        return out;
    };
    GridRows rows = {row("a", "a"), row("b", "b"), row("c", "c"), row("d", "d")};
    for (int r : {1, 3}) {
        for (int c = 1; c <= 5; ++c) {
            rows[r].cells[c].italic = true;
        }
    }
    QCOMPARE(italics(rows), u"-i-i"_qs);
    QCOMPARE(italics(withRowDeleted(rows, 1)), u"i-i-"_qs);
    QCOMPARE(italics(withRowDeleted(rows, 4)), u"-i--"_qs);
    // The copy below a proposal is a new analysis to enter, not a proposal.
    QCOMPARE(italics(withRowDuplicated(rows, 2)), u"-i--i"_qs);
    QCOMPARE(italics(withRowDuplicated(rows, 1)), u"--i-i"_qs);
    const GridRows after = validated(rows, 2, DetailFields{"b", "b", "", "", "", ""});
    QCOMPARE(italics(after), u"---i"_qs);
    for (const Cell& cell : after[1].cells) {
        QVERIFY(!cell.italic);
    }
}

// Undo keeps a deletion as the deleted row and a duplication as the formats it overwrote:
// on grids of every shape the lookup, the edits and the completion make (bold forms or empty
// rows, colours in any analysis cell, italic proposals), the grid comes back exactly.
void TestGridRows::deletionAndDuplicationAreUndoneExactly() {
    QRandomGenerator random(20261208);
    const std::optional<quint32> colours[] = {std::nullopt, kFormColour, kAmbiguityColour};
    for (int round = 0; round < 300; ++round) {
        GridRows rows(1 + random.bounded(12));
        for (GridRow& r : rows) {
            const bool empty = random.bounded(5) == 0;
            r.occurrence = empty ? -1 : random.bounded(4);
            r[Column::Form] = {empty ? QString() : QStringLiteral("f%1").arg(random.bounded(3)),
                               colours[random.bounded(3)], !empty || random.bounded(2) == 0};
            for (int c = 1; c < kGridColumns; ++c) {
                r.cells[c] = {empty ? QString() : QString::number(random.bounded(100)),
                              colours[random.bounded(3)], false, random.bounded(4) == 0};
            }
        }
        const auto row = static_cast<qint64>(1 + random.bounded(int(rows.size())));
        for (const RowsEdit& edit : {deletionEdit(rows, row), duplicationEdit(rows, row)}) {
            GridRows edited = rows;
            applyEdit(edited, edit);
            const bool deletion = edited.size() == rows.size();
            QCOMPARE(edited, deletion ? withRowDeleted(rows, row) : withRowDuplicated(rows, row));
            applyEdit(edited, reversed(edit));
            QCOMPARE(edited, rows);
        }
    }
}

// Written a few thousand records at a time, the file holds every record once, in grid order,
// whether the rows come from the grid or as texts.
void TestGridRows::aLargeGridIsSavedPieceByPieceAsOneFile() {
    GridRows rows(5000);
    std::vector<GridRowTexts> texts;
    QByteArray expected;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i].cells[0].text = QStringLiteral("forma%1").arg(i);
        rows[i].cells[1].text = QStringLiteral("lemma");
        rows[i].cells[6].text = i % 3 == 0 ? QStringLiteral("*") : QString();
        texts.push_back(rows[i].texts());
        expected += analysisRecord(texts.back()).toBytes();
    }
    QTemporaryDir dir;
    const QString fromRows = dir.filePath(QStringLiteral("lignes.dat"));
    const QString fromTexts = dir.filePath(QStringLiteral("textes.dat"));
    QVERIFY(saveAnalysisFile(fromRows, rows).ok());
    QVERIFY(saveAnalysisFile(fromTexts, texts).ok());
    for (const QString& path : {fromRows, fromTexts}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), expected);
    }
    // No rows: an empty file, as before.
    QVERIFY(saveAnalysisFile(fromRows, GridRows()).ok());
    QCOMPARE(QFileInfo(fromRows).size(), qint64(0));
}

void TestGridRows::cellsKeepTheirTextsAndColoursInEightBytes() {
    static_assert(sizeof(Cell) == 8);
    const QString accented = QStringLiteral("être à Rome");
    const SharedText first(accented);
    QCOMPARE(SharedText(QStringView(accented)), first);
    QCOMPARE(SharedText("être à Rome"), first);
    QCOMPARE(first.str(), accented);
    QVERIFY(SharedText(QLatin1StringView("Rome")) != first);
    QVERIFY(SharedText(QString()).isEmpty());
    QCOMPARE(SharedText(QString()), SharedText());
    // A text read by reference stays where it is while thousands of others are stored.
    const QString& held = first.str();
    for (int i = 0; i < 20000; ++i) {
        SharedText(QStringLiteral("forme%1").arg(i));
    }
    QCOMPARE(held, accented);

    // Black is a colour, not the default one.
    QVERIFY(CellColour(0u).has_value());
    QCOMPARE(CellColour(0u).value(), 0u);
    QVERIFY(CellColour(0u) != CellColour());
    QVERIFY(!CellColour(std::nullopt).has_value());
    QCOMPARE(std::optional<quint32>(CellColour(kChosenColour)),
             std::optional<quint32>(kChosenColour));
    QVERIFY(CellColour(kFormColour) == kFormColour);
    QVERIFY(!(CellColour() == 0u));
}

// Grids past a few megabytes take their memory in large blocks: every way a grid's vector
// grows, is copied and shrinks must keep its rows.
void TestGridRows::aGridOfMillionsOfCellsGrowsCopiesAndShrinks() {
    GridRows rows;
    for (int i = 0; i < 150000; ++i) {  // 9.6 MB, reallocated across the large-block size
        rows.push_back(row(QStringLiteral("f%1").arg(i % 1000), QStringLiteral("l")));
        rows.back().occurrence = i;
    }
    GridRows copy = rows;
    QCOMPARE(copy, rows);
    copy.erase(copy.begin() + 10, copy.begin() + 100010);
    QCOMPARE(copy.size(), std::size_t(50000));
    QCOMPARE(copy[10].occurrence, 100010);
    copy.shrink_to_fit();
    rows.resize(40000);
    rows.shrink_to_fit();
    QCOMPARE(rows.back().occurrence, 39999);
    QCOMPARE(rows.back()[Column::Form].text.str(), QStringLiteral("f999"));
}

void TestGridRows::printedPagesMadeOneAtATimeAreTheWholeListing() {
    for (const int count : {0, 1, kBlocksPerPage, kBlocksPerPage + 1, 3 * kBlocksPerPage - 1}) {
        std::vector<GridRowTexts> texts;
        for (int i = 0; i < count; ++i) {
            texts.push_back(row(QStringLiteral("rosa%1  ").arg(i), QStringLiteral("rosa")).texts());
        }
        const Pages whole = analysisListing(texts);
        const PageSource source = analysisPages(count, [&](qsizetype r) { return texts.at(r); });
        QCOMPARE(source.count, whole.size());
        for (qsizetype p = 0; p < source.count; ++p) {
            QCOMPARE(source.page(p), whole.at(p));
        }
        const PageSource wrapped = pageSourceOf(whole);
        QCOMPARE(wrapped.count, whole.size());
        if (count > 0) {
            QCOMPARE(wrapped.page(wrapped.count - 1), whole.last());
        }
    }
}

QTEST_GUILESS_MAIN(TestGridRows)
#include "test_gridrows.moc"
