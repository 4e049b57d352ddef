#include "core/grid/rowsedit.h"

#include <algorithm>
#include <iterator>

namespace analysis {
namespace {

// The place below the last row, where a duplication of the last row lands.
const GridRow kNoRow;

const GridRow& at(const GridRows& rows, qint64 row) {
    return rows.at(static_cast<std::size_t>(row - 1));
}

// Whether a row moving up from `below` into the place of `above` keeps its format: the places
// hold the form's colour, bold and italics and the analysis cells' bold.
bool sameSeat(const GridRow& above, const GridRow& below) {
    if (above[Column::Form].colour != below[Column::Form].colour ||
        above[Column::Form].bold != below[Column::Form].bold ||
        above[Column::Form].italic != below[Column::Form].italic) {
        return false;
    }
    for (int c = kFirstAnalysisColumn; c < kGridColumns; ++c) {
        if (above.cells[c].bold != below.cells[c].bold) {
            return false;
        }
    }
    return true;
}

// Whether moveDown() leaves `from` as it is when it lands in the place of `to`.
bool keepsFormatMovingDown(const GridRow& from, const GridRow& to) {
    if (!from[Column::Form].bold || to[Column::Form].italic != from[Column::Form].italic) {
        return false;
    }
    for (int c = kFirstAnalysisColumn; c < kGridColumns; ++c) {
        if (from.cells[c].colour != from[Column::Lemma].colour ||
            to.cells[c].bold != from.cells[c].bold) {
            return false;
        }
    }
    return true;
}

RowsHunk replacing(qint64 row, const GridRow& was, GridRow now) {
    return {row, {was}, {std::move(now)}};
}

// Whether the rows can be rewritten in place from the start (no hunk grows the grid beyond
// what the hunks before it freed) or from the end.
bool shrinksAllAlong(const RowsEdit& edit) {
    qint64 change = 0;
    for (const RowsHunk& h : edit.hunks) {
        change += h.sizeChange();
        if (change > 0) {
            return false;
        }
    }
    return true;
}

bool growsAllAlong(const RowsEdit& edit) {
    qint64 change = 0;
    for (auto h = edit.hunks.rbegin(); h != edit.hunks.rend(); ++h) {
        change += h->sizeChange();
        if (change < 0) {
            return false;
        }
    }
    return true;
}

void applyForward(GridRows& rows, const RowsEdit& edit) {
    auto write = rows.begin();
    auto read = rows.begin();
    for (const RowsHunk& h : edit.hunks) {
        const auto start = rows.begin() + (h.first - 1);
        write = std::move(read, start, write);
        read = start + static_cast<std::ptrdiff_t>(h.removed.size());
        write = std::copy(h.inserted.begin(), h.inserted.end(), write);
    }
    write = std::move(read, rows.end(), write);
    rows.erase(write, rows.end());
}

void applyBackward(GridRows& rows, const RowsEdit& edit) {
    const auto oldSize = static_cast<std::ptrdiff_t>(rows.size());
    qint64 change = 0;
    for (const RowsHunk& h : edit.hunks) {
        change += h.sizeChange();
    }
    rows.resize(rows.size() + static_cast<std::size_t>(change));
    auto write = rows.end();
    auto read = rows.begin() + oldSize;
    for (auto h = edit.hunks.rbegin(); h != edit.hunks.rend(); ++h) {
        const auto end =
            rows.begin() + (h->first - 1) + static_cast<std::ptrdiff_t>(h->removed.size());
        write = std::move_backward(end, read, write);
        write = std::copy_backward(h->inserted.begin(), h->inserted.end(), write);
        read = rows.begin() + (h->first - 1);
    }
}

void applyCopying(GridRows& rows, const RowsEdit& edit) {
    GridRows out;
    std::size_t read = 0;
    for (const RowsHunk& h : edit.hunks) {
        const auto start = static_cast<std::size_t>(h.first - 1);
        std::move(rows.begin() + read, rows.begin() + start, std::back_inserter(out));
        out.insert(out.end(), h.inserted.begin(), h.inserted.end());
        read = start + h.removed.size();
    }
    std::move(rows.begin() + read, rows.end(), std::back_inserter(out));
    rows = std::move(out);
}

}  // namespace

RowsEdit reversed(const RowsEdit& edit) {
    RowsEdit back;
    back.hunks.reserve(edit.hunks.size());
    qint64 change = 0;
    for (const RowsHunk& h : edit.hunks) {
        back.hunks.push_back({h.first + change, h.inserted, h.removed});
        change += h.sizeChange();
    }
    return back;
}

void applyEdit(GridRows& rows, const RowsEdit& edit) {
    if (shrinksAllAlong(edit)) {
        applyForward(rows, edit);
    } else if (growsAllAlong(edit)) {
        applyBackward(rows, edit);
    } else {
        applyCopying(rows, edit);
    }
}

RowsEdit stretchEdit(qint64 first, GridRows before, GridRows after) {
    dropUnchangedRows(first, before, after);
    if (before.empty() && after.empty()) {
        return {};
    }
    return {{{first, std::move(before), std::move(after)}}};
}

RowsEdit deletionEdit(const GridRows& rows, qint64 row) {
    const auto last = static_cast<qint64>(rows.size());
    RowsEdit edit;
    edit.hunks.push_back({row, {at(rows, row)}, {}});
    for (qint64 q = row + 1; q <= last; ++q) {
        if (!sameSeat(at(rows, q - 1), at(rows, q))) {
            GridRow moved = at(rows, q - 1);
            shiftInto(at(rows, q), moved);
            edit.hunks.push_back(replacing(q, at(rows, q), std::move(moved)));
        }
    }
    GridRow emptied = rows.back();  // the grid keeps its number of rows
    clearRow(emptied);
    edit.hunks.push_back({last + 1, {}, {std::move(emptied)}});
    return edit;
}

RowsEdit duplicationEdit(const GridRows& rows, qint64 row) {
    const auto last = static_cast<qint64>(rows.size());
    const auto seatOf = [&](qint64 g) -> const GridRow& {
        return g <= last ? at(rows, g) : kNoRow;
    };
    RowsEdit edit;
    GridRow added = seatOf(row + 1);
    fillDuplicate(at(rows, row), added);
    edit.hunks.push_back({row + 1, {}, {std::move(added)}});
    for (qint64 g = row + 1; g <= last; ++g) {
        if (!keepsFormatMovingDown(at(rows, g), seatOf(g + 1))) {
            GridRow moved = seatOf(g + 1);
            moveDown(at(rows, g), moved);
            edit.hunks.push_back(replacing(g, at(rows, g), std::move(moved)));
        }
    }
    return edit;
}

}  // namespace analysis
