#pragma once

#include "ui/gridmodel.h"

#include <QStringList>

namespace ui {

class ResultRowsModel;

// A browser's result grid as it shows the browser's rows: the header row, one grid row per
// listed row with its form bold in the form colour, and one empty row after them. The rows stay
// in their model; this only says how the grid draws them and passes their changes on.
class ResultCells : public GridCells {
    Q_OBJECT

  public:
    // Headers stay empty until shown.
    ResultCells(const ResultRowsModel* rows, int columns, QObject* parent);

    void showHeaders(const QStringList& headers);

    int rows() const override;
    int cols() const override { return columns_; }
    QString textAt(int row, int col) const override;
    std::optional<quint32> foreColorAt(int row, int col) const override;
    bool boldAt(int row, int col) const override;
    bool italicAt(int, int) const override { return false; }
    int alignmentAt(int row, int col) const override;

  private:
    bool isListed(int row) const;
    void passOnChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight);

    const ResultRowsModel* listed_;
    int columns_;
    QStringList headers_;
};

}  // namespace ui
