// The indexed lookup against the plain entry-by-entry scan on any input. The input's first byte
// picks the lookup (sorted or full); the rest, read as Windows-1252, is a text on its first line
// and one thesaurus form a line after it. Every cell, colour and bold flag and the row count
// must be the same.

#include "core/lookup/lookup.h"
#include "core/records/cp1252.h"
#include "core/text/wordforms.h"
#include "support/plainscan.h"

#include <cstdlib>

namespace {

analysis::ThesaurusLists listsOf(const QStringList& forms) {
    std::vector<records::ThesaurusRecord> recs;
    for (const QString& form : forms) {
        records::ThesaurusRecord r;
        r.setNumber(static_cast<qint16>(recs.size() + 1));
        r.setAnalysis(form, QStringLiteral("N1"), form + QStringLiteral("-l"), QString(), QString(),
                      QString::number(recs.size()));
        recs.push_back(r);
    }
    return analysis::listsFromRecords(recs);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0 || size > 4096) {
        return 0;
    }
    const auto kind = (data[0] & 1) ? analysis::LookupKind::Sorted : analysis::LookupKind::Full;
    const QString input = records::cp1252::decode(reinterpret_cast<const char*>(data) + 1,
                                                  static_cast<qsizetype>(size - 1));
    QStringList lines = input.split(QLatin1Char('\n'));
    const QStringList words = analysis::cutWordForms(lines.takeFirst());
    const analysis::ThesaurusLists lists = listsOf(lines);

    const analysis::LookupResult result = analysis::lookup(words, lists, kind);
    const analysis::GridRows rows = analysis::gridRowsOf(result, words, lists);
    const plainscan::Grid expected = plainscan::scan(words, lists, kind);
    if (result.rowCount != expected.rowCount() ||
        static_cast<qint64>(rows.size()) != expected.rowCount() - 1) {
        std::abort();
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < analysis::kGridColumns; ++c) {
            const analysis::Cell& got = rows[r].cells[c];
            const plainscan::Cell& want = expected.rows[r + 1][static_cast<std::size_t>(c)];
            if (got.text != want.text || got.bold != want.bold ||
                got.colour.value_or(plainscan::kDefaultColour) != want.colour) {
                std::abort();
            }
        }
    }
    return 0;
}
