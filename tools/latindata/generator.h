#pragma once

#include "latindata/analyses.h"
#include "latindata/categories.h"
#include "latindata/morphologydb.h"
#include "latindata/selection.h"

#include "records/recordfile.h"
#include "records/records.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

// Builds the base thesaurus and the lexicon from the lexical data folder and the hand lists.
namespace latindata {

// Reads modeles.la, morphos.fr, lemmes.la, lemmes.fr, irregs.la, tags.la and assimilations.la
// from the folder.
// Returns false, with a message in problems, when one of them cannot be read.
bool readLexicalData(const QString& folder, LexicalData* data, QStringList* problems);

struct HandLists {
    CategoryRules categories;
    QHash<QString, QString> frenchFamilies;  // by matchingKey()
};

struct Generated {
    std::vector<records::ThesaurusRecord> thesaurus;
    std::vector<records::LexiconRecord> lexicon;
    qsizetype lemmasUsed = 0;
    qsizetype lemmasLeftOut = 0;
    qsizetype analysesMade = 0;
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
