#include "ui/gridmodel.h"

#include <QBrush>
#include <QFont>

#include <algorithm>

namespace ui {

namespace {

bool isAlignment(int alignment) {
    return alignment >= 0 && alignment <= GridCells::AlignGeneral;
}

// Fixed-width fields end in padding; shown as is, an elided cell would read "rosa   …".
QString withoutTrailingSpaces(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ') {
        --end;
    }
    return end == text.size() ? text : text.first(end);
}

}  // namespace

GridModel::GridModel(QObject* parent) : GridCells(parent), cells_(1), colAlignments_(1, -1) {}

void GridModel::setRows(int rows) {
    rows = std::max(rows, 1);
    if (rows == rows_) {
        return;
    }
    if (!redraw_) {
        resizeRows(rows);
    } else if (rows > rows_) {
        beginInsertRows({}, rows_ - 1, rows - 2);
        resizeRows(rows);
        endInsertRows();
    } else {
        beginRemoveRows({}, rows - 1, rows_ - 2);
        resizeRows(rows);
        endRemoveRows();
    }
}

void GridModel::setCols(int cols) {
    cols = std::max(cols, 1);
    if (cols == cols_) {
        return;
    }
    if (!redraw_) {
        resizeCols(cols);
    } else if (cols > cols_) {
        beginInsertColumns({}, cols_ - 1, cols - 2);
        resizeCols(cols);
        endInsertColumns();
    } else {
        beginRemoveColumns({}, cols - 1, cols_ - 2);
        resizeCols(cols);
        endRemoveColumns();
    }
}

void GridModel::resizeRows(int rows) {
    cells_.resize(std::size_t(rows) * cols_);
    rows_ = rows;
}

void GridModel::resizeCols(int cols) {
    std::vector<Cell> cells(std::size_t(rows_) * cols);
    const int kept = std::min(cols, cols_);
    for (int r = 0; r < rows_; ++r) {
        for (int c = 0; c < kept; ++c) {
            cells[std::size_t(r) * cols + c] = std::move(cell(r, c));
        }
    }
    cells_.swap(cells);
    colAlignments_.resize(cols, -1);
    cols_ = cols;
}

QString GridModel::textAt(int row, int col) const {
    return contains(row, col) ? cell(row, col).text : QString();
}

void GridModel::setTextAt(int row, int col, const QString& text) {
    if (!contains(row, col) || cell(row, col).text == text) {
        return;
    }
    cell(row, col).text = text;
    announceCell(row, col, Qt::DisplayRole);
}

std::optional<quint32> GridModel::foreColorAt(int row, int col) const {
    if (!contains(row, col) || !cell(row, col).hasColor) {
        return std::nullopt;
    }
    return cell(row, col).color;
}

void GridModel::setForeColorAt(int row, int col, std::optional<quint32> bgr) {
    if (!contains(row, col) || foreColorAt(row, col) == bgr) {
        return;
    }
    Cell& target = cell(row, col);
    target.hasColor = bgr.has_value();
    target.color = bgr.value_or(0);
    announceCell(row, col, Qt::ForegroundRole);
}

bool GridModel::boldAt(int row, int col) const {
    return contains(row, col) && cell(row, col).bold;
}

void GridModel::setBoldAt(int row, int col, bool bold) {
    if (!contains(row, col) || cell(row, col).bold == bold) {
        return;
    }
    cell(row, col).bold = bold;
    announceCell(row, col, Qt::FontRole);
}

bool GridModel::italicAt(int row, int col) const {
    return contains(row, col) && cell(row, col).italic;
}

void GridModel::setItalicAt(int row, int col, bool italic) {
    if (!contains(row, col) || cell(row, col).italic == italic) {
        return;
    }
    cell(row, col).italic = italic;
    announceCell(row, col, Qt::FontRole);
}

int GridModel::alignmentAt(int row, int col) const {
    if (!contains(row, col)) {
        return AlignGeneral;
    }
    if (cell(row, col).alignment >= 0) {
        return cell(row, col).alignment;
    }
    return colAlignments_[col] >= 0 ? colAlignments_[col] : AlignGeneral;
}

