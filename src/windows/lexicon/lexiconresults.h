#pragma once

#include "core/browsing/lexiconlists.h"
#include "windows/browsers/resultrows.h"

namespace lexicon {

// The rows the lexicon browser lists.
class LexiconResults : public ui::ResultRows<LexiconRow, 5> {
  public:
    enum Column { Lemma, Translation, Category, FrenchFamily, LatinFamily };

    using ResultRows::ResultRows;

    QString textAt(int row, int column) const override;
};

}  // namespace lexicon
