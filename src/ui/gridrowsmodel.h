#pragma once

#include "core/grid/formindex.h"
#include "core/grid/gridrows.h"
#include "core/grid/rowsedit.h"
#include "ui/gridmodel.h"

namespace ui {

// The rows of an analysis grid, held as values with each row's occurrence, colours, bold and
// italics: the workspace changes them here and its grid only shows them. Grid row 0 is the
// header ("Formes", "Lemme", ...), grid row r the value at r - 1.
class GridRowsModel : public GridCells {
    Q_OBJECT

  public:
    explicit GridRowsModel(QObject* parent = nullptr);

    const analysis::GridRows& all() const { return rows_; }
    qint64 count() const { return static_cast<qint64>(rows_.size()); }
    // Grid row `row`, 1 to count().
    const analysis::GridRow& at(qint64 row) const;
    // Grid rows `first` to `last`, as far as they exist.
    analysis::GridRows slice(qint64 first, qint64 last) const;

    void setAll(analysis::GridRows rows);
    // Puts `rows` in place of the `count` rows from grid row `first` on; the rows after them
    // follow. Views hear of the rows changed, inserted or removed only.
    void replace(qint64 first, qint64 count, analysis::GridRows rows);
    // Applies an edit in one pass. Views hear of each hunk when there are few; of a new grid
    // when there are many, which costs them less than hearing of each.
    void apply(const analysis::RowsEdit& edit);
    // The grid rows, in order, whose form compares as `form` (as comparable() writes it). The
    // index behind it is built the first time, then kept up to date by every change.
    std::vector<qint64> rowsOfForm(const QString& form) const;

    int rows() const override { return static_cast<int>(rows_.size()) + 1; }
    int cols() const override { return analysis::kGridColumns; }
    QString textAt(int row, int col) const override;
    std::optional<quint32> foreColorAt(int row, int col) const override;
    bool boldAt(int row, int col) const override;
    bool italicAt(int row, int col) const override;
    int alignmentAt(int row, int col) const override;

  private:
    const analysis::Cell* cell(int row, int col) const;
    void announceRows(qint64 first, qint64 last);

    analysis::GridRows rows_;
    mutable analysis::FormIndex forms_;
};

}  // namespace ui
