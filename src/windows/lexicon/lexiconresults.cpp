#include "windows/lexicon/lexiconresults.h"

namespace lexicon {

QString LexiconResults::textAt(int row, int column) const {
    const LexiconRow& entry = at(row);
    switch (column) {
        case Lemma:
            return entry.lemma;
        case Translation:
            return entry.translation;
        case Category:
            return entry.category;
        case FrenchFamily:
            return entry.frenchFamily;
        case LatinFamily:
            return entry.latinFamily;
        default:
            return {};
    }
}

}  // namespace lexicon
