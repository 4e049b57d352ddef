#pragma once

#include "analysis/thesauruslists.h"

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

// How much of a text a thesaurus knows: its word forms cut and looked up exactly as the
// analysis workspace does it.
namespace latindata {

struct Coverage {
    qint64 words = 0;
    qint64 found = 0;
    // The forms not found, lower-cased, with their number of occurrences, the most frequent
    // first (then in alphabetical order).
    std::vector<std::pair<QString, qint64>> missing;

    double share() const { return words == 0 ? 0.0 : static_cast<double>(found) / words; }
};

Coverage measureCoverage(const QString& text, const analysis::ThesaurusLists& lists);

}  // namespace latindata
