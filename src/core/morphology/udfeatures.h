#pragma once

#include <QString>

// The program's codes in the terms of Universal Dependencies for Latin: the category code gives
// the part of speech (UPOS), the case-gender-number and mood-tense-voice values give the
// features (FEATS). Tense and aspect are written as the classical Latin treebanks write them:
// the tenses of the present stem carry Aspect=Imp, those of the perfect stem Aspect=Perf.
namespace analysis {

// The UPOS of a category code ("N2" NOUN, "PRE" ADP...); a noun whose lemma begins with a
// capital is a PROPN, the verb "sum" an AUX. "X" for a code the program does not know.
QString uposOf(const QString& category, const QString& lemma);

// The FEATS of an analysis, features in alphabetical order joined by "|", or "_" when it has
// none. The degree is read from the translation, which begins with "(comparatif)" or
// "(superlatif)" for a compared form; adjectives otherwise are positive.
QString featsOf(const QString& category, const QString& caseGenderNumber,
                const QString& moodTenseVoice, const QString& translation);

}  // namespace analysis
