#pragma once

#include "core/grid/gridrows.h"
#include "core/grid/rowsedit.h"
#include "core/morphology/morphology.h"
#include "core/system/progress.h"

#include <QString>

#include <vector>

// What the workspaces make of the morphology database's analyses: the list "Analyses
// proposées" beside a clicked row, and the rows that complete the forms the thesaurus lacks.
namespace analysis {

// What choosing a proposal writes into the detail fields Text1 to Text6: the row's form, then
// the analysis cut to the fields of a record; an enclitic is named after the translation.
DetailFields proposedFields(const QString& form, const ProposedAnalysis& analysis);

// One line of the list.
struct ProposalItem {
    QString text;
    DetailFields fields;
    bool inGrid = false;      // the grid already shows this analysis for the form
    double probability = -1;  // in the row's sentence, once ranked; -1 before
};

struct ProposalList {
    std::vector<ProposalItem> items;
    QString status;  // what the list shows, or why it is empty
};

// The proposals for grid row `row` (1 and up) of these rows, marked when a row of the grid for
// the same form already shows the same lemma, category and features.
ProposalList proposalList(MorphologyDatabase& database, const GridRows& rows, qint64 row);

struct Completion {
    RowsEdit edit;              // each completed row and the rows that replace it
    qint64 formsCompleted = 0;  // not-found rows replaced
    qint64 rowsProposed = 0;    // rows that replaced them
    // Where each former row (index row - 1) begins now.
    std::vector<qint64> newRowOf;
};

// Every not-found row that nothing was entered into ("*" in its indicator, "_" in its five
// analysis cells) gives way to one row per proposed analysis of its form, laid out as the
// lookup lays out found forms: the form bold in the form colour, the analysis cells in italics
// as proposals, in the ambiguity colour when there are several; the indicator stays. A form
// without proposal keeps its row.
// A cancelled completion (`progress` answered false) stops there; its caller discards it.
Completion completedRows(const GridRows& rows, MorphologyDatabase& database,
                         const Progress& progress = {});

// What a completion did, for the user.
QString completionSummary(const Completion& done);

}  // namespace analysis
