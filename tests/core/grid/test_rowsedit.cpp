#include "core/grid/formindex.h"
#include "core/grid/keeping.h"
#include "core/grid/rowsedit.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace analysis;

namespace {

const std::optional<quint32> kColours[] = {std::nullopt, kFormColour, kAmbiguityColour};

// Rows of every shape the lookup, the edits and the completion make: occurrences of one to
// three analyses, bold forms or empty rows, colours in any cell, italic proposals; now and then
// a row whose format differs from its neighbours'.
GridRows randomRows(QRandomGenerator& random) {
    GridRows rows;
    const int words = 1 + random.bounded(20);
    for (int word = 0; word < words; ++word) {
        const QString form = QStringLiteral("f%1").arg(random.bounded(4));
        const int analyses = 1 + random.bounded(3);
        for (int a = 0; a < analyses; ++a) {
            GridRow r;
            r.occurrence = word;
            r[Column::Form] = {form, kFormColour, true};
            const auto colour = analyses > 1 ? kColours[2] : kColours[0];
            for (int c = 1; c < kGridColumns; ++c) {
                r.cells[c] = {QString::number(random.bounded(3)), colour, false,
                              random.bounded(4) == 0};
            }
            if (random.bounded(8) == 0) {
                r[Column::Form].bold = false;
                r.cells[1 + random.bounded(kGridColumns - 1)].colour = kColours[random.bounded(3)];
            }
            rows.push_back(r);
        }
    }
    return rows;
}

GridRows applied(GridRows rows, const RowsEdit& edit) {
    applyEdit(rows, edit);
    return rows;
}

// One edit the workspace makes, drawn at random, with the rows it must give.
RowsEdit randomEdit(QRandomGenerator& random, const GridRows& rows) {
    const auto row = static_cast<qint64>(1 + random.bounded(int(rows.size())));
    switch (random.bounded(5)) {
        case 0: {
            const RowsEdit edit = deletionEdit(rows, row);
            [&] { QCOMPARE(applied(rows, edit), withRowDeleted(rows, row)); }();
            return edit;
        }
        case 1: {
            const RowsEdit edit = duplicationEdit(rows, row);
            [&] { QCOMPARE(applied(rows, edit), withRowDuplicated(rows, row)); }();
            return edit;
        }
        case 2:
            return keepingAnalysis(rows, row).edit;
        case 3:
            return keepingAnalysisEverywhere(rows, row).edit;
        default:
            return stretchEdit(
                row, {rows[std::size_t(row - 1)]},
                validated({rows[std::size_t(row - 1)]}, 1, DetailFields{"v", "v", "", "", "", ""}));
    }
}

// Whether the index, kept up to date edit by edit, finds what an index built afresh finds.
bool indexFollows(const FormIndex& index, const GridRows& rows) {
    FormIndex fresh;
    fresh.build(rows);
    for (const char* form : {"f0", "f1", "f2", "f3", "v", ""}) {
        if (index.rowsOf(QString::fromLatin1(form)) != fresh.rowsOf(QString::fromLatin1(form))) {
            return false;
        }
    }
    return true;
}

}  // namespace

class TestRowsEdit : public QObject {
    Q_OBJECT

  private slots:
    void thousandRandomEditsAreUndoneAndRedoneExactly();
    void editsSpreadOverTheGridApplyInOnePass();
};

// Deletions, duplications, keeping here and everywhere and validations, a thousand in all:
// each does what the grid functions do, and undoing them all, then redoing them all, passes
// through every state again. The index of forms follows every step.
void TestRowsEdit::thousandRandomEditsAreUndoneAndRedoneExactly() {
    QRandomGenerator random(20261209);
    int edits = 0;
    while (edits < 1000) {
        std::vector<GridRows> states{randomRows(random)};
        std::vector<RowsEdit> done;
        FormIndex index;
        index.build(states.back());
        for (int step = 0; step < 10; ++step, ++edits) {
            done.push_back(randomEdit(random, states.back()));
            if (QTest::currentTestFailed()) {
                return;
            }
            states.push_back(applied(states.back(), done.back()));
            index.update(done.back());
            QVERIFY(indexFollows(index, states.back()));
        }
        GridRows rows = states.back();
        for (std::size_t k = done.size(); k-- > 0;) {
            const RowsEdit undo = reversed(done[k]);
            applyEdit(rows, undo);
            index.update(undo);
            QCOMPARE(rows, states[k]);
            QVERIFY(indexFollows(index, rows));
        }
        for (std::size_t k = 0; k < done.size(); ++k) {
            applyEdit(rows, done[k]);
            QCOMPARE(rows, states[k + 1]);
        }
    }
}

// Hunks that grow and shrink the grid in turn, adjacent ones, and at both ends: the rows
// between them follow, whichever way the edit is applied.
void TestRowsEdit::editsSpreadOverTheGridApplyInOnePass() {
    GridRows rows;
    for (int i = 1; i <= 6; ++i) {
        GridRow r;
        r[Column::Form].text = QString::number(i);
        rows.push_back(r);
    }
    const auto row = [](const char* form) {
        GridRow r;
        r[Column::Form].text = QString::fromLatin1(form);
        return r;
    };
    const auto forms = [](const GridRows& rs) {
        QStringList out;
        for (const GridRow& r : rs) {
            out << r[Column::Form].text;
        }
        return out.join(QLatin1Char(' '));
    };
    // Applied from the end, from the start, and into new rows.
    const RowsEdit growing{{{1, {rows[0]}, {row("a"), row("b")}},
                            {2, {rows[1], rows[2]}, {}},
                            {4, {}, {row("c")}},
                            {7, {}, {row("d")}}}};
    const RowsEdit shrinking{{{1, {rows[0]}, {}}, {3, {rows[2], rows[3]}, {row("x")}}}};
    const RowsEdit mixed{
        {{1, {rows[0]}, {row("a"), row("b")}}, {3, {rows[2], rows[3]}, {}}, {6, {}, {row("c")}}}};
    QCOMPARE(forms(applied(rows, growing)), u"a b c 4 5 6 d"_qs);
    QCOMPARE(forms(applied(rows, shrinking)), u"2 x 5 6"_qs);
    QCOMPARE(forms(applied(rows, mixed)), u"a b 2 5 c 6"_qs);
    for (const RowsEdit& edit : {growing, shrinking, mixed}) {
        QCOMPARE(applied(applied(rows, edit), reversed(edit)), rows);
    }
}

QTEST_GUILESS_MAIN(TestRowsEdit)
#include "test_rowsedit.moc"
