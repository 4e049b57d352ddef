#include "core/grid/keeping.h"

#include "core/lookup/thesauruslists.h"
#include "core/records/records.h"

namespace analysis {
namespace {

bool sameOccurrence(const GridRow& a, const GridRow& b) {
    if (a.occurrence >= 0 || b.occurrence >= 0) {
        return a.occurrence == b.occurrence;
    }
    return a[Column::Form].text == b[Column::Form].text && !a[Column::Form].text.isEmpty();
}

// What makes two rows the same analysis; the translation is left out.
struct AnalysisKey {
    QString lemma, category, caseGenderNumber, moodTenseVoice;
    bool operator==(const AnalysisKey&) const = default;
};

AnalysisKey keyOf(const GridRow& row) {
    return {comparable(row[Column::Lemma].text), comparable(row[Column::Category].text),
            comparable(row[Column::CaseGenderNumber].text),
            comparable(row[Column::MoodTenseVoice].text)};
}

// The row left alone for its occurrence shows no ambiguity any more.
GridRow unambiguous(GridRow row) {
    for (int c = index(Column::Lemma); c <= index(Column::MoodTenseVoice); ++c) {
        if (row.cells[c].colour == kAmbiguityColour) {
            row.cells[c].colour.reset();
        }
    }
    return row;
}

// The end of the occurrence that starts at index i (one past its last row).
std::size_t occurrenceEnd(const GridRows& rows, std::size_t i) {
    std::size_t end = i + 1;
    while (end < rows.size() && sameOccurrence(rows[i], rows[end])) {
        ++end;
    }
    return end;
}

}  // namespace

RowSpan occurrenceOf(const GridRows& rows, qint64 row) {
    const auto at = static_cast<std::size_t>(row - 1);
    std::size_t first = at;
    while (first > 0 && sameOccurrence(rows[first - 1], rows[at])) {
        --first;
    }
    const std::size_t end = occurrenceEnd(rows, at);
    return {static_cast<qint64>(first) + 1, static_cast<qint64>(end)};
}

// The occurrence at rows [first, end) reduced to the row at `keep`.
void reduce(Kept& kept, const GridRows& rows, std::size_t first, std::size_t end,
            std::size_t keep) {
    kept.edit.hunks.push_back({static_cast<qint64>(first) + 1,
                               GridRows(rows.begin() + static_cast<std::ptrdiff_t>(first),
                                        rows.begin() + static_cast<std::ptrdiff_t>(end)),
                               {unambiguous(rows[keep])}});
    kept.removed += static_cast<qint64>(end - first) - 1;
    ++kept.occurrences;
}

Kept keepingAnalysis(const GridRows& rows, qint64 row) {
    const RowSpan span = occurrenceOf(rows, row);
    Kept kept;
    kept.keptRow = row;
    if (span.size() > 1) {
        reduce(kept, rows, static_cast<std::size_t>(span.first - 1),
               static_cast<std::size_t>(span.last), static_cast<std::size_t>(row - 1));
        kept.keptRow = span.first;
    }
    return kept;
}

Kept keepingAnalysisEverywhere(const GridRows& rows, qint64 row) {
    const QString form = comparable(rows[static_cast<std::size_t>(row - 1)][Column::Form].text);
    std::vector<qint64> rowsOfTheForm;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (comparable(rows[i][Column::Form].text) == form) {
            rowsOfTheForm.push_back(static_cast<qint64>(i) + 1);
        }
    }
    return keepingAnalysisEverywhere(rows, row, rowsOfTheForm);
}

Kept keepingAnalysisEverywhere(const GridRows& rows, qint64 row,
                               const std::vector<qint64>& rowsOfTheForm) {
    const auto chosenAt = static_cast<std::size_t>(row - 1);
    const GridRow& chosen = rows[chosenAt];
    const QString form = comparable(chosen[Column::Form].text);
    const AnalysisKey key = keyOf(chosen);
    Kept kept;
    std::size_t done = 0;  // the rows before this are dealt with
    for (const qint64 candidate : rowsOfTheForm) {
        const RowSpan span = occurrenceOf(rows, candidate);
        const auto i = static_cast<std::size_t>(span.first - 1);
        const auto end = static_cast<std::size_t>(span.last);
        if (i < done) {
            continue;
        }
        done = end;
        const bool chosenHere = chosenAt >= i && chosenAt < end;
        if (!chosenHere && comparable(rows[i][Column::Form].text) != form) {
            continue;  // an occurrence is taken by the form of its first row
        }
        std::size_t keep = end;
        if (end - i > 1 && chosenHere) {
            keep = chosenAt;
        } else if (end - i > 1) {
            for (std::size_t k = i; k < end && keep == end; ++k) {
                keep = keyOf(rows[k]) == key ? k : end;
            }
        }
        if (chosenHere) {
            // The rows the hunks before take out of the grid.
            kept.keptRow = static_cast<qint64>(keep == end ? chosenAt : i) + 1 - kept.removed;
        }
        if (keep != end) {
            reduce(kept, rows, i, end, keep);
        }
    }
    if (kept.keptRow == 0) {  // the chosen row was not among the form's rows
        kept.keptRow = row;
        for (const RowsHunk& h : kept.edit.hunks) {
            kept.keptRow += h.first < row ? h.sizeChange() : 0;
        }
    }
    return kept;
}

}  // namespace analysis
