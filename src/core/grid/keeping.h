#pragma once

#include "core/grid/gridrows.h"
#include "core/grid/rowsedit.h"

// Keeping one analysis of an ambiguous occurrence: the user chooses the right row once, and the
// occurrence's other analyses go, here or at every occurrence of the form.
namespace analysis {

// Grid rows first to last.
struct RowSpan {
    qint64 first = 0;
    qint64 last = -1;
    qint64 size() const { return last - first + 1; }
};

// The consecutive rows that analyse the same occurrence as `row`: those of the same word of the
// text when the rows know it, otherwise those of the same form as written.
RowSpan occurrenceOf(const GridRows& rows, qint64 row);

struct Kept {
    RowsEdit edit;           // each occurrence reduced: its rows, and the row left
    qint64 removed = 0;      // rows taken out of the grid
    qint64 keptRow = 0;      // where the chosen row is after the edit
    qint64 occurrences = 0;  // occurrences reduced to one analysis
};

// Removes the other rows of the row's occurrence. The row left is no longer ambiguous: its
// analysis cells lose the ambiguity colour.
Kept keepingAnalysis(const GridRows& rows, qint64 row);

// The same at every occurrence of the row's form (lower-cased, trailing spaces removed) that has
// the row's analysis among its rows: same lemma, category, case-gender-number and
// mood-tense-voice, compared lower-cased without trailing spaces. Each keeps its first such row.
Kept keepingAnalysisEverywhere(const GridRows& rows, qint64 row);
// The same, given the rows of the form in grid order (FormIndex::rowsOf()): it reads only the
// occurrences of those rows.
Kept keepingAnalysisEverywhere(const GridRows& rows, qint64 row,
                               const std::vector<qint64>& rowsOfTheForm);

}  // namespace analysis
