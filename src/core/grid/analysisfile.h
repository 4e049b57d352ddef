#pragma once

#include "core/lookup/lookup.h"
#include "core/records/outcome.h"

#include <QString>

#include <vector>

namespace analysis {

// An analysis file holds one record per grid row below the header, in grid order: the seven
// cell texts (form, lemma, translation, category, case-gender-number, mood-tense-voice,
// indicator), each padded or cut to its field.
using GridRowTexts = RowTexts;

records::AnalysisRecord analysisRecord(const GridRowTexts& row);
GridRowTexts gridRow(const records::AnalysisRecord& record);

// Writes the rows as an analysis file. The file is replaced only once the new one is complete:
// a failure half-way keeps the old file whole. Written a few thousand records at a time.
records::Outcome<void> saveAnalysisFile(const QString& path, const std::vector<GridRowTexts>& rows);
records::Outcome<void> saveAnalysisFile(const QString& path, const GridRows& rows);

// What an analysis file looks like: the program writes whole 218-byte records whose indicator
// is the not-found mark or blank and whose text fields hold no control character other than a
// line break or a tab typed into a field.
struct AnalysisFileShape {
    qint64 length = 0;
    bool wholeRecords = true;
    bool indicatorsValid = true;
    bool textOnly = true;

    // An empty file holds no analysis: it is told, as other files that are not analyses.
    bool isAnalysisFile() const {
        return length > 0 && wholeRecords && indicatorsValid && textOnly;
    }
};
AnalysisFileShape analysisFileShape(const QByteArray& wholeRecords, qint64 fileLength);

// Why a file does not look like an analysis file, in French; empty when it does.
QString notAnAnalysisFileReason(const QString& path, const AnalysisFileShape& shape);

struct LoadedAnalysis {
    QString notAnAnalysisFile;  // the reason, when the file does not look like one
    std::vector<GridRowTexts> rows;
};

// Reads every whole record of an analysis file (creating it empty when missing).
records::Outcome<LoadedAnalysis> loadAnalysisFile(const QString& path);

// The grid rows of a saved analysis: the cell texts as stored, trailing spaces included, the
// form bold in the form colour and every other cell plain. Consecutive rows of one form are
// taken for the analyses of one occurrence.
GridRows savedAnalysisRows(const std::vector<GridRowTexts>& rows);

}  // namespace analysis
