#pragma once

#include <QString>

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

// Text colours, as 0xBBGGRR values: the bold form cell of every row, and the analysis cells of a
// form with several analyses.
constexpr quint32 kFormColour = 0xC00000;
constexpr quint32 kAmbiguityColour = 0x0080FF;

using RowTexts = std::array<QString, kGridColumns>;

// The detail fields of a workspace, Text1 to Text6: the first six columns of the selected row.
struct DetailFields {
    QString form;
    QString lemma;
    QString translation;
    QString category;
    QString caseGenderNumber;
    QString moodTenseVoice;
};

struct Cell {
    QString text;
    std::optional<quint32> colour;  // none: the grid's default colour
    bool bold = false;
    bool italic = false;  // an analysis proposed from the morphology database, not yet validated
    bool operator==(const Cell&) const = default;
};

struct GridRow {
    std::array<Cell, kGridColumns> cells;

    Cell& operator[](Column c) { return cells[static_cast<std::size_t>(index(c))]; }
    const Cell& operator[](Column c) const { return cells[static_cast<std::size_t>(index(c))]; }
    RowTexts texts() const;
    bool operator==(const GridRow&) const = default;
};

// Grid rows 1 to n (below the header), at indices 0 to n - 1.
using GridRows = std::vector<GridRow>;

// Validation: the detail fields replace the texts of columns 0 to 5 as they stand; the
// indicator and every colour stay. The row is no longer a proposal: its italics go.
GridRows validated(GridRows rows, qint64 row, const DetailFields& fields);

// Deletion: the rows below move up one (texts, and the colours and italics of columns 1 to 6);
// the last row is emptied of its texts and italics, so the grid keeps its number of rows.
GridRows withRowDeleted(GridRows rows, qint64 row);

// Duplication: a new row after `row` holds the same form (its colour, bold), "_" in columns 1
// to 5 and the same indicator, its analysis cells in the colour of the row's column 1. The rows
// below move down, each analysis cell taking the colour of its row's column 1 and keeping its
// italics.
GridRows withRowDuplicated(GridRows rows, qint64 row);

}  // namespace analysis
