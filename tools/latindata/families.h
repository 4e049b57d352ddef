#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// The families of the lexicon: the French words of a lemma's family, written by hand, and the
// other Latin lemmas of its root, found by word-formation rules that leave little doubt.
namespace latindata {

// "key<TAB>French family" lines, keys as the lemma file writes them (marks and homonym digits
// allowed); '#' starts a comment line. Keyed by matchingKey().
QHash<QString, QString> parseFrenchFamilies(QStringView text, QStringList* problems);

// What the rules look at in a lemma. Words and stems are lower-cased school spellings.
struct FamilyCandidate {
    QString word;
    QString category;    // category code
    QString model;       // name of the inflection model
    QStringList stems0;  // stem 0: the present stem of a verb, the stem of an adjective
    QStringList stems1;  // stem 1: a genitive stem, or a perfect stem
    QStringList stems2;  // stem 2: a supine stem
    int frequency = 0;
};

// Two lemmas linked by one rule: derived comes from base.
struct FamilyLink {
    int derived = 0;
    int base = 0;
};

// The links the rules find: a verb and its compound with a prefix (duco, abduco: the
// perfects agree too); a verb and a noun or adjective made on its supine stem (ago, actio);
// an adjective and its adverb (liber, libere); an adjective and its abstract noun (fortis,
// fortitudo); a noun and an adjective made on its stem (bellum, bellicus). A word that could
// come from two lemmas spelt alike is linked to neither.
std::vector<FamilyLink> familyLinks(const std::vector<FamilyCandidate>& candidates);

// For each candidate, the other members of its family (the lemmas linked to it directly or
// through others), the most frequent first.
std::vector<std::vector<int>> latinFamilies(const std::vector<FamilyCandidate>& candidates);

}  // namespace latindata
