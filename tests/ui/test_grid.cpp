#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include "ui/grid.h"
#include "ui/gridmodel.h"
#include "ui/gridrowsmodel.h"

using ui::Grid;
using ui::GridCells;
using ui::GridModel;

namespace {

constexpr quint32 kFormColour = 0xC00000;
constexpr quint32 kAmbiguityColour = 0x0080FF;

// Fills a grid the way the analysis workspace does: a row added when the next one is missing,
// then written through the current cell.
void fillAnalysisRows(Grid& grid, int count) {
    grid.setCols(7);
    for (int i = 1; i <= count; ++i) {
        if (grid.rows() == i) {
            grid.setRows(i + 1);
        }
        grid.setRow(i);
        grid.setCol(0);
        grid.setText(QString("forma%1").arg(i));
        grid.setCellFontBold(true);
        grid.setCellForeColor(kFormColour);
        for (int col = 1; col <= 5; ++col) {
            grid.setCol(col);
            grid.setText(QString("v%1 ").arg(col));
            if (i % 3 == 0) {
                grid.setCellForeColor(kAmbiguityColour);
            }
        }
    }
}

analysis::GridRow analysisRow(const QString& form, qint64 occurrence) {
    analysis::GridRow row;
    row.occurrence = occurrence;
    row[analysis::Column::Form] = {form, kFormColour, true};
    row[analysis::Column::Lemma] = {form + "_lemme", kAmbiguityColour, false, true};
    return row;
}

QStringList forms(const Grid& grid) {
    QStringList shown;
    for (int r = 1; r < grid.rows(); ++r) {
        shown << grid.textAt(r, 0);
    }
    return shown;
}

void showGrid(Grid& grid) {
    grid.resize(700, 400);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
}

}  // namespace

class GridTest : public QObject {
    Q_OBJECT

  private slots:
    void rowCountChangesKeepOtherRows();
    void clearEmptiesEveryCellButKeepsCounts();
    void textKeepsTrailingSpaces();
    void formattingTouchesOnlyTheCurrentCell();
    void headersCarryRowZeroAndColumnZero();
    void columnWidthsAreInTwips();
    void clickingACellMakesItCurrent();
    void clickingARowHeaderMakesColumnZeroCurrent();
    void colSelShowsTheRowSelected();
    void redrawOffGivesTheSameContent();
    void showsRowsHeldByAModel();
};

void GridTest::rowCountChangesKeepOtherRows() {
    Grid grid;
    QAbstractItemModelTester tester(grid.model());
    grid.setCols(3);
    QCOMPARE(grid.rows(), 2);
    grid.setTextAt(0, 1, "Lemme");
    grid.setTextAt(1, 1, "rosa");

    grid.setRows(5);
    QCOMPARE(grid.rows(), 5);
    QCOMPARE(grid.view()->verticalHeader()->count(), 4);
    QCOMPARE(grid.textAt(0, 1), "Lemme");
    QCOMPARE(grid.textAt(1, 1), "rosa");
    for (int row = 2; row < 5; ++row) {
        for (int col = 0; col < 3; ++col) {
            QVERIFY(grid.textAt(row, col).isEmpty());
        }
    }

    grid.setRow(4);
    grid.setTextAt(3, 2, "gone");
    grid.setRows(3);
    QCOMPARE(grid.row(), 2);
    QCOMPARE(grid.rowSel(), 2);
    QCOMPARE(grid.textAt(1, 1), "rosa");
    grid.setRows(4);
    QVERIFY(grid.textAt(3, 2).isEmpty());

    grid.setRows(0);  // the header row cannot go
    QCOMPARE(grid.rows(), 1);
    QCOMPARE(grid.textAt(0, 1), "Lemme");
    grid.setCols(2);
    grid.setCols(4);
    QCOMPARE(grid.textAt(0, 1), "Lemme");
    QVERIFY(grid.textAt(0, 2).isEmpty());
}

void GridTest::clearEmptiesEveryCellButKeepsCounts() {
    Grid grid;
    fillAnalysisRows(grid, 4);
    grid.setRow(0);
    grid.setCol(0);
    grid.setText("Formes");
    grid.setCellAlignment(4);
    grid.setCellFontBold(true);

    grid.clear();
    QCOMPARE(grid.rows(), 5);
    QCOMPARE(grid.cols(), 7);
    for (int row = 0; row < grid.rows(); ++row) {
        for (int col = 0; col < grid.cols(); ++col) {
            QVERIFY(grid.textAt(row, col).isEmpty());
            QVERIFY(!grid.foreColorAt(row, col));
            QVERIFY(!grid.boldAt(row, col));
            QCOMPARE(grid.alignmentAt(row, col), GridModel::AlignGeneral);
        }
    }
    QVERIFY(!grid.model()->headerData(0, Qt::Vertical, Qt::FontRole).isValid());
}

