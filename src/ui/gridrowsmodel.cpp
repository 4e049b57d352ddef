#include "ui/gridrowsmodel.h"

#include <algorithm>
#include <iterator>

namespace ui {
namespace {

constexpr int kCentre = 4;
constexpr int kLeftTop = 0;
constexpr std::size_t kHunksAnnounced = 8;

}  // namespace

GridRowsModel::GridRowsModel(QObject* parent) : GridCells(parent) {}

const analysis::GridRow& GridRowsModel::at(qint64 row) const {
    return rows_.at(static_cast<std::size_t>(row - 1));
}

analysis::GridRows GridRowsModel::slice(qint64 first, qint64 last) const {
    first = std::max<qint64>(first, 1);
    last = std::min(last, count());
    if (last < first) {
        return {};
    }
    return {rows_.begin() + (first - 1), rows_.begin() + last};
}

void GridRowsModel::setAll(analysis::GridRows rows) {
    beginResetModel();
    rows_ = std::move(rows);
    forms_.clear();
    endResetModel();
    emit cornerChanged();
}

void GridRowsModel::replace(qint64 first, qint64 count, analysis::GridRows rows) {
    first = std::clamp<qint64>(first, 1, this->count() + 1);
    count = std::clamp<qint64>(count, 0, this->count() - first + 1);
    forms_.update(first, count, rows);
    const auto size = static_cast<qint64>(rows.size());
    const qint64 kept = std::min(count, size);
    const auto at = rows_.begin() + (first - 1);
    std::move(rows.begin(), rows.begin() + kept, at);
    announceRows(first, first + kept - 1);
    // Model rows are grid rows less the header.
    if (size > count) {
        beginInsertRows({}, int(first - 1 + count), int(first - 1 + size - 1));
        rows_.insert(at + count, std::make_move_iterator(rows.begin() + kept),
                     std::make_move_iterator(rows.end()));
        endInsertRows();
    } else if (size < count) {
        beginRemoveRows({}, int(first - 1 + size), int(first - 1 + count - 1));
        rows_.erase(at + size, at + count);
        endRemoveRows();
    }
}

void GridRowsModel::apply(const analysis::RowsEdit& edit) {
    if (edit.hunks.size() <= kHunksAnnounced) {
        // From the last, so that each hunk's row is still where the edit says.
        for (auto h = edit.hunks.rbegin(); h != edit.hunks.rend(); ++h) {
            replace(h->first, static_cast<qint64>(h->removed.size()), h->inserted);
        }
        return;
    }
    beginResetModel();
    analysis::applyEdit(rows_, edit);
    forms_.update(edit);
    endResetModel();
}

std::vector<qint64> GridRowsModel::rowsOfForm(const QString& form) const {
    if (!forms_.built()) {
        forms_.build(rows_);
    }
    return forms_.rowsOf(form);
}

void GridRowsModel::announceRows(qint64 first, qint64 last) {
    if (last < first) {
        return;
    }
    emit headerDataChanged(Qt::Vertical, int(first - 1), int(last - 1));
    emit dataChanged(index(int(first - 1), 0), index(int(last - 1), cols() - 2));
}

const analysis::Cell* GridRowsModel::cell(int row, int col) const {
    if (row < 1 || !contains(row, col)) {
        return nullptr;
    }
    return &rows_[static_cast<std::size_t>(row - 1)].cells[static_cast<std::size_t>(col)];
}

QString GridRowsModel::textAt(int row, int col) const {
    if (row == 0 && contains(row, col)) {
        return analysis::gridHeaders()[col];
    }
    const analysis::Cell* c = cell(row, col);
    return c ? c->text.str() : QString();
}

std::optional<quint32> GridRowsModel::foreColorAt(int row, int col) const {
    const analysis::Cell* c = cell(row, col);
    return c ? std::optional<quint32>(c->colour) : std::nullopt;
}

bool GridRowsModel::boldAt(int row, int col) const {
    const analysis::Cell* c = cell(row, col);
    return c && c->bold;
}

bool GridRowsModel::italicAt(int row, int col) const {
    const analysis::Cell* c = cell(row, col);
    return c && c->italic;
}

// The headers centred; the case, gender and number at the top left, as they were always shown.
int GridRowsModel::alignmentAt(int row, int col) const {
    if (row == 0) {
        return kCentre;
    }
    return col == analysis::index(analysis::Column::CaseGenderNumber) ? kLeftTop : AlignGeneral;
}

}  // namespace ui
