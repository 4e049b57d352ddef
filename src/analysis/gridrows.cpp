#include "analysis/gridrows.h"

#include "records/records.h"

namespace analysis {
namespace {

GridRow& at(GridRows& rows, qint64 row) {
    return rows.at(static_cast<std::size_t>(row - 1));
}

// A row moved one place down by a duplication: texts, the form's colour and bold, and the
// colour of column 1 in every analysis cell.
void moveDown(const GridRow& from, GridRow& to) {
    for (int c = 0; c < kGridColumns; ++c) {
        to.cells[c].text = from.cells[c].text;
    }
    to[Column::Form].colour = from[Column::Form].colour;
    to[Column::Form].bold = true;
    for (int c = 1; c < kGridColumns; ++c) {
        to.cells[c].colour = from[Column::Lemma].colour;
        to.cells[c].italic = from.cells[c].italic;
    }
}

}  // namespace

RowTexts GridRow::texts() const {
    RowTexts t;
    for (int c = 0; c < kGridColumns; ++c) {
        t[c] = cells[c].text;
    }
    return t;
}

GridRows validated(GridRows rows, qint64 row, const DetailFields& f) {
    GridRow& r = at(rows, row);
    r[Column::Form].text = f.form;
    r[Column::Lemma].text = f.lemma;
    r[Column::Translation].text = f.translation;
    r[Column::Category].text = f.category;
    r[Column::CaseGenderNumber].text = f.caseGenderNumber;
    r[Column::MoodTenseVoice].text = f.moodTenseVoice;
    for (Cell& cell : r.cells) {
        cell.italic = false;
    }
    return rows;
}

GridRows withRowDeleted(GridRows rows, qint64 row) {
    at(rows, row);  // the row must exist
    for (std::size_t k = static_cast<std::size_t>(row); k < rows.size(); ++k) {
        GridRow& up = rows[k - 1];
        const GridRow& down = rows[k];
        for (int c = 0; c < kGridColumns; ++c) {
            up.cells[c].text = down.cells[c].text;
            if (c > 0) {
                up.cells[c].colour = down.cells[c].colour;
                up.cells[c].italic = down.cells[c].italic;
            }
        }
    }
    for (Cell& cell : rows.back().cells) {
        cell.text.clear();
        cell.italic = false;
    }
    return rows;
}

GridRows withRowDuplicated(GridRows rows, qint64 row) {
    const GridRow source = at(rows, row);
    const auto lastBefore = static_cast<qint64>(rows.size());
    rows.emplace_back();
    for (qint64 g = lastBefore; g > row; --g) {
        moveDown(at(rows, g), at(rows, g + 1));
    }
    GridRow& added = at(rows, row + 1);
    added[Column::Form] = {source[Column::Form].text, source[Column::Form].colour, true};
    for (int c = 1; c <= 5; ++c) {
        added.cells[c].text = records::kEmptyMarker;
    }
    added[Column::Indicator].text = source[Column::Indicator].text;
    for (int c = 1; c < kGridColumns; ++c) {
        added.cells[c].colour = source[Column::Lemma].colour;
        added.cells[c].italic = false;  // a new analysis to enter, not a proposal
    }
    return rows;
}

}  // namespace analysis
