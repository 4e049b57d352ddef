#pragma once

#include "core/grid/gridrows.h"
#include "core/lookup/thesauruslists.h"
#include "core/system/progress.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace analysis {

// Sorted: for the base thesaurus, which is in ascending order of lower-cased form; a form's
// scan stops at the first greater entry unless an entry matched before it.
// Full: for any other thesaurus; every entry is examined for every form.
enum class LookupKind { Sorted, Full };

// One grid row below the header, in twelve bytes: a corpus file has millions of rows.
struct LookupRow {
    qint32 word = 0;   // index in the word forms
    qint32 entry = 0;  // index in the thesaurus lists; kNotFound for a not-found row
    bool ambiguous = false;
};
constexpr qint64 kNotFound = -1;

struct LookupResult {
    qint64 rowCount = 1;  // the grid's final row count, header row included
    // Grid rows 1 to rows.size(); any rows after them are empty.
    std::vector<LookupRow, LargeBlockAllocator<LookupRow>> rows;
};

// Looks every word form up in the lists, in text order: one row per matching entry (in list
// order), or one not-found row. Forms are compared lower-cased (records::cp1252::toLower).
// Each call indexes the text's distinct forms and passes once over the entries, so it costs
// words + entries and always sees the lists as they stand, appended entries included.
// A cancelled lookup (`progress` answered false) stops there; its caller discards the result.
LookupResult lookup(const QStringList& words, const ThesaurusLists& lists, LookupKind kind,
                    const Progress& progress = {});

// The texts of a row: the form as written; then lemma, translation, category,
// case-gender-number and mood-tense-voice at full width, column 6 empty. A not-found row has
// "_" in columns 1 to 5 and "*" in column 6.
RowTexts rowTexts(const LookupRow& row, const QStringList& words, const ThesaurusLists& lists);

// The grid rows below the header as the lookup writes them: the form bold in the form colour,
// the analysis cells of an ambiguous form in the ambiguity colour, then the rows left empty.
GridRows gridRowsOf(const LookupResult& result, const QStringList& words,
                    const ThesaurusLists& lists, const Progress& progress = {});

}  // namespace analysis
