#pragma once

#include <QString>
#include <QStringView>

#include <vector>

// Spelling of the Latin lexical data: its words carry vowel-length marks and write consonantal
// i as j; the program shows words as French school editions print them.
namespace latindata {

// One letter of a source word and the marks written over or under it.
struct MarkedLetter {
    QChar base;                // an ASCII letter, or a digit or sign kept as it is
    bool lengthMark = false;   // macron or breve: the letter is a vowel of its own syllable
    bool nonSyllabic = false;  // dot below: u that is neither a vowel nor a v (lingua, suadeo)
};

// The letters of a word with their marks. Letters the Latin alphabet lacks are mapped to the
// Latin letter they stand for (Cyrillic short u used as y with breve, æ, œ); other characters
// that are neither ASCII nor marks are dropped.
std::vector<MarkedLetter> markedLetters(QStringView word);

// The word as a school edition prints it: no marks, j written i, consonantal u written v
// (an unmarked u between vowels or before a vowel at the start: uos, nouus), digits and signs
// dropped.
QString schoolSpelling(QStringView word);

// A name of the data folded so that the files can refer to each other: no marks, i for j and
// u for v, case and homonym digits kept (cum2, Gallus3).
QString matchingKey(QStringView word);

// A prefix that texts also print assimilated to the consonant after it (adtingo, attingo),
// in school spelling.
struct Assimilation {
    QString from;
    QString to;
};

// "from:to" lines (assimilations.la), the longest prefixes first.
std::vector<Assimilation> parseAssimilations(QStringView text);

// The form with its prefix assimilated, capital kept; empty when no prefix of the list
// begins it.
QString assimilated(const QString& form, const std::vector<Assimilation>& assimilations);

// A key without the homonym digits at its end.
QString withoutHomonymNumber(QStringView key);

// Text for a Windows-1252 field: letters with marks the code page lacks lose their marks;
// characters it cannot hold at all are dropped; runs of blanks shrink to one.
QString codePageText(QStringView text);

// The text cut to at most width characters, at a separator (comma, semicolon, colon, full
// stop) that stands outside brackets, with the separator and the blanks before it removed.
// Without such a separator the text is cut after the last whole word that fits.
QString cutAtSeparator(const QString& text, int width);

}  // namespace latindata
