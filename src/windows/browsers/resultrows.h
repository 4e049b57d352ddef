#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <vector>

namespace ui {

// The rows a browser lists, owned by the browser; its grid only shows them. Each kind of row
// names its columns and says which text each shows; padding is kept, the grid drops it.
class ResultRowsModel : public QAbstractTableModel {
  public:
    using QAbstractTableModel::QAbstractTableModel;

    virtual QString textAt(int row, int column) const = 0;

    // The texts of a row, in column order.
    QStringList cellsAt(int row) const {
        QStringList cells;
        for (int column = 0; column < columnCount(); ++column) {
            cells << textAt(row, column);
        }
        return cells;
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid)) {
            return {};
        }
        return textAt(index.row(), index.column());
    }
};

// Rows of one kind, in listing order, `Columns` texts each.
template <class Row, int Columns>
class ResultRows : public ResultRowsModel {
  public:
    using ResultRowsModel::ResultRowsModel;

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : Columns;
    }

    const Row& at(int row) const { return rows_.at(static_cast<std::size_t>(row)); }
    const std::vector<Row>& all() const { return rows_; }

    // A new listing: every row replaced.
    void setRows(std::vector<Row> rows) {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
    }

    void removeRowAt(int row) {
        beginRemoveRows({}, row, row);
        rows_.erase(rows_.begin() + row);
        endRemoveRows();
    }

    void replaceRowAt(int row, Row value) {
        rows_.at(static_cast<std::size_t>(row)) = std::move(value);
        emit dataChanged(index(row, 0), index(row, Columns - 1));
    }

  private:
    std::vector<Row> rows_;
};

}  // namespace ui
