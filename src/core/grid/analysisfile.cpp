#include "core/grid/analysisfile.h"

#include "core/records/recordfile.h"

#include <QFileInfo>

#include <algorithm>

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

namespace {

// Records written at a time: a few hundred kilobytes, whatever the size of the grid.
constexpr std::size_t kRecordsAPiece = 2048;

template <class Rows, class TextsOf>
records::Outcome<void> saveRecords(const QString& path, const Rows& rows, TextsOf textsOf) {
    std::size_t next = 0;
    const auto piece = [&] {
        QByteArray bytes;
        const std::size_t end = std::min(rows.size(), next + kRecordsAPiece);
        bytes.reserve(static_cast<qsizetype>(end - next) * records::AnalysisRecord::Length);
        for (; next < end; ++next) {
            bytes.append(analysisRecord(textsOf(rows[next])).toBytes());
        }
        return bytes;
    };
    const bool replacing = QFileInfo::exists(path);
    const records::Outcome<void> written = records::replaceFile(path, piece);
    if (written.ok()) {
        return {};
    }
    const QString what = replacing ? QStringLiteral(
                                         "L'analyse n'a pas pu être enregistrée ; l'ancien fichier "
                                         "est conservé.\n")
                                   : QStringLiteral("L'analyse n'a pas pu être enregistrée.\n");
    return records::failure(what + written.error());
}

}  // namespace

records::Outcome<void> saveAnalysisFile(const QString& path,
                                        const std::vector<GridRowTexts>& rows) {
    return saveRecords(path, rows,
                       [](const GridRowTexts& row) -> const GridRowTexts& { return row; });
}

records::Outcome<void> saveAnalysisFile(const QString& path, const GridRows& rows) {
    return saveRecords(path, rows, [](const GridRow& row) { return row.texts(); });
}

AnalysisFileShape analysisFileShape(const QByteArray& wholeRecords, qint64 fileLength) {
    using records::fields::kForm;
    using records::fields::kIndicator;
    AnalysisFileShape shape;
    shape.length = fileLength;
    shape.wholeRecords = fileLength % records::AnalysisRecord::Length == 0;
    const qsizetype count = wholeRecords.size() / records::AnalysisRecord::Length;
    for (qsizetype i = 0; i < count; ++i) {
        const char* record = wholeRecords.constData() + i * records::AnalysisRecord::Length;
        const QByteArrayView indicator(record + kIndicator.offset, kIndicator.width);
        shape.indicatorsValid = shape.indicatorsValid && (indicator == "  " || indicator == "* ");
        for (int b = kForm.offset; b < kIndicator.offset; ++b) {
            const auto c = static_cast<unsigned char>(record[b]);
            shape.textOnly = shape.textOnly && (c >= 0x20 || c == '\n' || c == '\r' || c == '\t');
        }
    }
    return shape;
}

QString notAnAnalysisFileReason(const QString& path, const AnalysisFileShape& shape) {
    if (shape.isAnalysisFile()) {
        return {};
    }
    const QString why =
        shape.length == 0 ? QStringLiteral("il est vide")
        : !shape.wholeRecords
            ? QStringLiteral("sa taille (%1) n'est pas un multiple de %2 octets")
                  .arg(records::byteCount(shape.length))
                  .arg(records::AnalysisRecord::Length)
            : QStringLiteral("ses enregistrements ne sont pas ceux d'une analyse enregistrée");
    return QStringLiteral("Le fichier « %1 » ne semble pas être un fichier d'analyse : %2.")
        .arg(path, why);
}

records::Outcome<LoadedAnalysis> loadAnalysisFile(const QString& path) {
    const records::Outcome<records::RecordBytes> file =
        records::readRecordBytes(path, records::AnalysisRecord::Length);
    if (!file.ok()) {
        return file.failure();
    }
    const QByteArray& bytes = file.value().bytes;
    LoadedAnalysis result;
    result.notAnAnalysisFile =
        notAnAnalysisFileReason(path, analysisFileShape(bytes, file.value().fileLength));
    const auto records = records::recordsOf<records::AnalysisRecord>(bytes);
    result.rows.reserve(records.size());
    for (const records::AnalysisRecord& record : records) {
        result.rows.push_back(gridRow(record));
    }
    return result;
}

GridRows savedAnalysisRows(const std::vector<GridRowTexts>& rows) {
    GridRows out(rows.size());
    qint64 occurrence = -1;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        // The file does not keep which word a row analyses: consecutive rows of one form are
        // taken for the analyses of one word, as the lookup writes them.
        if (i == 0 || rows[i][0] != rows[i - 1][0]) {
            ++occurrence;
        }
        out[i].occurrence = rows[i][0].trimmed().isEmpty() ? -1 : occurrence;
        for (int c = 0; c < kGridColumns; ++c) {
            out[i].cells[c].text = rows[i][c];
        }
        out[i][Column::Form].colour = kFormColour;
        out[i][Column::Form].bold = true;
    }
    return out;
}

}  // namespace analysis
