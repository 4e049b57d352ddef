#pragma once

#include <QHash>
#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

// How often annotated Latin texts give a written form each lemma and features: what a word says
// of its analyses before its context does ("quod" is the conjunction more often than the
// pronoun, "quae" the nominative about as often as the accusative). The counts ship beside the
// tag statistics (formes.la): "form<TAB>lemma<TAB>features<TAB>count" lines, the features as
// CoNLL-U writes them ("Case=Nom|Gender=Neut|Number=Sing", "_"), "!" comments.
namespace analysis {

// A lemma as lemmas are compared: homograph marks dropped ("sum1", "edo#1", a leading "-" of
// an enclitic), then folded as forms are matched (case, i/j, u/v, æ/œ, accents and length
// marks), and a lemma that the lexical data and the annotated texts cite under two forms (se /
// sui, castra / castrum, nos / ego…) under one of them: "Iuppiter" and "Juppiter1" are one
// lemma.
QString comparableLemma(const QString& lemma);

// A lemma as counts are matched: comparable, and marked when it is written with a capital, for a
// proper name is not the common noun that folds like it (Gallus the Gaul, gallus the cock).
QString countedLemma(const QString& lemma);

// The features a count is compared on, each value by its first two letters (0 when not given):
// case, gender, number, person, mood, tense, aspect, voice, verb form. Degree is left out, the
// program's analyses reading it from their translation.
struct CountedFeatures {
    quint16 values[9] = {0, 0, 0, 0, 0, 0, 0, 0, 0};

    // From CoNLL-U features; those it does not compare are ignored.
    static CountedFeatures parse(QStringView feats);
    // Whether each feature both sides give has the same value on both.
    bool fits(const CountedFeatures& other) const;
    // Whether a word annotated with these features is an analysis with those, strictly: they fit,
    // and these give a case, a mood and a verb form wherever the analysis does.
    bool annotates(const CountedFeatures& analysis) const;
    // Whether the features give no case, mood or verb form: an invariable word's.
    bool invariable() const;
    // Whether both are words of one kind: declined or not, finite verb or not, verb form or not
    // (a noun and an adverb never fit as endings do, though the adverb gives no feature).
    bool sameKind(const CountedFeatures& other) const;
};

class FormCounts {
  public:
    static std::optional<FormCounts> parse(QStringView text);
    // Nothing when the file cannot be read or holds no count.
    static std::optional<FormCounts> load(const QString& path);

    // One lemma and features the texts gave a form, and how often.
    struct Annotation {
        QString lemma;  // as countedLemma() writes it
        CountedFeatures features;
        int count = 0;
    };
    // What the texts gave the form (folded as forms are matched); a form written with an
    // enclitic ("virumque") has its host's when the texts do not know it whole. Empty for a
    // form they do not know.
    const std::vector<Annotation>& of(const QString& form) const;
    // How often these annotations give a lemma (as countedLemma() writes it) with features that fit
    // these. The texts annotate some declined words without case (numerals): such a count goes to a
    // declined analysis only while the word has no invariable analysis of the lemma, its
    // `invariableRival`, to take it ("tres" in any case, but "magis" the adverb, not the noun).
    static int count(const std::vector<Annotation>& annotations, const QString& lemma,
                     const CountedFeatures& features, bool invariableRival = false);
    // The same, from the form and any lemma.
    int count(const QString& form, const QString& lemma, const CountedFeatures& features) const;
    // How often the form was annotated at all.
    int total(const QString& form) const;
    // How often the annotated forms that end as this one does (its last kEndingLength letters,
    // folded) had features of the same kind that fit these: what a form the texts do not know
    // says by its ending ("-ia" is more often an accusative than a nominative).
    int endingCount(const QString& form, const CountedFeatures& features) const;
    static constexpr int kEndingLength = 3;
    qsizetype formCount() const { return byForm_.size(); }

  private:
    void countEnding(const QString& form, const CountedFeatures& features, int count);

    QHash<QString, std::vector<Annotation>> byForm_;  // folded form -> its annotations
    // Folded ending -> each set of features its forms had and how often (the lemma left empty).
    QHash<QString, std::vector<Annotation>> byEnding_;
};

}  // namespace analysis
