#pragma once

#include <QString>
#include <QStringView>

#include <vector>

// How a word form of a text is matched against the morphology database: what Latin editions
// vary on is folded away, and a form may be a word followed by an enclitic.
namespace analysis {

// i for j and u for v, case kept: editions print the same word with either letter. Every
// comparison of Latin words folds them through this one function.
constexpr char16_t foldIJUV(char16_t c) {
    switch (c) {
        case u'j':
            return u'i';
        case u'J':
            return u'I';
        case u'v':
            return u'u';
        case u'V':
            return u'U';
        default:
            return c;
    }
}

// The form folded for matching: lower-cased, j written i and v written u, æ and œ written ae
// and oe, accents and length marks removed. Empty when the form can have no analysis: an empty
// form, one longer than the form field of a record, or one with a character that is not a Latin
// letter (a digit, a sign, a letter of another alphabet).
QString foldedForm(QStringView form);

// Whether foldedForm(form) is this folded form, found without building it.
bool foldsTo(QStringView form, QStringView folded);

// Another spelling under which the database may hold a word that editions print otherwise: an
// unassimilated prefix (adspiro, inpono), a syncopated perfect (mutastis, audisse), a genitive
// in -i (ingeni), tanquam for tamquam, nil for nihil. Some rules only fit some analyses of the
// spelling found: a syncopated form is of the perfect system, a genitive in -i a genitive.
struct SpellingVariant {
    enum class Keep { All, PerfectSystem, SingularGenitive };
    QString folded;
    Keep keep = Keep::All;

    bool operator==(const SpellingVariant&) const = default;
};

// The other spellings of a folded form, each once.
std::vector<SpellingVariant> spellingVariants(const QString& folded);

// The enclitics a word may carry, as they are named to the user, and their analysis when an
// edition prints one apart from its word.
struct Enclitic {
    QString name;         // "que", "ne", "ve"
    QString folded;       // as it ends a folded form: "que", "ne", "ue"
    QString category;     // category code
    QString translation;  // French
};
const std::vector<Enclitic>& enclitics();

// A folded form read as a word followed by an enclitic.
struct EncliticSplit {
    QString word;      // folded, never empty
    QString enclitic;  // its name: "que", "ne" or "ve"
};

// Every way the folded form ends with an enclitic after at least one letter, -que first.
std::vector<EncliticSplit> encliticSplits(const QString& folded);

}  // namespace analysis
