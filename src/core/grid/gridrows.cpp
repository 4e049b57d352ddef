#include "core/grid/gridrows.h"

#include "core/records/records.h"

namespace analysis {
namespace {

GridRow& at(GridRows& rows, qint64 row) {
    return rows.at(static_cast<std::size_t>(row - 1));
}

}  // namespace

// A row moved one place down by a duplication: texts, the form's colour and bold, and the
// colour of column 1 in every analysis cell.
void moveDown(const GridRow& from, GridRow& to) {
    to.occurrence = from.occurrence;
    for (int c = 0; c < kGridColumns; ++c) {
        to.cells[c].text = from.cells[c].text;
    }
    to[Column::Form].colour = from[Column::Form].colour;
    to[Column::Form].bold = true;
    for (int c = kFirstAnalysisColumn; c < kGridColumns; ++c) {
        to.cells[c].colour = from[Column::Lemma].colour;
        to.cells[c].italic = from.cells[c].italic;
    }
}

// A row moved by a deletion, or put back by its undoing: texts, and the analysis cells' colours
// and italics; the form keeps the colour and bold of the place it lands in.
void shiftInto(const GridRow& from, GridRow& to) {
    to.occurrence = from.occurrence;
    for (int c = 0; c < kGridColumns; ++c) {
        to.cells[c].text = from.cells[c].text;
        if (c >= kFirstAnalysisColumn) {
            to.cells[c].colour = from.cells[c].colour;
            to.cells[c].italic = from.cells[c].italic;
        }
    }
}

void fillDuplicate(const GridRow& source, GridRow& added) {
    added.occurrence = source.occurrence;  // one more analysis of the same word
    added[Column::Form] = {source[Column::Form].text, source[Column::Form].colour, true};
    for (int c = kFirstAnalysisColumn; c <= kLastEnteredColumn; ++c) {
        added.cells[c].text = records::kEmptyMarker;
    }
    added[Column::Indicator].text = source[Column::Indicator].text;
    for (int c = kFirstAnalysisColumn; c < kGridColumns; ++c) {
        added.cells[c].colour = source[Column::Lemma].colour;
        added.cells[c].italic = false;  // a new analysis to enter, not a proposal
    }
}

void clearRow(GridRow& row) {
    for (Cell& cell : row.cells) {
        cell.text.clear();
        cell.italic = false;
    }
    row.occurrence = -1;
}

const QStringList& gridHeaders() {
    static const QStringList headers = {QStringLiteral("Formes"),
                                        QStringLiteral("Lemme"),
                                        QStringLiteral("Traduction"),
                                        QStringLiteral("Cat. gramm."),
                                        QStringLiteral("Cas, genre, nombre"),
                                        QStringLiteral("Mode, temps, voix"),
                                        QStringLiteral("Indic.")};
    return headers;
}

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
        if (cell.colour == kChosenColour) {
            cell.colour.reset();
        }
    }
    return rows;
}

GridRows withRowDeleted(GridRows rows, qint64 row) {
    at(rows, row);  // the row must exist
    for (std::size_t k = static_cast<std::size_t>(row); k < rows.size(); ++k) {
        shiftInto(rows[k], rows[k - 1]);
    }
    clearRow(rows.back());
    return rows;
}

GridRows withRowDuplicated(GridRows rows, qint64 row) {
    const GridRow source = at(rows, row);
    const auto lastBefore = static_cast<qint64>(rows.size());
    rows.emplace_back();
    for (qint64 g = lastBefore; g > row; --g) {
        moveDown(at(rows, g), at(rows, g + 1));
    }
    fillDuplicate(source, at(rows, row + 1));
    return rows;
}

void dropUnchangedRows(qint64& first, GridRows& before, GridRows& after) {
    std::size_t head = 0;
    while (head < before.size() && head < after.size() && before[head] == after[head]) {
        ++head;
    }
    std::size_t tail = 0;
    while (tail < before.size() - head && tail < after.size() - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) {
        ++tail;
    }
    for (GridRows* rows : {&before, &after}) {
        rows->erase(rows->end() - static_cast<std::ptrdiff_t>(tail), rows->end());
        rows->erase(rows->begin(), rows->begin() + static_cast<std::ptrdiff_t>(head));
    }
    first += static_cast<qint64>(head);
}

}  // namespace analysis
