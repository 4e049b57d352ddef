#include "latindata/coverage.h"

#include "analysis/lookup.h"
#include "analysis/wordforms.h"

#include <QHash>

#include <algorithm>

namespace latindata {

Coverage measureCoverage(const QString& text, const analysis::ThesaurusLists& lists) {
    const QStringList words = analysis::cutWordForms(text);
    const analysis::LookupResult result =
        analysis::lookup(words, lists, analysis::LookupKind::Sorted);
    Coverage coverage;
    coverage.words = words.size();
    QHash<QString, qint64> missing;
    for (const analysis::LookupRow& row : result.rows) {
        if (row.entry == analysis::kNotFound) {
            ++missing[analysis::lowerCased(words[row.word])];
        }
    }
    for (auto it = missing.constBegin(); it != missing.constEnd(); ++it) {
        coverage.missing.emplace_back(it.key(), it.value());
    }
    qint64 notFound = 0;
    for (const auto& [form, count] : coverage.missing) {
        notFound += count;
    }
    coverage.found = coverage.words - notFound;
    std::sort(coverage.missing.begin(), coverage.missing.end(), [](const auto& a, const auto& b) {
        return a.second != b.second ? a.second > b.second : a.first < b.first;
    });
    return coverage;
}

}  // namespace latindata
