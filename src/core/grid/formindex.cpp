#include "core/grid/formindex.h"

#include "core/lookup/thesauruslists.h"

#include <QSet>

#include <algorithm>

namespace analysis {
namespace {

// Where the rows after each hunk start and how far they move: hunk i removes rows
// [starts[i], ends[i]); a row at or after ends[i] and before starts[i + 1] moves by shifts[i + 1].
struct Moves {
    std::vector<qint64> starts, ends, shifts;

    explicit Moves(const std::vector<FormIndex::Change>& changes) {
        shifts.push_back(0);
        for (const FormIndex::Change& c : changes) {
            starts.push_back(c.first);
            ends.push_back(c.first + c.removed);
            shifts.push_back(shifts.back() + static_cast<qint64>(c.inserted->size()) - c.removed);
        }
    }

    // The row's place after the edit; 0 when the edit removed it. `hunks` is the number of
    // hunks that start at or before a smaller row: the rows of a form come in grid order, and
    // most are a few hunks from the one before, so the search starts there.
    qint64 after(qint64 row, std::size_t& hunks) const {
        constexpr int kSteps = 8;
        for (int step = 0; step < kSteps && hunks < starts.size() && starts[hunks] <= row; ++step) {
            ++hunks;
        }
        if (hunks < starts.size() && starts[hunks] <= row) {
            hunks = static_cast<std::size_t>(
                std::upper_bound(starts.begin() + static_cast<std::ptrdiff_t>(hunks), starts.end(),
                                 row) -
                starts.begin());
        }
        if (hunks > 0 && row < ends[hunks - 1]) {
            return 0;
        }
        return row + shifts[hunks];
    }
};

}  // namespace

void FormIndex::build(const GridRows& rows) {
    rows_.clear();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        add(rows[i], static_cast<qint64>(i) + 1);
    }
    built_ = true;
}

void FormIndex::clear() {
    rows_.clear();
    built_ = false;
}

void FormIndex::add(const GridRow& row, qint64 at) {
    rows_[row[Column::Form].text].push_back(at);
}

std::vector<qint64> FormIndex::rowsOf(const QString& form) const {
    std::vector<qint64> found;
    for (auto it = rows_.cbegin(); it != rows_.cend(); ++it) {
        if (comparable(it.key()) == form) {
            found.insert(found.end(), it.value().begin(), it.value().end());
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

void FormIndex::update(const RowsEdit& edit) {
    std::vector<Change> changes;
    changes.reserve(edit.hunks.size());
    for (const RowsHunk& h : edit.hunks) {
        changes.push_back({h.first, static_cast<qint64>(h.removed.size()), &h.inserted});
    }
    update(changes);
}

void FormIndex::update(qint64 first, qint64 count, const GridRows& rows) {
    update(std::vector<Change>{{first, count, &rows}});
}

void FormIndex::update(const std::vector<Change>& changes) {
    if (!built_ || changes.empty()) {
        return;
    }
    const Moves moves(changes);
    const qint64 firstTouched = changes.front().first;
    for (auto it = rows_.begin(); it != rows_.end();) {
        std::vector<qint64>& rows = it.value();
        // The rows above the first hunk stay where they are.
        auto write = std::lower_bound(rows.begin(), rows.end(), firstTouched);
        std::size_t hunks = 0;
        for (auto read = write; read != rows.end(); ++read) {
            if (const qint64 now = moves.after(*read, hunks); now > 0) {
                *write++ = now;
            }
        }
        rows.erase(write, rows.end());
        it = rows.empty() ? rows_.erase(it) : std::next(it);
    }
    QSet<QString> grown;
    for (std::size_t i = 0; i < changes.size(); ++i) {
        const GridRows& inserted = *changes[i].inserted;
        const qint64 at = changes[i].first + moves.shifts[i];
        for (std::size_t k = 0; k < inserted.size(); ++k) {
            add(inserted[k], at + static_cast<qint64>(k));
            grown.insert(inserted[k][Column::Form].text);
        }
    }
    for (const QString& form : grown) {
        std::vector<qint64>& rows = rows_[form];
        std::sort(rows.begin(), rows.end());
    }
}

}  // namespace analysis
