#pragma once

#include "core/grid/rowsedit.h"

#include <QHash>
#include <QString>

#include <vector>

namespace analysis {

// The grid rows of each form as written, so that a command on every occurrence of a form finds
// them without reading the whole grid. Kept up to date edit by edit: the rows of an edit's
// hunks come and go, the rows after them move by whole numbers.
class FormIndex {
  public:
    void build(const GridRows& rows);
    void clear();
    bool built() const { return built_; }

    // The rows, in grid order, whose form compares as `form` does (lower-cased, trailing spaces
    // removed, as comparable() writes it).
    std::vector<qint64> rowsOf(const QString& form) const;

    // Follows an edit just applied to the rows, or the replacement of `count` rows from row
    // `first` on by `rows`.
    void update(const RowsEdit& edit);
    void update(qint64 first, qint64 count, const GridRows& rows);

    // One hunk as the index sees it: where, how many rows went, which came.
    struct Change {
        qint64 first;
        qint64 removed;
        const GridRows* inserted;
    };

  private:
    void update(const std::vector<Change>& changes);
    void add(const GridRow& row, qint64 at);

    QHash<QString, std::vector<qint64>> rows_;  // by the form cell's text
    bool built_ = false;
};

}  // namespace analysis
