#pragma once

#include "core/grid/gridrows.h"
#include "core/grid/keeping.h"
#include "core/morphology/morphology.h"
#include "core/morphology/proposals.h"
#include "core/tagger/tagger.h"

#include <QHash>

#include <utility>
#include <vector>

// The analysis most probable in context: each row's probability among the rows of its
// occurrence, as the tagger weighs them in the occurrence's sentence, and the command that keeps
// the most probable row of every ambiguous occurrence the user has not touched.
namespace analysis {

// How much more an analysis stored in a thesaurus weighs than one the database proposes. What
// annotated texts say of the form weighs before it (tuned as the ranking's other weights).
constexpr double kStoredWeight = 3.0;

// One analysis as the tagger weighs it apart from context.
struct WeighedAnalysis {
    WeighedAnalysis() = default;
    WeighedAnalysis(QString lemma, QString category, QString caseGenderNumber,
                    QString moodTenseVoice, int frequency = 0, bool stored = false,
                    QString translation = {})
        : lemma(std::move(lemma)),
          category(std::move(category)),
          caseGenderNumber(std::move(caseGenderNumber)),
          moodTenseVoice(std::move(moodTenseVoice)),
          frequency(frequency),
          stored(stored),
          translation(std::move(translation)) {}

    QString lemma;
    QString category;
    QString caseGenderNumber;
    QString moodTenseVoice;
    int frequency = 0;    // of the lemma; 0 when unknown
    bool stored = false;  // from a thesaurus rather than the database
    // Read of prepositions only: the case they take, "(+ acc.)", "(+ abl.)".
    QString translation;
};

// The cases a preposition takes, as its translation names them: "3" (accusative), "4"
// (genitive), "6" (ablative), as the corpus tags number cases. A preposition whose translation
// names none takes the accusative or the ablative; any other analysis, none.
QString governedCases(const WeighedAnalysis& analysis);

// How a word is written where it stands: a capital inside a sentence points to a proper name,
// none to a common word; the first word of a sentence says nothing.
enum class Capitals { Unknown, Lower, Upper };

// How a word is written, `first` when it begins its sentence.
Capitals capitalsOf(const QString& form, bool first);

// The candidates of one word: each lemma's frequency shared among its analyses of the word as
// the corpus shares its tags, a stored analysis weighing kStoredWeight times more, a lemma
// whose capital the word's writing contradicts much less, and, when the model has annotated
// forms that know the written `form`, each analysis as often as they give it to the form.
std::vector<TaggedCandidate> taggedCandidates(const TagModel& model,
                                              const std::vector<WeighedAnalysis>& analyses,
                                              Capitals capitals = Capitals::Unknown,
                                              const QString& form = {});

// A word of a sentence as it is written and the analyses to rank; a word without analyses (a
// sign) does not break the context.
struct SentenceWord {
    QString form;
    std::vector<WeighedAnalysis> analyses;
};

// Each analysis's probability in its sentence, word by word: the tag context, what the word
// says of each analysis, the case prepositions take, the subjects verbs want (of their number,
// one at least) and the object "sum" does not take, and the agreement of adjectives,
// participles and pronouns with the nouns near them in case, gender and number.
std::vector<std::vector<double>> sentenceProbabilities(const TagModel& model,
                                                       const std::vector<SentenceWord>& sentence);

// The frequency of a row's lemma as the database knows it for the row's form; 0 when unknown.
class LemmaFrequencies {
  public:
    explicit LemmaFrequencies(MorphologyDatabase* database) : database_(database) {}
    int of(const QString& form, const QString& lemma);

  private:
    MorphologyDatabase* database_;
    QHash<QString, QHash<QString, int>> byForm_;  // folded form -> lower-cased lemma -> count
};

// Each row's probability among the rows of its occurrence (1 for an occurrence of one row, 0
// for an empty row). `sentenceStarts` are the indices of the words that begin a sentence, in
// order; without them the whole grid is one sentence.
std::vector<double> rowProbabilities(const GridRows& rows, const TagModel& model,
                                     LemmaFrequencies& frequencies,
                                     const std::vector<qint64>& sentenceStarts = {});

// Orders the proposals of grid row `row` by their probability in the row's sentence, the most
// probable first, each line beginning with its percentage. The other words of the sentence
// count with the analyses their rows show; an analysis the grid already shows for the row's
// form (a stored one) weighs more.
void rankProposals(ProposalList& list, const GridRows& rows, qint64 row, const TagModel& model,
                   LemmaFrequencies& frequencies, const std::vector<qint64>& sentenceStarts = {});

struct Choice {
    // The change as hunks, one per occurrence reduced: what the grid applies and undo keeps.
    RowsEdit edit;
    qint64 occurrences = 0;  // occurrences reduced to their most probable row
    qint64 removed = 0;      // rows taken out of the grid
    // Where each former row (index row - 1) is now; rows taken out point to the row kept.
    std::vector<qint64> newRowOf;
};

// Within grid rows `span` (all when its first row is 0), every occurrence whose rows are still
// as the lookup or the completion wrote them (several rows, their analysis cells in the
// ambiguity colour) keeps its most probable row, its analysis cells in the chosen colour.
Choice choosingMostProbable(const GridRows& rows, const std::vector<double>& probabilities,
                            RowSpan span = {});

// The rows the choice was made on, once it is made.
GridRows rowsAfter(GridRows rows, const Choice& choice);

}  // namespace analysis
