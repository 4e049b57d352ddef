#pragma once

#include "latindata/analyses.h"
#include "latindata/categories.h"
#include "latindata/corrections.h"
#include "latindata/morphologydb.h"
#include "latindata/selection.h"

#include "core/records/recordfile.h"
#include "core/records/records.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

// Builds the base thesaurus and the lexicon from the lexical data folder and the hand lists.
namespace latindata {

// Reads modeles.la, morphos.fr, lemmes.la, lemmes.fr, irregs.la, tags.la and assimilations.la
// from the folder, and lem_ext.la and lem_ext.fr (the extended lexicon) when it has them, with
// the corrections applied to them.
// Returns false, with a message in problems, when one of them cannot be read.
bool readLexicalData(const QString& folder, LexicalData* data, QStringList* problems,
                     const Corrections& corrections = {});

struct HandLists {
    CategoryRules categories;
    QHash<QString, QString> frenchFamilies;  // by matchingKey()
};

struct Generated {
    std::vector<records::ThesaurusRecord> thesaurus;
    std::vector<records::LexiconRecord> lexicon;
    qsizetype lemmasUsed = 0;      // of the main lexicon, all in the lexicon
    qsizetype lemmasExtended = 0;  // of the extended lexicon: in the morphology database only
    qsizetype lemmasLeftOut = 0;
    qsizetype analysesMade = 0;
    qsizetype analysesForThesaurus = 0;  // those of frequent lemmas and the required ones
    qsizetype formsMade = 0;
    qsizetype formsKept = 0;
    // The share of the corpus occurrences of the thesaurus's lemmas that its forms are
    // expected to find.
    double expectedShareKept = 0;
};

// When morphology is given, it receives every analysis made, before the thesaurus's selection.
Generated generate(const LexicalData& data, const HandLists& lists,
                   int recordLimit = static_cast<int>(records::kMaxRecordNumber),
                   QStringList* problems = nullptr, MorphologyTables* morphology = nullptr);

}  // namespace latindata
