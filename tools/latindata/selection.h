#pragma once

#include "latindata/analyses.h"

#include <vector>

// Which analyses go into the base thesaurus, whose records are numbered on 16 bits. A form is
// kept with all its analyses (est: sum and edo) or not at all, so forms are chosen, not
// analyses: every form of an invariable word first, then the others by the occurrences they
// are expected to find in running text for each record they take.
namespace latindata {

struct FormGroup {
    int records = 0;
    double expected = 0;
    bool required = false;
};

// The groups of the analyses: records, expected occurrences, whether one is required.
std::vector<FormGroup> formGroups(const AnalysisSet& set);

// The groups kept: the required ones, then the others by expected occurrences per record, each
// one that still fits within the limit of records.
std::vector<bool> chooseGroups(const std::vector<FormGroup>& groups, int recordLimit);

// The indexes of the analyses of the chosen groups, in analysis order.
std::vector<int> selectAnalyses(const AnalysisSet& set, int recordLimit);

}  // namespace latindata
