#pragma once

#include "analysis/lookup.h"

#include <QString>

#include <vector>

namespace analysis {

// An analysis file holds one record per grid row below the header, in grid order: the seven
// cell texts (form, lemma, translation, category, case-gender-number, mood-tense-voice,
// indicator), each padded or cut to its field.
using GridRowTexts = RowTexts;

records::AnalysisRecord analysisRecord(const GridRowTexts& row);
GridRowTexts gridRow(const records::AnalysisRecord& record);

struct SaveResult {
    bool ok = false;
    QString error;  // French, for the user
};

// Writes the rows as an analysis file. The file is replaced only once the new one is complete:
// a failure half-way keeps the old file whole.
SaveResult saveAnalysisFile(const QString& path, const std::vector<GridRowTexts>& rows);

struct LoadedAnalysis {
    bool ok = false;
    QString error;
    std::vector<GridRowTexts> rows;
};

// Reads every whole record of an analysis file (creating it empty when missing).
LoadedAnalysis loadAnalysisFile(const QString& path);

}  // namespace analysis
