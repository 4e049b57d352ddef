#include "windows/browsers/resultcells.h"

#include "core/grid/gridrows.h"
#include "windows/browsers/resultrows.h"

namespace ui {
namespace {

// Headers centred; the translation column (column 4) from the top left, where long
// translations wrap.
constexpr int kCentre = 4;
constexpr int kLeftTop = 0;
constexpr int kTranslationColumn = 4;
// The header and the empty row below the listed rows.
constexpr int kDesignRows = 2;

}  // namespace

ResultCells::ResultCells(const ResultRowsModel* rows, int columns, QObject* parent)
    : GridCells(parent), listed_(rows), columns_(columns) {
    // Model row i is grid row i + 1, which is Qt row i here too: row changes pass on as they are.
    connect(rows, &QAbstractItemModel::modelAboutToBeReset, this, [this] { beginResetModel(); });
    connect(rows, &QAbstractItemModel::modelReset, this, [this] { endResetModel(); });
    connect(rows, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex&, int first, int last) { beginRemoveRows({}, first, last); });
    connect(rows, &QAbstractItemModel::rowsRemoved, this, [this] { endRemoveRows(); });
    connect(rows, &QAbstractItemModel::dataChanged, this, &ResultCells::passOnChanged);
}

void ResultCells::showHeaders(const QStringList& headers) {
    headers_ = headers;
    emit cornerChanged();
    if (columns_ > 1) {
        emit headerDataChanged(Qt::Horizontal, 0, columns_ - 2);
    }
}

int ResultCells::rows() const {
    return kDesignRows + listed_->rowCount();
}

bool ResultCells::isListed(int row) const {
    return row >= 1 && row <= listed_->rowCount();
}

QString ResultCells::textAt(int row, int col) const {
    if (col < 0 || col >= cols()) {
        return {};
    }
    if (row == 0) {
        return headers_.value(col);
    }
    return isListed(row) ? listed_->textAt(row - 1, col) : QString();
}

std::optional<quint32> ResultCells::foreColorAt(int row, int col) const {
    if (col == 0 && isListed(row)) {
        return analysis::kFormColour;
    }
    return std::nullopt;
}

bool ResultCells::boldAt(int row, int col) const {
    return col == 0 && isListed(row);
}

int ResultCells::alignmentAt(int row, int col) const {
    if (row == 0) {
        return kCentre;
    }
    return col == kTranslationColumn ? kLeftTop : AlignGeneral;
}

// Column 0 is the grid's fixed column, drawn as the row headers.
void ResultCells::passOnChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight) {
    const int first = topLeft.row();
    const int last = bottomRight.row();
    emit headerDataChanged(Qt::Vertical, first, last);
    if (cols() > 1) {
        emit dataChanged(index(first, 0), index(last, cols() - 2));
    }
}

}  // namespace ui
