#pragma once

#include "core/records/records.h"

#include <QString>
#include <QStringList>

#include <vector>

// The readable sources of the shipped data: UTF-8 text, one record a line, fields separated by
// tabs; blank lines and lines starting with '#' are skipped.
namespace records::tsv {

struct Line {
    int number = 0;
    QStringList fields;
};

// The lines of the text; a line with another number of fields is left out and reported.
std::vector<Line> parse(const QString& text, int fieldCount, const QString& source,
                        QStringList* problems);

// Thesaurus lines: form, category, lemma, case-gender-number, mood-tense-voice, translation.
constexpr int kThesaurusFields = 6;
ThesaurusRecord thesaurusRecord(const QStringList& fields, qint16 number);
// Lexicon lines: lemma, category, translation, French family, Latin family.
constexpr int kLexiconFields = 5;
LexiconRecord lexiconRecord(const QStringList& fields, qint16 number);

}  // namespace records::tsv
