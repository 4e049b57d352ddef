#include "latindata/coverage.h"

#include "core/lookup/lookup.h"
#include "core/text/wordforms.h"

#include <QHash>

#include <algorithm>

namespace latindata {
namespace {

// Forms with their number of occurrences, the most frequent first, then in alphabetical order.
std::vector<std::pair<QString, qint64>> byFrequency(const QHash<QString, qint64>& counts) {
    std::vector<std::pair<QString, qint64>> out(counts.constKeyValueBegin(),
                                                counts.constKeyValueEnd());
    std::sort(out.begin(), out.end(), [](const auto& a, const auto& b) {
        return a.second != b.second ? a.second > b.second : a.first < b.first;
    });
    return out;
}

qint64 total(const std::vector<std::pair<QString, qint64>>& counts) {
    qint64 sum = 0;
    for (const auto& [form, count] : counts) {
        sum += count;
    }
    return sum;
}

}  // namespace

Coverage measureCoverage(const QString& text, const analysis::ThesaurusLists& lists,
                         analysis::MorphologyDatabase* morphology) {
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
    coverage.missing = byFrequency(missing);
    coverage.found = coverage.words - total(coverage.missing);
    if (morphology == nullptr) {
        return coverage;
    }
    QHash<QString, bool> hasProposal;  // by form as written
    QHash<QString, qint64> unproposed;
    for (const QString& word : words) {
        auto known = hasProposal.constFind(word);
        if (known == hasProposal.constEnd()) {
            known = hasProposal.insert(word, !morphology->proposals(word).empty());
        }
        if (!*known) {
            ++unproposed[analysis::lowerCased(word)];
        }
    }
    coverage.unproposed = byFrequency(unproposed);
    coverage.proposed = coverage.words - total(coverage.unproposed);
    return coverage;
}

}  // namespace latindata
