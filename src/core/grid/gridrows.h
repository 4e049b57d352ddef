#pragma once

#include "core/grid/largeblocks.h"
#include "core/grid/sharedtext.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

// The rows of an analysis grid as values, and the edits the workspace makes to them: the window
// computes the new rows here and only shows them.
namespace analysis {

// The seven columns of an analysis grid, in grid order.
enum class Column {
    Form,
    Lemma,
    Translation,
    Category,
    CaseGenderNumber,
    MoodTenseVoice,
    Indicator
};
constexpr int kGridColumns = 7;
constexpr int index(Column c) {
    return static_cast<int>(c);
}
// The analysis cells are every column after the form; the user enters the lemma to the mood,
// tense and voice.
constexpr int kFirstAnalysisColumn = index(Column::Lemma);
constexpr int kLastEnteredColumn = index(Column::MoodTenseVoice);

// Text colours, as 0xBBGGRR values: the bold form cell of every row, and the analysis cells of a
// form with several analyses.
constexpr quint32 kFormColour = 0xC00000;
constexpr quint32 kAmbiguityColour = 0x0080FF;
// The analysis cells of a row the program chose as the most probable in context (green), until
// the user validates it.
constexpr quint32 kChosenColour = 0x008000;

using RowTexts = std::array<QString, kGridColumns>;

// The texts of the header row: "Formes", "Lemme", ... "Indic.".
const QStringList& gridHeaders();

// The detail fields of a workspace, Text1 to Text6: the first six columns of the selected row.
struct DetailFields {
    QString form;
    QString lemma;
    QString translation;
    QString category;
    QString caseGenderNumber;
    QString moodTenseVoice;
};

// Eight bytes: a large text's grid has millions of cells.
struct Cell {
    SharedText text;
    CellColour colour;  // none: the grid's default colour
    bool bold = false;
    bool italic = false;  // an analysis proposed from the morphology database, not yet validated
    bool operator==(const Cell&) const = default;
};

struct GridRow {
    std::array<Cell, kGridColumns> cells;
    // The word of the text this row analyses (its index in the text's word forms), which tells
    // one occurrence of a form from the next; -1 when not known.
    qint64 occurrence = -1;

    Cell& operator[](Column c) { return cells[static_cast<std::size_t>(index(c))]; }
    const Cell& operator[](Column c) const { return cells[static_cast<std::size_t>(index(c))]; }
    RowTexts texts() const;
    bool operator==(const GridRow&) const = default;
};

// Grid rows 1 to n (below the header), at indices 0 to n - 1.
using GridRows = std::vector<GridRow, LargeBlockAllocator<GridRow>>;

// Validation: the detail fields replace the texts of columns 0 to 5 as they stand; the
// indicator and every colour stay, but the program's choice: the user has made it theirs. The row
// is no longer a proposal: its italics go.
GridRows validated(GridRows rows, qint64 row, const DetailFields& fields);

// Deletion: the rows below move up one (texts, and the colours and italics of columns 1 to 6);
// the last row is emptied of its texts and italics, so the grid keeps its number of rows.
GridRows withRowDeleted(GridRows rows, qint64 row);

// Duplication: a new row after `row` holds the same form (its colour, bold), "_" in columns 1
// to 5 and the same indicator, its analysis cells in the colour of the row's column 1. The rows
// below move down, each analysis cell taking the colour of its row's column 1 and keeping its
// italics.
GridRows withRowDuplicated(GridRows rows, qint64 row);

// The steps of those two, on one row: a row moving down into the place of `to` (duplication)
// or up (deletion) takes some of its format from the place; the row a duplication adds in
// place of `added`; the row a deletion leaves empty at the bottom.
void moveDown(const GridRow& from, GridRow& to);
void shiftInto(const GridRow& from, GridRow& to);
void fillDuplicate(const GridRow& source, GridRow& added);
void clearRow(GridRow& row);

// Narrows a change of rows `first` on from `before` to `after` to the rows that really differ:
// the rows the two share at their start and at their end are dropped from both.
void dropUnchangedRows(qint64& first, GridRows& before, GridRows& after);

}  // namespace analysis
