#pragma once

#include "core/lookup/thesauruslists.h"
#include "core/morphology/morphology.h"

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

// How much of a text a thesaurus knows: its word forms cut and looked up exactly as the
// analysis workspace does it; and how many of them the morphology database proposes analyses
// for.
namespace latindata {

struct Coverage {
    qint64 words = 0;
    qint64 found = 0;
    // The forms not found, lower-cased, with their number of occurrences, the most frequent
    // first (then in alphabetical order).
    std::vector<std::pair<QString, qint64>> missing;
    // Word forms with at least one proposal, and those without, as `missing` lists them.
    qint64 proposed = 0;
    std::vector<std::pair<QString, qint64>> unproposed;

    double share() const { return ratio(found); }
    double proposedShare() const { return ratio(proposed); }

  private:
    double ratio(qint64 part) const {
        return words == 0 ? 0.0 : static_cast<double>(part) / static_cast<double>(words);
    }
};

// Without a database, nothing is counted as proposed.
Coverage measureCoverage(const QString& text, const analysis::ThesaurusLists& lists,
                         analysis::MorphologyDatabase* morphology = nullptr);

}  // namespace latindata
