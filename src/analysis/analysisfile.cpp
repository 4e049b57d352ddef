#include "analysis/analysisfile.h"

#include "records/recordfile.h"

#include <QFileInfo>

namespace analysis {

records::AnalysisRecord analysisRecord(const GridRowTexts& row) {
    records::AnalysisRecord r;
    r.setAnalysis(row[0], row[3], row[1], row[4], row[5], row[2]);
    r.setIndicator(row[6]);
    return r;
}

GridRowTexts gridRow(const records::AnalysisRecord& r) {
    return {r.form(),           r.lemma(),    r.translation(), r.category(), r.caseGenderNumber(),
            r.moodTenseVoice(), r.indicator()};
}

SaveResult saveAnalysisFile(const QString& path, const std::vector<GridRowTexts>& rows) {
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(rows.size()) * records::AnalysisRecord::Length);
    for (const GridRowTexts& row : rows) {
        bytes.append(analysisRecord(row).toBytes());
    }
    SaveResult result;
    const bool replacing = QFileInfo::exists(path);
    result.ok = records::replaceFile(path, bytes, &result.error);
    if (!result.ok) {
        const QString what = replacing
                                 ? QStringLiteral(
                                       "L'analyse n'a pas pu être enregistrée ; l'ancien fichier "
                                       "est conservé.\n")
                                 : QStringLiteral("L'analyse n'a pas pu être enregistrée.\n");
        result.error = what + result.error;
    }
    return result;
}

LoadedAnalysis loadAnalysisFile(const QString& path) {
    LoadedAnalysis result;
    const records::Records<records::AnalysisRecord> loaded =
        records::readAllRecords<records::AnalysisRecord>(path);
    if (!loaded.ok) {
        result.error = loaded.error;
        return result;
    }
    result.rows.reserve(loaded.records.size());
    for (const records::AnalysisRecord& r : loaded.records) {
        result.rows.push_back(gridRow(r));
    }
    result.ok = true;
    return result;
}

}  // namespace analysis
