#pragma once

#include "core/grid/listing.h"
#include "core/morphology/morphology.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

// The paradigm of a lemma: its forms from the morphology database laid out in tables as Latin
// grammars lay them out, as plain values for the paradigm window, its printed pages and its
// CSV export.
namespace analysis {

// A cell without form, as shown and printed.
inline const QString kNoParadigmForm = QStringLiteral("—");

struct ParadigmCell {
    QStringList forms;         // every variant, in alphabetical order; empty when none
    bool highlighted = false;  // one of them is the form asked for

    bool operator==(const ParadigmCell&) const = default;
};

// Which forms a table holds, whatever its title says: what they are the forms of (the feature
// values that set the table apart, as "participe présent actif" and a degree; none for the
// lemma's own declension) and, for a declension split by number, which number.
struct TableIdentity {
    enum class Number { Both, Singular, Plural };
    QStringList of;
    Number number = Number::Both;

    bool operator==(const TableIdentity&) const = default;
};

struct ParadigmTable {
    TableIdentity identity;
    QString title;     // "Déclinaison", "Positif, singulier", "Indicatif actif"...
    QStringList rows;  // row headers: cases, persons, or the labels of a list
    QStringList columns;
    std::vector<std::vector<ParadigmCell>> cells;  // [row][column]
    QString note;                                  // said under the table; empty for none
    bool list = false;  // labelled forms in one column "Formes", rather than a grid

    const ParadigmCell& cell(qsizetype row, qsizetype column) const {
        return cells[std::size_t(row)][std::size_t(column)];
    }
    bool hasHighlight() const;
};

struct Paradigm {
    DatabaseLemma lemma;
    QString form;    // the form asked for, as written; may be empty
    QString marked;  // the folded form the highlighted cells hold; empty when none is
    std::vector<ParadigmTable> tables;
};

// The tables of a lemma from its analyses: nouns by case and number; adjectives, pronouns
// and participles by case and gender, one table per number (and per degree when there are
// several); verbs by person and number, one column per tense, one table per mood and voice;
// infinitives, gerund and supine as a list; an invariable word as its one form. A vocative
// the data leaves out is the nominative, as the data writes only those that differ from it;
// a pronoun (category DP) has no vocative, and no row for a case it lacks.
// The cells that hold the form asked for (compared as foldedForm() compares, and without an
// enclitic when the whole form is not there) are highlighted.
Paradigm buildParadigm(const DatabaseLemma& lemma, const std::vector<LemmaForm>& forms,
                       const QString& form);

// Whether the second table is the plural of the first, its singular ("Positif, singulier" and
// "Positif, pluriel"), by what the tables hold: the grammars set them side by side.
bool isPluralOf(const ParadigmTable& singular, const ParadigmTable& plural);

// The lemmas a paradigm may be asked for by a lemma text, and the one to show first.
struct ParadigmLookup {
    std::vector<DatabaseLemma> lemmas;  // homographs apart, the most frequent first
    std::size_t chosen = 0;  // of the category asked for, else one that has the form asked for
    QString message;         // in French, why there is no paradigm; empty when there are lemmas
};
ParadigmLookup lookUpParadigm(MorphologyDatabase& db, const QString& lemma, const QString& form,
                              const QString& category);

// The paradigm of one of the lemmas found; no table when the database failed while read.
Paradigm paradigmOf(MorphologyDatabase& db, const DatabaseLemma& lemma, const QString& form);
// Why there is no paradigm when the database is not open, in French.
QString unavailableMessage(const MorphologyDatabase& db);

// A lemma as a list of homographs names it: "eo (V6) – aller".
QString lemmaChoiceText(const DatabaseLemma& lemma);

// The printed paradigm: the lemma, then one block per table (wide tables in blocks of three
// columns), a line per row, the highlighted forms between brackets; whole blocks per page.
constexpr int kParadigmLinesPerPage = 60;
Pages paradigmListing(const Paradigm& paradigm);

// The CSV export: one line per form.
inline const QStringList kParadigmCsvHeader = {QStringLiteral("Tableau"), QStringLiteral("Ligne"),
                                               QStringLiteral("Colonne"), QStringLiteral("Forme")};
QList<QStringList> paradigmCsvRows(const Paradigm& paradigm);

}  // namespace analysis
