#pragma once

#include "latindata/analyses.h"
#include "latindata/cells.h"

#include "core/records/records.h"

#include <QHash>
#include <QString>

#include <vector>

// The morphology database: every analysis the generator makes, and the hand-written ones, in
// an SQLite file that the workspaces read (analysis::MorphologyDatabase). The README gives its
// schema.
namespace latindata {

struct MorphologyLemma {
    QString lemma;        // as the program shows it
    QString category;     // category code
    QString translation;  // French, as the translation field of a record holds it
    QString model;        // inflection model; empty for a hand-written lemma the data lacks
    int frequency = 0;    // occurrences in the corpus of the lexical data
};

// The features of an analysis (the keypad rows' descriptions) and their coded fields.
struct MorphologyCell {
    Features features;
    QString caseGenderNumber;  // empty when the analysis has none
    QString moodTenseVoice;
};

struct MorphologyAnalysis {
    QString form;  // as printed
    int lemma = 0;
    int cell = 0;
    double share = 0;     // expected occurrences: orders the analyses of one lemma
    QString translation;  // empty: the lemma's
};

class MorphologyTables {
  public:
    std::vector<MorphologyLemma> lemmas;
    std::vector<MorphologyCell> cells;
    std::vector<MorphologyAnalysis> analyses;

    int addLemma(const MorphologyLemma& lemma);
    // The index of the cell with these features and codes, added when new.
    int cellOf(const Features& features, const QString& caseGenderNumber,
               const QString& moodTenseVoice);

  private:
    QHash<QString, int> cellIndex_;
};

// Every analysis of the set, with its lemma's features and translation as a thesaurus record
// writes them.
MorphologyTables morphologyOf(const AnalysisSet& set, const LexicalData& data);

// Adds the hand-written analyses. As in the base thesaurus, they are the whole analysis of the
// forms they give: generated analyses of the same form and lemma are dropped. A hand-written
// analysis takes the generated lemma of the same name and category, else a lemma of its own
// with the frequency of a generated lemma of the same name.
void addHandAnalyses(MorphologyTables& tables, const std::vector<records::ThesaurusRecord>& hand);

// Writes the database whole, replacing the file only once it is complete. False with an
// English message for the build log when it cannot.
bool writeMorphologyDatabase(const QString& path, const MorphologyTables& tables, QString* error);

}  // namespace latindata