void GridModel::setAlignmentAt(int row, int col, int alignment) {
    if (!contains(row, col) || !isAlignment(alignment) || cell(row, col).alignment == alignment) {
        return;
    }
    cell(row, col).alignment = qint8(alignment);
    announceCell(row, col, Qt::TextAlignmentRole);
}

void GridModel::setColAlignment(int col, int alignment) {
    if (col < 0 || col >= cols_ || !isAlignment(alignment)) {
        return;
    }
    colAlignments_[col] = qint8(alignment);
    if (!redraw_) {
        return;
    }
    if (col == 0) {
        emit cornerChanged();
        if (rows_ > 1) {
            emit headerDataChanged(Qt::Vertical, 0, rows_ - 2);
        }
        return;
    }
    emit headerDataChanged(Qt::Horizontal, col - 1, col - 1);
    if (rows_ > 1) {
        emit dataChanged(index(0, col - 1), index(rows_ - 2, col - 1), {Qt::TextAlignmentRole});
    }
}

void GridModel::clear() {
    std::fill(cells_.begin(), cells_.end(), Cell{});
    if (!redraw_) {
        return;
    }
    emit cornerChanged();
    if (cols_ > 1) {
        emit headerDataChanged(Qt::Horizontal, 0, cols_ - 2);
    }
    if (rows_ > 1) {
        emit headerDataChanged(Qt::Vertical, 0, rows_ - 2);
    }
    if (rows_ > 1 && cols_ > 1) {
        emit dataChanged(index(0, 0), index(rows_ - 2, cols_ - 2));
    }
}

void GridModel::setRedraw(bool on) {
    if (on == redraw_) {
        return;
    }
    redraw_ = on;
    if (on) {
        // Views may hold any stale count or content: one reset brings them up to date.
        beginResetModel();
        endResetModel();
        emit cornerChanged();
    }
}

// Writes to single cells announce only that cell, so filling a large grid costs no view work
// proportional to its size.
void GridCells::announceCell(int row, int col, int role) {
    if (!redraw()) {
        return;
    }
    if (row == 0 && col == 0) {
        emit cornerChanged();
    } else if (row == 0) {
        emit headerDataChanged(Qt::Horizontal, col - 1, col - 1);
    } else if (col == 0) {
        emit headerDataChanged(Qt::Vertical, row - 1, row - 1);
    } else {
        const QModelIndex changed = index(row - 1, col - 1);
        emit dataChanged(changed, changed, {role});
    }
}

QColor GridCells::toQColor(quint32 bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

Qt::Alignment GridCells::toQtAlignment(int alignment) {
    if (!isAlignment(alignment) || alignment == AlignGeneral) {
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
    static constexpr Qt::AlignmentFlag horizontal[] = {Qt::AlignLeft, Qt::AlignHCenter,
                                                       Qt::AlignRight};
    static constexpr Qt::AlignmentFlag vertical[] = {Qt::AlignTop, Qt::AlignVCenter,
                                                     Qt::AlignBottom};
    return horizontal[alignment / 3] | vertical[alignment % 3];
}

int GridCells::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows() - 1;
}

int GridCells::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : cols() - 1;
}

QVariant GridCells::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    return cellData(index.row() + 1, index.column() + 1, role);
}

QVariant GridCells::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal) {
        return cellData(0, section + 1, role);
    }
    return cellData(section + 1, 0, role);
}

QVariant GridCells::cellData(int row, int col, int role) const {
    if (!contains(row, col)) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return withoutTrailingSpaces(textAt(row, col));
        case Qt::ForegroundRole: {
            const auto colour = foreColorAt(row, col);
            return colour ? QVariant(QBrush(toQColor(*colour))) : QVariant();
        }
        case Qt::FontRole: {
            const bool bold = boldAt(row, col);
            const bool italic = italicAt(row, col);
            if (!bold && !italic) {
                return {};
            }
            QFont font;  // only the weight and style are set: the view supplies the rest
            if (bold) {
                font.setBold(true);
            }
            if (italic) {
                font.setItalic(true);
            }
            return font;
        }
        case Qt::TextAlignmentRole:
            return int(toQtAlignment(alignmentAt(row, col)));
        default:
            return {};
    }
}

Qt::ItemFlags GridCells::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

}  // namespace ui