void GridTest::textKeepsTrailingSpaces() {
    Grid grid;
    grid.setRow(1);
    grid.setCol(1);
    grid.setText("rosa    ");
    QCOMPARE(grid.text(), "rosa    ");
    QCOMPARE(grid.textAt(1, 1), "rosa    ");
    // Only the view leaves the padding out.
    QCOMPARE(grid.model()->index(0, 0).data().toString(), "rosa");
}

void GridTest::formattingTouchesOnlyTheCurrentCell() {
    Grid grid;
    grid.setCols(7);
    grid.setRows(4);
    grid.setColAlignment(3, 0);
    grid.setRow(2);
    grid.setCol(3);
    grid.setCellForeColor(kAmbiguityColour);
    grid.setCellFontBold(true);
    grid.setCellAlignment(7);  // overrides the column's

    const QPoint neighbours[] = {{2, 2}, {2, 4}, {1, 3}, {3, 3}};
    for (const QPoint& at : neighbours) {
        QVERIFY(!grid.foreColorAt(at.x(), at.y()));
        QVERIFY(!grid.boldAt(at.x(), at.y()));
    }
    QCOMPARE(grid.alignmentAt(2, 2), GridModel::AlignGeneral);
    QCOMPARE(grid.alignmentAt(3, 3), 0);
    QCOMPARE(grid.model()->index(2, 2).data(Qt::TextAlignmentRole).toInt(),
             int(Qt::AlignLeft | Qt::AlignTop));

    const QModelIndex cell = grid.model()->index(1, 2);
    QCOMPARE(grid.foreColorAt(2, 3), kAmbiguityColour);
    QCOMPARE(cell.data(Qt::ForegroundRole).value<QBrush>().color(), QColor(0xFF, 0x80, 0x00));
    QVERIFY(cell.data(Qt::FontRole).value<QFont>().bold());
    QCOMPARE(cell.data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
    QCOMPARE(GridModel::toQColor(kFormColour), QColor(0x00, 0x00, 0xC0));
}

void GridTest::headersCarryRowZeroAndColumnZero() {
    Grid grid;
    fillAnalysisRows(grid, 3);
    grid.setRow(0);
    grid.setCol(1);
    grid.setText("Lemme");
    grid.setCellFontBold(true);
    grid.setCellAlignment(4);

    const GridCells* model = grid.model();
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(model->columnCount(), 6);
    QCOMPARE(model->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "Lemme");
    QVERIFY(model->headerData(0, Qt::Horizontal, Qt::FontRole).value<QFont>().bold());
    QCOMPARE(model->headerData(0, Qt::Horizontal, Qt::TextAlignmentRole).toInt(),
             int(Qt::AlignCenter));
    QCOMPARE(model->headerData(1, Qt::Vertical, Qt::DisplayRole).toString(), "forma2");
    QVERIFY(model->headerData(1, Qt::Vertical, Qt::FontRole).value<QFont>().bold());
    QCOMPARE(model->headerData(1, Qt::Vertical, Qt::ForegroundRole).value<QBrush>().color(),
             QColor(0, 0, 0xC0));
    QVERIFY(!model->headerData(3, Qt::Vertical, Qt::DisplayRole).isValid());
}

void GridTest::columnWidthsAreInTwips() {
    Grid grid;
    grid.setCols(7);
    showGrid(grid);
    grid.setColWidth(0, 1440);
    grid.setColWidth(2, 720);
    const int inch = grid.logicalDpiX();
    QCOMPARE(grid.view()->verticalHeader()->width(), inch);
    QCOMPARE(grid.view()->columnWidth(1), qRound(inch / 2.0));

    grid.setRedraw(false);  // a reset must not lose them
    grid.setRedraw(true);
    QCOMPARE(grid.view()->columnWidth(1), qRound(inch / 2.0));
}

void GridTest::clickingACellMakesItCurrent() {
    Grid grid;
    fillAnalysisRows(grid, 5);
    showGrid(grid);
    QSignalSpy clicks(&grid, &Grid::clicked);

    const QRect cell = grid.view()->visualRect(grid.model()->index(2, 1));  // grid cell (3, 2)
    QTest::mouseClick(grid.view()->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(grid.row(), 3);
    QCOMPARE(grid.col(), 2);
    QCOMPARE(grid.rowSel(), 3);
    QCOMPARE(grid.colSel(), 2);
    QCOMPARE(grid.text(), "v2 ");
}

void GridTest::clickingARowHeaderMakesColumnZeroCurrent() {
    Grid grid;
    fillAnalysisRows(grid, 5);
    showGrid(grid);
    grid.setRow(4);
    grid.setCol(3);
    QSignalSpy clicks(&grid, &Grid::clicked);

    QHeaderView* header = grid.view()->verticalHeader();
    const int y = header->sectionViewportPosition(1) + header->sectionSize(1) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->width() / 2, y));
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(grid.row(), 2);
    QCOMPARE(grid.col(), 0);
    QCOMPARE(grid.rowSel(), 2);
    QCOMPARE(grid.text(), "forma2");
}

