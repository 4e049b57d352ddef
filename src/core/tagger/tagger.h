#pragma once

#include "core/tagger/formcounts.h"

#include <QHash>
#include <QString>
#include <QStringView>

#include <memory>
#include <optional>
#include <vector>

// The probability of each analysis of each word of a sentence, in its context: a second-order
// hidden Markov model over the corpus tags, whose statistics ship with the lexical data
// (tags.la). A tag names a word class and, for declined words, a case and a number ("n31":
// noun, accusative singular); for finite verbs and infinitives, the mood and whether the tense is
// the present ("v11": present indicative, "v1 ": another indicative).
namespace analysis {

// The tag an analysis counts under, from its codes as a thesaurus record holds them: category
// ("N2", "V3", "PRE"…), case-gender-number ("acc. m. sg.", "3 pl.") and mood-tense-voice ("ind.
// prés. act."). Empty when the codes say too little (a noun without case, no category).
QString tagOfAnalysis(const QString& category, const QString& caseGenderNumber,
                      const QString& moodTenseVoice);

// The tag that stands between sentences, before the first word and after the last.
inline const QString kSentenceTag = QStringLiteral("snt");

class TagModel {
  public:
    // Reads the statistics: "tag,count" lines, then after the line "! --- Trigrammes" the
    // "t1  t2  t3 ,count" lines (each tag padded to three characters), "!" comments. Nothing
    // when the text holds no trigram.
    static std::optional<TagModel> parse(QStringView text);
    // The same from a file; nothing when it cannot be read or is not such statistics. The
    // annotated forms beside it (formes.la), when there are, come with them.
    static std::optional<TagModel> load(const QString& path);

    // What annotated texts say of written forms; null when the statistics come without.
    const FormCounts* formCounts() const { return formCounts_.get(); }
    void setFormCounts(FormCounts counts);

    // P(t3 | t1 t2), smoothed by deleted interpolation with the bigram and unigram
    // probabilities, never zero; a tag the statistics lack counts as a rare one.
    double transition(int t1, int t2, int t3) const;
    // The tag's share of the corpus, never zero.
    double unigram(int tag) const;
    // P(t | a sentence boundary before it), whatever came before the boundary: the bigram and
    // unigram orders alone, the corpus having no reliable count of two boundaries in a row.
    double afterBoundary(int tag) const;
    // The index of a tag, or -1 when the statistics lack it.
    int indexOf(const QString& tag) const;
    int tagCount() const { return static_cast<int>(tags_.size()); }
    // The weights of the three orders of the interpolation: unigram, bigram, trigram.
    const double* lambdas() const { return lambdas_; }

  private:
    void smooth(const std::vector<double>& unigrams, const std::vector<double>& trigrams);

    std::vector<QString> tags_;
    QHash<QString, int> indexOfTag_;  // padded tag -> index in tags_
    std::vector<double> unigram_;
    std::vector<float> transition_;  // tags^3, row-major (t1, t2, t3)
    std::vector<double> afterBoundary_;
    double lambdas_[3] = {0, 0, 0};
    std::shared_ptr<const FormCounts> formCounts_;
};

// One analysis of a word, as the tagger weighs it: its tag and its weight before any context
// (how likely the word is this analysis, up to a factor common to the word's analyses).
struct TaggedCandidate {
    QString tag;
    double weight = 1;
};

// Each candidate's probability in the sentence, word by word; each word's probabilities sum to 1.
// A word without candidate gets none and does not break the context.
std::vector<std::vector<double>> candidateProbabilities(
    const TagModel& model, const std::vector<std::vector<TaggedCandidate>>& sentence);

// The tag statistics installed with the program (beside the morphology database), read on first
// use; null when there are none.
const TagModel* installedTagModel();
// Makes installedTagModel() read this file instead (tests); empty goes back to the installed one.
void useTagModel(const QString& path);

}  // namespace analysis
