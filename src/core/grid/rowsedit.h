#pragma once

#include "core/grid/gridrows.h"

#include <vector>

// A change of an analysis grid kept as the stretches of rows that changed, so that doing and
// undoing it cost what the change costs, whatever the size of the grid.
namespace analysis {

// At grid row `first` of the grid the edit applies to, the rows `removed` go and the rows
// `inserted` come in their place; the rows after them follow.
struct RowsHunk {
    qint64 first = 1;
    GridRows removed;
    GridRows inserted;
    qint64 sizeChange() const {
        return static_cast<qint64>(inserted.size()) - static_cast<qint64>(removed.size());
    }
    bool operator==(const RowsHunk&) const = default;
};

// Hunks in grid order, none overlapping another; adjacent ones are allowed.
struct RowsEdit {
    std::vector<RowsHunk> hunks;
    bool empty() const { return hunks.empty(); }
    bool operator==(const RowsEdit&) const = default;
};

// The edit that takes the grid back: each hunk's rows swapped, placed where the edit left them.
RowsEdit reversed(const RowsEdit& edit);

// Applies the edit in one pass over the rows.
void applyEdit(GridRows& rows, const RowsEdit& edit);

// The edit of one stretch, rows shared at its start and at its end left out; empty when the
// stretch does not change.
RowsEdit stretchEdit(qint64 first, GridRows before, GridRows after);

// The edits of deleting and duplicating grid row `row`: the row that goes or comes, and, where
// the rows moving up or down change their format on the way, those rows (rarely any: the
// formats of a grid are nearly always the same in every row). They do what withRowDeleted()
// and withRowDuplicated() do.
RowsEdit deletionEdit(const GridRows& rows, qint64 row);
RowsEdit duplicationEdit(const GridRows& rows, qint64 row);

}  // namespace analysis