void GridTest::colSelShowsTheRowSelected() {
    Grid grid;
    fillAnalysisRows(grid, 5);
    showGrid(grid);
    QItemSelectionModel* selection = grid.view()->selectionModel();

    grid.setRow(3);
    grid.setCol(0);
    grid.setColSel(6);
    QCOMPARE(grid.row(), 3);
    QCOMPARE(grid.colSel(), 6);
    QVERIFY(selection->isRowSelected(2, {}));
    QCOMPARE(selection->selectedIndexes().size(), 6);

    grid.setRows(3);  // the selected row goes away
    QCOMPARE(grid.rowSel(), 2);
    QVERIFY(selection->isRowSelected(1, {}));

    grid.setRow(1);  // making another cell current drops the selection
    QCOMPARE(grid.colSel(), 0);
    QVERIFY(!selection->hasSelection());
}

void GridTest::redrawOffGivesTheSameContent() {
    Grid shown;
    fillAnalysisRows(shown, 50);
    showGrid(shown);

    Grid batched;
    showGrid(batched);
    QSignalSpy resets(batched.model(), &GridModel::modelReset);
    QSignalSpy inserts(batched.model(), &GridModel::rowsInserted);
    QSignalSpy changes(batched.model(), &GridModel::dataChanged);
    batched.setRedraw(false);
    fillAnalysisRows(batched, 60);
    batched.setRows(51);
    QCOMPARE(inserts.count() + changes.count() + resets.count(), 0);
    batched.setRedraw(true);
    QCOMPARE(resets.count(), 1);

    QCOMPARE(batched.view()->verticalHeader()->count(), 50);
    QCOMPARE(batched.view()->horizontalHeader()->count(), 6);
    for (int row = 0; row < shown.rows(); ++row) {
        for (int col = 0; col < shown.cols(); ++col) {
            QCOMPARE(batched.textAt(row, col), shown.textAt(row, col));
            QCOMPARE(batched.foreColorAt(row, col), shown.foreColorAt(row, col));
            QCOMPARE(batched.boldAt(row, col), shown.boldAt(row, col));
        }
    }
}

QTEST_MAIN(GridTest)
// A grid showing rows held by a model reads them there, headers included, and follows each
// replacement: rows changed in place, inserted or removed, the current row kept in range.
void GridTest::showsRowsHeldByAModel() {
    Grid grid;
    ui::GridRowsModel rows;
    QAbstractItemModelTester tester(&rows);
    grid.showCells(&rows);
    rows.setAll({analysisRow("arma", 0), analysisRow("virum", 1), analysisRow("cano", 2)});
    QCOMPARE(grid.rows(), 4);
    QCOMPARE(grid.cols(), analysis::kGridColumns);
    QCOMPARE(grid.textAt(0, 0), QStringLiteral("Formes"));
    QCOMPARE(grid.textAt(2, 1), QStringLiteral("virum_lemme"));
    QVERIFY(grid.boldAt(2, 0));
    QCOMPARE(grid.foreColorAt(2, 1), std::optional<quint32>(kAmbiguityColour));
    QVERIFY(grid.model()->italicAt(2, 1) && !grid.model()->italicAt(2, 0));
    QCOMPARE(grid.model()->index(1, 0).data(Qt::FontRole).value<QFont>().italic(), true);

    rows.replace(2, 1, {analysisRow("virum", 1), analysisRow("virum", 1)});  // one more row
    QCOMPARE(forms(grid), (QStringList{"arma", "virum", "virum", "cano"}));
    rows.replace(4, 0, {analysisRow("Troiae", 3)});  // inserted before "cano"
    QCOMPARE(forms(grid), (QStringList{"arma", "virum", "virum", "Troiae", "cano"}));
    QCOMPARE(rows.at(5).occurrence, 2);

    grid.setRow(5);
    rows.replace(3, 3, {});  // the last three go: the current row follows into range
    QCOMPARE(forms(grid), (QStringList{"arma", "virum"}));
    QCOMPARE(grid.row(), 2);
    QCOMPARE(rows.slice(2, 9).size(), std::size_t(1));
    QVERIFY(rows.slice(3, 2).empty());

    grid.showCells(nullptr);  // its own cells again, untouched meanwhile
    QCOMPARE(grid.model(), static_cast<GridCells*>(grid.cells()));
    QCOMPARE(grid.textAt(1, 0), QString());
}

#include "test_grid.moc"
