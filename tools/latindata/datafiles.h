#pragma once

#include "latindata/analyses.h"
#include "latindata/cells.h"

#include "core/records/records.h"

#include <QString>

#include <vector>

// The two data files: the base thesaurus of analysed forms and the lexicon of lemmas, in the
// record layouts and orders the program reads them in.
namespace latindata {

constexpr int kThesaurusTranslationWidth = 80;
constexpr int kLexiconTranslationWidth = 100;
constexpr int kFamilyWidth = 70;

// The cell's features as the analysis of one lemma's form shows them: a noun takes the gender
// of its lemma; a deponent's voice is "déponent"; a verb without passive shows no voice.
Features featuresOfAnalysis(const Features& cell, const LemmaKind& kind);

// The translation shown beside a form: the lemma's, cut to the field, after a word naming the
// degree, which the coding scheme cannot write.
QString analysisTranslation(const QString& lemmaTranslation, const Features& cell);

// Records of the chosen analyses, in ascending order of lower-cased form (records of one form
// together, the most expected first), numbered by position.
std::vector<records::ThesaurusRecord> thesaurusRecords(const AnalysisSet& set,
                                                       const CellTable& cells,
                                                       const std::vector<int>& chosen);

struct LexiconEntry {
    QString lemma;
    QString category;
    QString translation;
    QString frenchFamily;
    QString latinFamily;
    int frequency = 0;
};

// One record per entry, at most limit of them (the most frequent), in ascending order of
// lower-cased lemma, numbered by position.
std::vector<records::LexiconRecord> lexiconRecords(std::vector<LexiconEntry> entries, int limit);

// The records as the bytes of their file.
template <class R>
QByteArray fileBytes(const std::vector<R>& recs) {
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(recs.size()) * R::Length);
    for (const R& r : recs) {
        bytes.append(r.data(), R::Length);
    }
    return bytes;
}

}  // namespace latindata
