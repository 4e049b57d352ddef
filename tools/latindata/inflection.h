#pragma once

#include "latindata/lemmas.h"
#include "latindata/models.h"

#include <QString>
#include <QStringList>

#include <map>
#include <vector>

namespace latindata {

// The forms of one lemma by cell, with their length marks, in cell order.
using FormsByCell = std::map<int, QStringList>;

// The stems of a lemma for one of its canonical forms: the lemma's own stems 1 and 2 when it
// gives them, otherwise what the model's rules make of the canonical form.
std::map<int, QStringList> stemsOf(const Lemma& lemma, const Model& model,
                                   const QString& canonical);

// Every form of the lemma: each ending of each cell on each of its stems, for each canonical
// form; then the model's suffixes; then the irregular forms of the lemma, which replace the
// regular forms of their cells when they are exclusive and add to them otherwise.
FormsByCell inflect(const Lemma& lemma, const Model& model,
                    const std::vector<const IrregularForm*>& irregulars);

}  // namespace latindata
