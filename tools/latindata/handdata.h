#pragma once

#include "core/records/records.h"

#include <QString>
#include <QStringList>

#include <vector>

// The hand-written analyses and lemmas that the base thesaurus and the lexicon always hold:
// the school paradigms (sum, qui, is, rosa, dominus, amo...) whatever the corpus frequencies.
namespace latindata {

std::vector<records::ThesaurusRecord> parseHandAnalyses(const QString& tsv, QStringList* problems);
std::vector<records::LexiconRecord> parseHandLemmas(const QString& tsv, QStringList* problems);

// The hand-written analyses with the generated ones, in ascending order of lower-cased form
// (a form's hand-written analyses first), numbered by position. The hand list is the whole
// analysis of the forms it gives: generated analyses of the same form and lemma are left out.
std::vector<records::ThesaurusRecord> mergeAnalyses(
    const std::vector<records::ThesaurusRecord>& hand,
    const std::vector<records::ThesaurusRecord>& generated);

// The generated lemmas with the hand-written lemmas they lack, at most limit records, in
// ascending order of lower-cased lemma, numbered by position.
std::vector<records::LexiconRecord> mergeLemmas(
    const std::vector<records::LexiconRecord>& hand,
    const std::vector<records::LexiconRecord>& generated, int limit);

}  // namespace latindata
