#pragma once

#include "core/lookup/thesauruslists.h"
#include "core/morphology/morphology.h"
#include "core/tagger/tagger.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

class QTextStream;

// Whole texts analysed without the workspace: every word of every sentence with all the
// analyses the program knows for it, written as a table (TSV) or as CoNLL-U. What the
// command-line analyser and the measurement on annotated texts share.
namespace analysis {

// One analysis of a word; a value the analysis lacks is empty.
struct WordAnalysis {
    enum class Source { Thesaurus, Database };

    QString lemma;
    QString translation;  // an enclitic is named after it: "… + -que"
    QString category;
    QString caseGenderNumber;
    QString moodTenseVoice;
    QString upos;
    QString feats;  // "_" when there are none, as CoNLL-U writes it
    Source source = Source::Database;
    int frequency = 0;  // of the lemma, as the database counts it; 0 when unknown
};

// Analyses word forms: the base thesaurus's analyses of the form first, in thesaurus order,
// then the morphology database's that differ from them (lemma, category or features); a form
// the thesaurus lacks gets the database's proposals alone, the most frequent lemma first.
class WordAnalyser {
  public:
    // With tag statistics, rankInContext() orders the analyses of each sentence's words.
    WordAnalyser(const ThesaurusLists& thesaurus, MorphologyDatabase& database,
                 const TagModel* tags = nullptr);

    // Each form is looked up once; its analyses are kept for its next occurrences.
    const std::vector<WordAnalysis>& analyse(const QString& form);
    // The analyses of a token of an annotated text: its letters are the word ("-que" is
    // "que"); a token with no letters, or with letters apart ("ab-eo"), has none.
    std::vector<WordAnalysis> analyseToken(const QString& token);
    // Orders each word's analyses (`forms` as the words are written) the most probable first in
    // their sentence, equally probable ones as they were; without tag statistics, leaves them as
    // they are.
    void rankInContext(std::vector<std::vector<WordAnalysis>>& sentence,
                       const QStringList& forms) const;

  private:
    std::vector<WordAnalysis> lookUp(const QString& form);

    const ThesaurusLists& thesaurus_;
    MorphologyDatabase& database_;
    const TagModel* tags_;
    QHash<QString, std::vector<qint64>> entriesByForm_;  // lowered form -> thesaurus entries
    QHash<QString, std::vector<WordAnalysis>> analysesByForm_;
};

struct Sentence {
    QString text;  // as written, its white space run together
    QStringList words;
};

// The sentences of a text: one ends at ".", "!" or "?" and at an empty line; a full stop after
// an abbreviated first name (a capital alone, "Cn.", "Ti."...) ends none. The words of each are
// cut as the workspace cuts them; a sentence without words is left out.
std::vector<Sentence> cutSentences(const QString& text);

// Where the sentences of a text begin, as indices into the text's words cut as the workspace
// cuts them; none when the two cuttings do not agree.
std::vector<qint64> sentenceStartsOf(const QString& text, qsizetype wordCount);

enum class OutputFormat { Tsv, Conllu };

// The column names of the TSV output, in order.
QStringList tsvHeader();

// Writes the analyses of a plain text: TSV (header line, one line per analysis, a line of rang
// 0 for a word without any), or CoNLL-U (one sentence block per sentence, the first analysis
// of each word filling its LEMMA, UPOS, XPOS and FEATS).
void writeTextAnalyses(const QString& text, WordAnalyser& analyser, OutputFormat format,
                       QTextStream& out);

// The analyses of each word line (integer ID, then the form) of CoNLL-U lines, ranked in their
// sentence (sentences end at an empty line); other lines get none.
std::vector<std::vector<WordAnalysis>> analysesOfWordLines(const QStringList& lines,
                                                           WordAnalyser& analyser);

// Writes the analyses of a CoNLL-U text. As CoNLL-U every line comes back as it was, except
// the LEMMA, UPOS, XPOS and FEATS of each word line, filled from the word's first analysis; as
// TSV `phrase` is the sentence's position in the file and `mot` the word line's ID.
void writeConlluAnalyses(const QString& conllu, WordAnalyser& analyser, OutputFormat format,
                         QTextStream& out);

}  // namespace analysis
