#pragma once

// The workspace's lookup written out entry by entry, as a reference for the indexed lookup:
// it writes a simulated grid through a current row, adding rows as the scan goes.

#include "core/lookup/lookup.h"
#include "core/lookup/thesauruslists.h"
#include "core/records/cp1252.h"
#include "core/records/records.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace plainscan {

constexpr quint32 kDefaultColour = 0xFFFFFFFF;  // no 0xBBGGRR value: the grid's own colour

struct Cell {
    QString text;
    quint32 colour = kDefaultColour;
    bool bold = false;
    bool operator==(const Cell&) const = default;
};

using Row = std::array<Cell, analysis::kGridColumns>;

struct Grid {
    std::vector<Row> rows{1};  // row 0 is the header row
    qint64 row = 0;            // the current row

    qint64 rowCount() const { return static_cast<qint64>(rows.size()); }
    void setRowCount(qint64 count) { rows.resize(static_cast<std::size_t>(count)); }
    Cell& cell(qint64 r, int col) { return rows.at(static_cast<std::size_t>(r)).at(col); }
    void colourAnalysis(qint64 r) {
        for (int col = 1; col <= 5; ++col) {
            cell(r, col).colour = analysis::kAmbiguityColour;
        }
    }
    void writeForm(const QString& w) {
        Cell& c = cell(row, 0);
        c.text = w;
        c.bold = true;
        c.colour = analysis::kFormColour;
    }
};

inline void writeNotFound(Grid& grid, qint64& nextRow, const QString& w) {
    grid.row = nextRow;
    grid.writeForm(w);
    for (int col = 1; col <= 5; ++col) {
        grid.cell(grid.row, col).text = records::kEmptyMarker;
    }
    grid.cell(grid.row, 6).text = records::kNotFoundMark;
    ++nextRow;
}

inline void writeMatch(Grid& grid, qint64& nextRow, bool earlierMatch, const QString& w,
                       const analysis::ThesaurusLists& lists, std::size_t j) {
    if (earlierMatch) {
        grid.colourAnalysis(grid.row);
    }
    grid.row = nextRow;
    if (earlierMatch) {
        grid.colourAnalysis(grid.row);
    }
    grid.writeForm(w);
    grid.cell(grid.row, 1).text = lists.lemmas[j];
    grid.cell(grid.row, 2).text = lists.translations[j];
    grid.cell(grid.row, 3).text = lists.categories[j];
    grid.cell(grid.row, 4).text = lists.caseGenderNumbers[j];
    grid.cell(grid.row, 5).text = lists.moodTenseVoices[j];
    ++nextRow;
}

// How the scan lower-cases: both sides at each comparison, as the lookup is written, or the
// entries once before the scan (the same comparisons without the repeated lower-casing).
enum class Lowering { AtEachComparison, Once };

class LowerCaser {
  public:
    LowerCaser(const analysis::ThesaurusLists& lists, Lowering lowering)
        : lists_(lists), once_(lowering == Lowering::Once) {
        for (std::size_t j = 0; once_ && j < lists.forms.size(); ++j) {
            lowerForms_.push_back(records::cp1252::toLower(lists.forms[j]));
        }
    }
    void setWord(const QString& w) {
        word_ = w;
        lowerWord_ = records::cp1252::toLower(w);
    }
    const QString& word() {
        return once_ ? lowerWord_ : (wordBuffer_ = records::cp1252::toLower(word_));
    }
    const QString& entry(std::size_t j) {
        return once_ ? lowerForms_[j] : (entryBuffer_ = records::cp1252::toLower(lists_.forms[j]));
    }

  private:
    const analysis::ThesaurusLists& lists_;
    bool once_;
    std::vector<QString> lowerForms_;
    QString word_;
    QString lowerWord_;
    QString wordBuffer_;
    QString entryBuffer_;
};

// What the scan goes through: the entries, or for an empty thesaurus two stand-ins, "zzzzzzz"
// in every text field and numbered 1 and 2.
inline const analysis::ThesaurusLists& scannedEntries(const analysis::ThesaurusLists& lists) {
    static const analysis::ThesaurusLists standIns = [] {
        analysis::ThesaurusLists entries;
        for (const qint16 number : {1, 2}) {
            for (auto* column :
                 {&entries.lemmas, &entries.forms, &entries.categories, &entries.caseGenderNumbers,
                  &entries.moodTenseVoices, &entries.translations}) {
                column->push_back(QStringLiteral("zzzzzzz"));
            }
            entries.numbers.push_back(number);
        }
        return entries;
    }();
    return lists.size() > 0 ? lists : standIns;
}

// Every word form against every entry in list order.
inline Grid scan(const QStringList& words, const analysis::ThesaurusLists& thesaurus,
                 analysis::LookupKind kind, Lowering lowering = Lowering::AtEachComparison) {
    const analysis::ThesaurusLists& lists = scannedEntries(thesaurus);
    LowerCaser lower(lists, lowering);
    Grid grid;
    grid.setRowCount(words.size() + 1);
    qint64 nextRow = 1;
    for (qint64 i = 1; i <= words.size(); ++i) {
        const QString& w = words[i - 1];
        lower.setWord(w);
        qint64 wordState = i;
        for (std::size_t j = 0; j < lists.forms.size(); ++j) {
            if (grid.rowCount() == nextRow) {
                grid.setRowCount(grid.rowCount() + 1);
            }
            if (lower.entry(j) == lower.word()) {
                writeMatch(grid, nextRow, wordState == 0, w, lists, j);
                wordState = 0;
            } else if (kind == analysis::LookupKind::Sorted && wordState == i &&
                       lower.word() < lower.entry(j)) {
                writeNotFound(grid, nextRow, w);
                wordState = 0;
                break;
            }
        }
        if (wordState == i) {
            writeNotFound(grid, nextRow, w);
        }
    }
    return grid;
}

}  // namespace plainscan
