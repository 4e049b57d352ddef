#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <vector>

// The lemmas of the lexical data (lemmes.la), their French translations (lemmes.fr) and the
// irregular forms (irregs.la).
namespace latindata {

struct Lemma {
    QString key;             // as the file writes it: marks and homonym digits (cum2)
    QStringList canonicals;  // the canonical forms with their marks: ā, ăb, ābs
    QString model;
    // The lemma's own stems 1 and 2 (a genitive stem, a perfect or a supine stem); none when
    // the lemma leaves the field empty, an empty list when it says the stem does not exist.
    std::optional<QStringList> stem1;
    std::optional<QStringList> stem2;
    QString indications;  // "ae, f.", "is, ere, legi, lectum", "prép. + abl."
    int frequency = 0;    // occurrences in the corpus the data was counted on
    // From the extended lexicon (lem_ext.la): never counted, so frequency 0; inflected into the
    // morphology database only, after every lemma of the main lexicon.
    bool extended = false;

    QString matchingKey() const;
    // The lemma as the program shows it: the first canonical form in school spelling.
    QString displayed() const;
};

// One line per lemma: key[=canonical forms]|model|stem 1|stem 2|indications|frequency.
// Problems name the lines by the file's name.
std::vector<Lemma> parseLemmas(QStringView text, QStringList* problems,
                               const QString& fileName = QStringLiteral("lemmes.la"));

// Adds the lemmas of the extended lexicon (lem_ext.la, same lines) that the main lexicon lacks,
// marked extended, with frequency 0. A key the main lexicon has is its word: the extended line is
// left out.
void addExtendedLemmas(std::vector<Lemma>& lemmas, QStringView text, QStringList* problems);

// One line per lemma, "key:translation"; keyed by matchingKey().
QHash<QString, QString> parseTranslations(QStringView text);

struct IrregularForm {
    QString form;      // with its marks
    QString lemmaKey;  // matchingKey() of the lemma
    std::vector<int> cells;
    bool exclusive = false;  // replaces the regular forms of these cells instead of adding to them
};

// One line per form, "form[*]:lemma:cells".
std::vector<IrregularForm> parseIrregulars(QStringView text, QStringList* problems);

}  // namespace latindata
