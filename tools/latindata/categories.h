#pragma once

#include "latindata/lemmas.h"
#include "latindata/models.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

// What kind of word a lemma is: its category code, and what its analyses need to know besides
// the cell (the gender of a noun, the voice of a verb).
namespace latindata {

// The word classes the corpus statistics count separately.
enum class WordClass { Noun, Adjective, Pronoun, Numeral, Verb, Adverb, Invariable };

struct LemmaKind {
    QString category;  // one of the category codes; empty when none fits: the lemma is left out
    WordClass wordClass = WordClass::Invariable;
    QString gender;          // a noun's gender as the keypad describes it ("féminin")
    QString otherGender;     // a noun of two genders (dies, m. et f.): the second one
    bool deponent = false;   // passive forms, active meaning: the voice is "déponent"
    bool voiceless = false;  // no passive at all (sum, volo): the voice is not written
    // The indications name a genitive plural only ("ium" for tres, "um, m. pl." for
    // Carnutes): the word has no singular, whatever its model could make.
    bool pluralOnly = false;
};

class CategoryRules {
  public:
    // The hand list: "key<TAB>code" lines, keys as the lemma file writes them (marks and
    // homonym digits allowed), '#' starting a comment line.
    static CategoryRules parse(QStringView handList, QStringList* problems);

    LemmaKind kindOf(const Lemma& lemma, const ModelTable& models) const;

    // The invariable words whose indications need the hand list (a bare "conj.") but that it
    // lacks; they are filed as coordinating conjunctions.
    const QStringList& unlistedConjunctions() const { return unlistedConjunctions_; }

  private:
    QString modelCategory(const std::vector<const Model*>& lineage) const;
    QString invariableCategory(const Lemma& lemma) const;

    QHash<QString, QString> byLemma_;
    mutable QStringList unlistedConjunctions_;
};

// The gender a noun's indications name first ("ae, f." gives "féminin"); empty when none.
QString genderOf(QStringView indications);

// The genders the indications name together ("ei, m. et f.", "is, m. f."), in their order; a
// gender named further on, after other words ("i, m. (pl. loca, n.)"), is not one of them.
QStringList gendersOf(QStringView indications);

// Whether the indications begin with a genitive plural ending, as for words without singular.
bool namesPluralOnly(QStringView indications);

}  // namespace latindata
