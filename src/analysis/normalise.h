#pragma once

#include <QString>
#include <QStringView>

#include <vector>

// How a word form of a text is matched against the morphology database: what Latin editions
// vary on is folded away, and a form may be a word followed by an enclitic.
namespace analysis {

// The form folded for matching: lower-cased, j written i and v written u, æ and œ written ae
// and oe, accents and length marks removed. Empty when the form can have no analysis: an empty
// form, one longer than the form field of a record, or one with a character that is not a Latin
// letter (a digit, a sign, a letter of another alphabet).
QString foldedForm(QStringView form);

// Whether foldedForm(form) is this folded form, found without building it.
bool foldsTo(QStringView form, QStringView folded);

// The enclitics a word may carry, as they are named to the user.
struct Enclitic {
    QString name;    // "que", "ne", "ve"
    QString folded;  // as it ends a folded form: "que", "ne", "ue"
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
