#pragma once

#include "latindata/categories.h"
#include "latindata/cells.h"
#include "latindata/lemmas.h"
#include "latindata/models.h"
#include "latindata/spelling.h"
#include "latindata/statistics.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

// Every analysis the lexical data yields: each form of each lemma, as printed, with its cell
// and the share of the lemma's occurrences that it is expected to take. A form met in the three
// genders of a case and number is one analysis without gender; a vocative spelt like its
// nominative is the nominative's analysis.
namespace latindata {

struct LemmaEntry {
    std::size_t source = 0;  // index in the lemma list read from the file
    LemmaKind kind;
    QString displayed;      // school spelling, no homonym digits
    QString translation;    // French, Windows-1252 text, whole
    bool extended = false;  // from the extended lexicon: in neither the thesaurus nor the lexicon
};

struct Analysis {
    int form = 0;   // index in AnalysisSet::forms
    int lemma = 0;  // index in AnalysisSet::lemmas
    int cell = 0;
    float share = 0;        // expected occurrences among the lemma's counted ones
    bool required = false;  // an invariable word: kept whatever room it takes
    bool thesaurus = true;  // may go into the thesaurus; every analysis goes into the database
    // The same form in the three genders of the cell (omnibus): one analysis without gender.
    bool anyGender = false;
};

struct AnalysisSet {
    std::vector<LemmaEntry> lemmas;
    QStringList forms;             // as printed, capitals kept
    std::vector<int> groupOfForm;  // forms that are equal once lower-cased share a group
    int groupCount = 0;
    std::vector<Analysis> analyses;
    int lemmasLeftOut = 0;  // no known model, or no category fits: in neither file
};

struct LexicalData {
    std::vector<Lemma> lemmas;
    ModelTable models;
    CellTable cells;
    CellWeights weights;
    QHash<QString, QString> translations;
    std::vector<IrregularForm> irregulars;
    std::vector<Assimilation> assimilations;
};

// School editions mostly print a prefix assimilated: the assimilated spelling of a form takes
// this share of its occurrences, the spelling of the lexical data the rest.
constexpr double kAssimilatedShare = 0.75;

// The longest form a record holds.
constexpr int kFormWidth = 30;

// Lemmas counted fewer times than this in the corpus of the lexical data are left out of the
// thesaurus, invariable words (and the positive of adverbs) excepted: their forms would seldom
// be met, and as homographs of frequent forms they would take records from forms that are met.
// The lexicon and the morphology database keep them.
constexpr int kRarestLemma = 10;

AnalysisSet expandLemmas(const LexicalData& data, const CategoryRules& categories,
                         QStringList* problems);

}  // namespace latindata
