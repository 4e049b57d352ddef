#include "latindata/selection.h"

#include <algorithm>
#include <numeric>

namespace latindata {

std::vector<FormGroup> formGroups(const AnalysisSet& set) {
    std::vector<FormGroup> groups(static_cast<std::size_t>(set.groupCount));
    for (const Analysis& a : set.analyses) {
        if (!a.thesaurus) {
            continue;
        }
        FormGroup& g = groups[static_cast<std::size_t>(set.groupOfForm[a.form])];
        ++g.records;
        g.expected += a.share;
        g.required = g.required || a.required;
    }
    return groups;
}

std::vector<bool> chooseGroups(const std::vector<FormGroup>& groups, int recordLimit) {
    const auto rank = [&](std::size_t g) {
        return groups[g].expected / std::max(groups[g].records, 1);
    };
    std::vector<std::size_t> order(groups.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (groups[a].required != groups[b].required) {
            return groups[a].required;
        }
        return rank(a) > rank(b);
    });
    std::vector<bool> chosen(groups.size(), false);
    int room = recordLimit;
    for (std::size_t g : order) {
        if (groups[g].records > 0 && groups[g].records <= room) {
            chosen[g] = true;
            room -= groups[g].records;
        }
    }
    return chosen;
}

std::vector<int> selectAnalyses(const AnalysisSet& set, int recordLimit) {
    const std::vector<bool> chosen = chooseGroups(formGroups(set), recordLimit);
    std::vector<int> kept;
    for (std::size_t i = 0; i < set.analyses.size(); ++i) {
        const Analysis& a = set.analyses[i];
        if (a.thesaurus && chosen[static_cast<std::size_t>(set.groupOfForm[a.form])]) {
            kept.push_back(static_cast<int>(i));
        }
    }
    return kept;
}

}  // namespace latindata
