#include "core/tagger/choosing.h"

#include "core/lookup/thesauruslists.h"
#include "core/morphology/normalise.h"
#include "core/morphology/udfeatures.h"
#include "core/records/records.h"
#include "core/tagger/formcounts.h"

#include <QHash>
#include <QSet>
#include <QStringTokenizer>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace analysis {
namespace {

// A row whose analysis cells the lookup or the completion coloured as one of several.
bool stillAmbiguous(const GridRow& row) {
    for (int c = index(Column::Lemma); c <= index(Column::MoodTenseVoice); ++c) {
        if (row.cells[static_cast<std::size_t>(c)].colour != kAmbiguityColour) {
            return false;
        }
    }
    return true;
}

QString cellText(const GridRow& row, Column c) {
    const QString text = records::trimmedRight(row[c].text);
    return text == records::kEmptyMarker ? QString() : text;
}

// The occurrences of the grid in order: where each begins and ends (rows 1 and up).
std::vector<RowSpan> occurrences(const GridRows& rows) {
    std::vector<RowSpan> spans;
    for (qint64 row = 1; row <= static_cast<qint64>(rows.size());) {
        const RowSpan span = occurrenceOf(rows, row);
        spans.push_back(span);
        row = span.last + 1;
    }
    return spans;
}

// The analyses an occurrence's rows show, weighed as the database counts their lemmas.
std::vector<WeighedAnalysis> analysesOfRows(const GridRows& rows, const RowSpan& span,
                                            LemmaFrequencies& frequencies) {
    const QString form =
        records::trimmedRight(rows[static_cast<std::size_t>(span.first - 1)][Column::Form].text);
    std::vector<WeighedAnalysis> analyses;
    for (qint64 r = span.first; r <= span.last; ++r) {
        const GridRow& row = rows[static_cast<std::size_t>(r - 1)];
        const QString lemma = cellText(row, Column::Lemma);
        const QString category = cellText(row, Column::Category);
        // Only a preposition's translation is read (for the case it takes): the others are not
        // trimmed for nothing on every row of the grid.
        const bool preposition = category == QLatin1String("PRE");
        analyses.push_back({lemma, category, cellText(row, Column::CaseGenderNumber),
                            cellText(row, Column::MoodTenseVoice), frequencies.of(form, lemma),
                            false, preposition ? cellText(row, Column::Translation) : QString()});
    }
    return analyses;
}

// The lemma counts say more of which lemma a word is than the tag context does: squared, they
// gave the best first analyses on annotated texts (lemma and features right for 75.6 % of the
// words against 75.3 % unsquared and 73.9 % without context).
constexpr double kLemmaFrequencyExponent = 2.0;
// How much less a lemma weighs when the word's writing contradicts its capital.
constexpr double kCapitalPenalty = 20.0;

// The enclitic conjunctions, always written after their word: the corpus counts them apart.
bool isEncliticConjunction(const WeighedAnalysis& a) {
    const QString lemma = a.lemma.toLower();
    return a.category == QLatin1String("CC") &&
           (lemma == QLatin1String("que") || lemma == QLatin1String("ve"));
}

QString tagOf(const WeighedAnalysis& a) {
    if (isEncliticConjunction(a)) {
        return QStringLiteral("ce ");
    }
    return tagOfAnalysis(a.category, a.caseGenderNumber, a.moodTenseVoice);
}

// A stored analysis whose lemma the database does not count names, as a rule, a lemma the
// database spells otherwise ("sui" for "se"): it counts as often as the database's analysis
// with the same codes.
int frequencyOf(const std::vector<WeighedAnalysis>& analyses, std::size_t i) {
    const WeighedAnalysis& a = analyses[i];
    if (!a.stored || a.frequency > 0) {
        return a.frequency;
    }
    int borrowed = 0;
    for (const WeighedAnalysis& b : analyses) {
        if (!b.stored && b.category == a.category && b.caseGenderNumber == a.caseGenderNumber &&
            b.moodTenseVoice == a.moodTenseVoice) {
            borrowed = std::max(borrowed, b.frequency);
        }
    }
    return borrowed;
}

// Whether the codes ("acc. f. pl.") hold this one between blanks.
bool holdsCode(QStringView codes, QLatin1String code) {
    for (const QStringView part : QStringTokenizer{codes, u' ', Qt::SkipEmptyParts}) {
        if (part == code) {
            return true;
        }
    }
    return false;
}

// What the corpus tags leave out, weighed as Latin uses it: a verb is far more often in the
// third person, a word that does not agree with a noun more often masculine than feminine.
// Tuned on half of the annotated sentences, checked on the other half.
constexpr double kFirstSecondPerson = 0.2;
constexpr double kFeminine = 0.7;
// A neuter is more often the object than the subject: its nominative and accusative, written
// alike, are not equally likely.
constexpr double kNeuterNominative = 0.3;

double finerFeaturesPrior(const WeighedAnalysis& a) {
    double prior = 1;
    const QString& cgn = a.caseGenderNumber;
    if (cgn.startsWith(QLatin1Char('1')) || cgn.startsWith(QLatin1Char('2'))) {
        prior *= kFirstSecondPerson;
    }
    if (holdsCode(cgn, QLatin1String("f."))) {
        prior *= kFeminine;
    }
    if (holdsCode(cgn, QLatin1String("nt.")) && cgn.startsWith(QLatin1String("nom."))) {
        prior *= kNeuterNominative;
    }
    return prior;
}

bool contradictsCapitals(const QString& lemma, Capitals capitals) {
    if (capitals == Capitals::Unknown || lemma.isEmpty()) {
        return false;
    }
    return lemma.front().isUpper() != (capitals == Capitals::Upper);
}

// Where annotated texts know a form, each analysis weighs as often as they give it the form,
// plus its share of kAnnotatedPriorMass as the weights before them spread it: what the texts
// never saw stays possible, what they saw often wins. Where they do not know it, each analysis
// weighs, besides, as often as the forms of the same ending had its features, plus
// kEndingSmoothing (tuned as above).
constexpr double kAnnotatedPriorMass = 0.3;
constexpr double kEndingSmoothing = 20.0;

// The features an analysis is counted on. The program's codes take few values, and reading them
// is the costliest step of weighing a word: each set is read once.
const CountedFeatures& countedFeaturesOf(const WeighedAnalysis& a) {
    thread_local QHash<QString, CountedFeatures> read;
    const QString key =
        a.category + QLatin1Char('\t') + a.caseGenderNumber + QLatin1Char('\t') + a.moodTenseVoice;
    auto it = read.find(key);
    if (it == read.end()) {
        // The degree, the one feature read from the translation, is not counted.
        it = read.insert(key, CountedFeatures::parse(featsOf(a.category, a.caseGenderNumber,
                                                             a.moodTenseVoice, QString())));
    }
    return *it;
}

void weighByAnnotatedForms(const FormCounts* counts, const QString& form,
                           const std::vector<WeighedAnalysis>& analyses,
                           std::vector<TaggedCandidate>& candidates) {
    if (!counts || form.isEmpty()) {
        return;
    }
    const std::vector<FormCounts::Annotation>& annotations = counts->of(form);
    if (annotations.empty()) {
        for (std::size_t i = 0; i < analyses.size(); ++i) {
            candidates[i].weight *=
                counts->endingCount(form, countedFeaturesOf(analyses[i])) + kEndingSmoothing;
        }
        return;
    }
    double sum = 0;
    QStringList lemmas;
    QSet<QString> invariableLemmas;
    for (std::size_t i = 0; i < analyses.size(); ++i) {
        sum += candidates[i].weight;
        lemmas << countedLemma(analyses[i].lemma);
        if (countedFeaturesOf(analyses[i]).invariable()) {
            invariableLemmas.insert(lemmas.back());
        }
    }
    for (std::size_t i = 0; i < analyses.size(); ++i) {
        const QString& lemma = lemmas[static_cast<qsizetype>(i)];
        const double share = sum > 0 ? candidates[i].weight / sum : 0;
        candidates[i].weight = FormCounts::count(annotations, lemma, countedFeaturesOf(analyses[i]),
                                                 invariableLemmas.contains(lemma)) +
                               kAnnotatedPriorMass * share;
    }
}

}  // namespace

Capitals capitalsOf(const QString& form, bool first) {
    if (first || form.isEmpty() || !form.front().isLetter()) {
        return Capitals::Unknown;
    }
    return form.front().isUpper() ? Capitals::Upper : Capitals::Lower;
}

std::vector<TaggedCandidate> taggedCandidates(const TagModel& model,
                                              const std::vector<WeighedAnalysis>& analyses,
                                              Capitals capitals, const QString& form) {
    std::vector<TaggedCandidate> candidates;
    candidates.reserve(analyses.size());
    QHash<QString, double> tagMassOfLemma;
    for (const WeighedAnalysis& a : analyses) {
        const QString tag = tagOf(a);
        candidates.push_back({tag, model.unigram(model.indexOf(tag)) * finerFeaturesPrior(a)});
        tagMassOfLemma[a.lemma.toLower()] += candidates.back().weight;
    }
    // P(analysis | word): the lemma's share of the word, times the tag's share of the lemma's
    // analyses as the corpus counts tags.
    for (std::size_t i = 0; i < analyses.size(); ++i) {
        const WeighedAnalysis& a = analyses[i];
        candidates[i].weight *= std::pow(frequencyOf(analyses, i) + 1.0, kLemmaFrequencyExponent) /
                                tagMassOfLemma.value(a.lemma.toLower());
    }
    weighByAnnotatedForms(model.formCounts(), form, analyses, candidates);
    // What the user stored, and how the word is written, weigh over what any texts say.
    for (std::size_t i = 0; i < analyses.size(); ++i) {
        if (analyses[i].stored) {
            candidates[i].weight *= kStoredWeight;
        }
        if (contradictsCapitals(analyses[i].lemma, capitals)) {
            candidates[i].weight /= kCapitalPenalty;
        }
    }
    return candidates;
}

namespace {

// What agreement reads of an analysis: whether it is a noun or a word that agrees with one
// (adjective, participle, pronoun, numeral), and its case, gender and number ('\0' when the
// codes do not say).
struct Agreeing {
    enum class Role { None, Noun, Agrees };
    Role role = Role::None;
    char grammaticalCase = 0;
    char gender = 0;
    char number = 0;
};

Agreeing agreeingOf(const WeighedAnalysis& a, const QString& tag) {
    Agreeing g;
    if (tag.size() < 3 || !tag[1].isDigit() || tag[1] == QLatin1Char('8')) {
        return g;
    }
    const QChar letter = tag[0];
    if (letter == QLatin1Char('n')) {
        g.role = Agreeing::Role::Noun;
    } else if (letter == QLatin1Char('a') || letter == QLatin1Char('p') ||
               letter == QLatin1Char('m') || letter == QLatin1Char('w')) {
        g.role = Agreeing::Role::Agrees;
    } else {
        return g;
    }
    g.grammaticalCase = static_cast<char>(tag[1].unicode());
    const QString& codes = a.caseGenderNumber;
    g.number = holdsCode(codes, QLatin1String("sg."))   ? 's'
               : holdsCode(codes, QLatin1String("pl.")) ? 'p'
                                                        : 0;
    g.gender = holdsCode(codes, QLatin1String("m."))    ? 'm'
               : holdsCode(codes, QLatin1String("f."))  ? 'f'
               : holdsCode(codes, QLatin1String("nt.")) ? 'n'
                                                        : 0;
    return g;
}

// Whether two analyses can be a noun and a word agreeing with it: same case, and the same
// gender and number where both say them.
bool agree(const Agreeing& a, const Agreeing& b) {
    const auto same = [](char x, char y) { return x == 0 || y == 0 || x == y; };
    return a.grammaticalCase == b.grammaticalCase && same(a.gender, b.gender) &&
           same(a.number, b.number);
}

// How strongly an analysis is drawn to the analyses of nearby words it can agree with, and how
// far the pull reaches, in words (tuned as above).
constexpr double kAgreementWeight = 8.0;
constexpr int kAgreementReach = 8;

// A word's probabilities made to add up to one again after some were weighed up.
void normalise(std::vector<double>& p) {
    const double sum = std::accumulate(p.begin(), p.end(), 0.0);
    for (double& x : p) {
        x = sum > 0 ? x / sum : x;
    }
}

// Each analysis gains in proportion to the probability of the analyses it agrees with, among
// the other role's analyses of the words within reach, the nearer the more.
void weighAgreement(const std::vector<std::vector<Agreeing>>& words,
                    std::vector<std::vector<double>>& probabilities) {
    const std::vector<std::vector<double>> before = probabilities;
    const auto n = static_cast<int>(words.size());
    for (int i = 0; i < n; ++i) {
        std::vector<double>& p = probabilities[static_cast<std::size_t>(i)];
        const std::vector<Agreeing>& here = words[static_cast<std::size_t>(i)];
        bool changed = false;
        for (std::size_t k = 0; k < here.size(); ++k) {
            if (here[k].role == Agreeing::Role::None) {
                continue;
            }
            double pull = 0;
            for (int j = std::max(0, i - kAgreementReach);
                 j <= std::min(n - 1, i + kAgreementReach); ++j) {
                if (j == i) {
                    continue;
                }
                const std::vector<Agreeing>& there = words[static_cast<std::size_t>(j)];
                double agreeing = 0;
                for (std::size_t m = 0; m < there.size(); ++m) {
                    if (there[m].role != Agreeing::Role::None && there[m].role != here[k].role &&
                        agree(here[k], there[m])) {
                        agreeing += before[static_cast<std::size_t>(j)][m];
                    }
                }
                pull += agreeing / std::abs(j - i);
            }
            p[k] *= 1 + kAgreementWeight * pull;
            changed = true;
        }
        if (changed) {
            normalise(p);
        }
    }
}

// How strongly a preposition and the words of the phrase it opens draw each other to the case
// it takes, and how many words the phrase reaches (tuned as above).
constexpr double kGovernmentWeight = 4.0;
constexpr int kGovernmentReach = 1;

// The words a preposition at `at` governs: those after it, up to kGovernmentReach, until one
// that cannot be declined (a verb, a sign, a conjunction) ends the phrase.
int phraseEnd(const std::vector<std::vector<Agreeing>>& words, int at) {
    const int n = static_cast<int>(words.size());
    int end = at + 1;
    while (end < n && end <= at + kGovernmentReach &&
           std::any_of(words[static_cast<std::size_t>(end)].begin(),
                       words[static_cast<std::size_t>(end)].end(),
                       [](const Agreeing& g) { return g.role != Agreeing::Role::None; })) {
        ++end;
    }
    return end;
}

// The probability of a word's analyses whose case is among `cases`.
double massInCases(const std::vector<Agreeing>& word, const std::vector<double>& p,
                   const QString& cases) {
    double mass = 0;
    for (std::size_t m = 0; m < word.size(); ++m) {
        if (word[m].role != Agreeing::Role::None &&
            cases.contains(QLatin1Char(word[m].grammaticalCase))) {
            mass += p[m];
        }
    }
    return mass;
}

// A preposition takes the case of the word after it, and the words of its phrase take its case,
// the nearer the more: each analysis gains in proportion to the probability of what it fits.
void weighGovernment(const std::vector<SentenceWord>& sentence,
                     const std::vector<std::vector<Agreeing>>& words,
                     std::vector<std::vector<double>>& probabilities) {
    const std::vector<std::vector<double>> before = probabilities;
    const auto n = static_cast<int>(words.size());
    // For each word, how much each case digit is called for by the prepositions before it.
    std::vector<QHash<char, double>> calledFor(words.size());
    for (int i = 0; i < n; ++i) {
        const auto& analyses = sentence[static_cast<std::size_t>(i)].analyses;
        const int end = phraseEnd(words, i);
        if (end == i + 1) {
            continue;
        }
        std::vector<double>& p = probabilities[static_cast<std::size_t>(i)];
        bool changed = false;
        for (std::size_t k = 0; k < analyses.size(); ++k) {
            const QString cases = governedCases(analyses[k]);
            if (cases.isEmpty()) {
                continue;
            }
            const auto next = static_cast<std::size_t>(i + 1);
            p[k] *= 1 + kGovernmentWeight * massInCases(words[next], before[next], cases);
            changed = true;
            for (int j = i + 1; j < end; ++j) {
                for (const QChar c : cases) {
                    calledFor[static_cast<std::size_t>(j)][static_cast<char>(c.unicode())] +=
                        before[static_cast<std::size_t>(i)][k] / (j - i);
                }
            }
        }
        if (changed) {
            normalise(p);
        }
    }
    for (std::size_t j = 0; j < words.size(); ++j) {
        if (calledFor[j].isEmpty()) {
            continue;
        }
        for (std::size_t m = 0; m < words[j].size(); ++m) {
            if (words[j][m].role != Agreeing::Role::None) {
                probabilities[j][m] *=
                    1 + kGovernmentWeight * calledFor[j].value(words[j][m].grammaticalCase);
            }
        }
        normalise(probabilities[j]);
    }
}

// How much a nominative loses to the finite verbs of the other number around it, and how far
// it looks for them, in words (tuned as above).
constexpr double kSubjectWeight = 4.0;
constexpr int kSubjectReach = 6;

// What the rules of the clause read of a verb: whether it is finite (indicative, subjunctive,
// imperative), a form of "sum", and its number when it is of the third person ('s', 'p').
struct Finite {
    bool finite = false;
    bool copula = false;
    char thirdPersonNumber = 0;
};

Finite finiteOf(const WeighedAnalysis& a, const QString& tag) {
    Finite f;
    f.finite = tag.size() >= 2 && tag[0] == QLatin1Char('v') && tag[1] >= QLatin1Char('1') &&
               tag[1] <= QLatin1Char('3');
    if (!f.finite) {
        return f;
    }
    f.copula = comparableLemma(a.lemma) == QLatin1String("sum");
    if (a.caseGenderNumber.startsWith(QLatin1Char('3'))) {
        f.thirdPersonNumber = holdsCode(a.caseGenderNumber, QLatin1String("sg."))   ? 's'
                              : holdsCode(a.caseGenderNumber, QLatin1String("pl.")) ? 'p'
                                                                                    : 0;
    }
    return f;
}

// For each word, the probability of the analyses that `sides` puts on the first side of a pair,
// and of those it puts on the second ({true, false}, {false, true}, both, or neither).
template <typename Item, typename Sides>
std::vector<std::pair<double, double>> massOnSides(
    const std::vector<std::vector<Item>>& words,
    const std::vector<std::vector<double>>& probabilities, Sides sides) {
    std::vector<std::pair<double, double>> mass(words.size(), {0.0, 0.0});
    for (std::size_t j = 0; j < words.size(); ++j) {
        for (std::size_t m = 0; m < words[j].size(); ++m) {
            const auto [first, second] = sides(words[j][m]);
            mass[j].first += first ? probabilities[j][m] : 0;
            mass[j].second += second ? probabilities[j][m] : 0;
        }
    }
    return mass;
}

// For each word, the probability that it is a finite verb of the third person in the singular,
// in the plural.
std::vector<std::pair<double, double>> thirdPersonVerbs(
    const std::vector<std::vector<Finite>>& verbs,
    const std::vector<std::vector<double>>& probabilities) {
    return massOnSides(verbs, probabilities, [](const Finite& f) {
        return std::pair{f.thirdPersonNumber == 's', f.thirdPersonNumber == 'p'};
    });
}

// The reflexive pronoun, which stands for the subject and takes its number.
bool isReflexive(const WeighedAnalysis& a) {
    return a.category == QLatin1String("DP") &&
           (a.lemma.compare(QLatin1String("se"), Qt::CaseInsensitive) == 0 ||
            a.lemma.compare(QLatin1String("sui"), Qt::CaseInsensitive) == 0);
}

// A nominative is the subject of a verb near it or agrees with one, and a reflexive pronoun
// stands for that subject: either loses when the finite verbs around it are of the other number,
// the nearer the more.
void weighSubjects(const std::vector<SentenceWord>& sentence,
                   const std::vector<std::vector<Finite>>& finite,
                   const std::vector<std::vector<Agreeing>>& words,
                   std::vector<std::vector<double>>& probabilities) {
    const auto n = static_cast<int>(words.size());
    const std::vector<std::pair<double, double>> verbs = thirdPersonVerbs(finite, probabilities);
    for (int i = 0; i < n; ++i) {
        const std::vector<Agreeing>& here = words[static_cast<std::size_t>(i)];
        std::vector<double>& p = probabilities[static_cast<std::size_t>(i)];
        bool changed = false;
        for (std::size_t k = 0; k < here.size(); ++k) {
            const bool subjectsNumber =
                here[k].grammaticalCase == '1' ||
                isReflexive(sentence[static_cast<std::size_t>(i)].analyses[k]);
            if (here[k].role == Agreeing::Role::None || !subjectsNumber || here[k].number == 0) {
                continue;
            }
            double otherNumber = 0;
            for (int j = std::max(0, i - kSubjectReach); j <= std::min(n - 1, i + kSubjectReach);
                 ++j) {
                const auto& [singular, plural] = verbs[static_cast<std::size_t>(j)];
                otherNumber +=
                    (here[k].number == 's' ? plural : singular) / std::max(std::abs(j - i), 1);
            }
            p[k] /= 1 + kSubjectWeight * otherNumber;
            changed = true;
        }
        if (changed) {
            normalise(p);
        }
    }
}

// How much an accusative loses near a finite form of "sum", and how far it looks for the
// nearest finite verb, in words (tuned as above).
constexpr double kCopulaWeight = 10.0;
constexpr int kCopulaReach = 5;

// For each word, the probability that it is a finite verb, and that it is a form of "sum".
std::vector<std::pair<double, double>> finiteVerbs(
    const std::vector<std::vector<Finite>>& finite,
    const std::vector<std::vector<double>>& probabilities) {
    return massOnSides(finite, probabilities, [](const Finite& f) {
        return std::pair{f.finite, f.copula};
    });
}

// The nearest word within kCopulaReach that is more likely a finite verb than not; -1 if none.
int nearestVerb(const std::vector<std::pair<double, double>>& verbs, int i) {
    const auto n = static_cast<int>(verbs.size());
    for (int d = 1; d <= kCopulaReach; ++d) {
        for (const int j : {i - d, i + d}) {
            if (j >= 0 && j < n && verbs[static_cast<std::size_t>(j)].first > 0.5) {
                return j;
            }
        }
    }
    return -1;
}

// "Sum" takes no object: an accusative whose nearest verb is a form of it loses, as much as
// that verb is likely "sum" (the subject or the attribute of "est" is a nominative).
void weighCopula(const std::vector<std::vector<Finite>>& finite,
                 const std::vector<std::vector<Agreeing>>& words,
                 std::vector<std::vector<double>>& probabilities) {
    const std::vector<std::pair<double, double>> verbs = finiteVerbs(finite, probabilities);
    for (int i = 0; i < static_cast<int>(words.size()); ++i) {
        const int verb = nearestVerb(verbs, i);
        const double copula = verb < 0 ? 0 : verbs[static_cast<std::size_t>(verb)].second;
        if (copula == 0) {
            continue;
        }
        std::vector<double>& p = probabilities[static_cast<std::size_t>(i)];
        const std::vector<Agreeing>& here = words[static_cast<std::size_t>(i)];
        for (std::size_t k = 0; k < here.size(); ++k) {
            if (here[k].role != Agreeing::Role::None && here[k].grammaticalCase == '3') {
                p[k] /= 1 + kCopulaWeight * copula;
            }
        }
        normalise(p);
    }
}

// How much a noun in the nominative gains near a verb of its number that has no other likely
// subject, and how far it looks for the verb and the other subjects, in words (tuned as above).
constexpr double kSubjectNeedWeight = 10.0;
constexpr int kSubjectNeedReach = 6;

// For each word, the probability that it is a noun in the nominative singular, plural.
std::vector<std::pair<double, double>> nominativeNouns(
    const std::vector<std::vector<Agreeing>>& words,
    const std::vector<std::vector<double>>& probabilities) {
    return massOnSides(words, probabilities, [](const Agreeing& g) {
        const bool nominative = g.role == Agreeing::Role::Noun && g.grammaticalCase == '1';
        return std::pair{nominative && g.number == 's', nominative && g.number == 'p'};
    });
}

// A verb of the third person wants a subject of its number: a noun in the nominative of that
// number gains as much as verbs of it are near, and as little as other words are likely their
// subject already.
void weighSubjectNeed(const std::vector<std::vector<Finite>>& finite,
                      const std::vector<std::vector<Agreeing>>& words,
                      std::vector<std::vector<double>>& probabilities) {
    const auto n = static_cast<int>(words.size());
    const std::vector<std::pair<double, double>> verbs = thirdPersonVerbs(finite, probabilities);
    const std::vector<std::pair<double, double>> subjects = nominativeNouns(words, probabilities);
    for (int i = 0; i < n; ++i) {
        const std::vector<Agreeing>& here = words[static_cast<std::size_t>(i)];
        std::vector<double>& p = probabilities[static_cast<std::size_t>(i)];
        for (std::size_t k = 0; k < here.size(); ++k) {
            if (here[k].role != Agreeing::Role::Noun || here[k].grammaticalCase != '1' ||
                here[k].number == 0) {
                continue;
            }
            const auto ofNumber = [&](const std::pair<double, double>& x) {
                return here[k].number == 's' ? x.first : x.second;
            };
            double need = 0;
            double others = 0;
            for (int j = std::max(0, i - kSubjectNeedReach);
                 j <= std::min(n - 1, i + kSubjectNeedReach); ++j) {
                if (j != i) {
                    need += ofNumber(verbs[static_cast<std::size_t>(j)]) / std::abs(j - i);
                    others += ofNumber(subjects[static_cast<std::size_t>(j)]);
                }
            }
            p[k] *= 1 + kSubjectNeedWeight * std::min(need, 1.0) * std::max(0.0, 1 - others);
        }
        normalise(p);
    }
}

}  // namespace

QString governedCases(const WeighedAnalysis& analysis) {
    if (analysis.category != QLatin1String("PRE")) {
        return {};
    }
    QString cases;
    const qsizetype plus = analysis.translation.indexOf(QLatin1Char('+'));
    if (plus >= 0) {
        const QStringView named = QStringView(analysis.translation).mid(plus);
        const std::pair<const char16_t*, QChar> names[] = {
            {u"acc", QLatin1Char('3')}, {u"gén", QLatin1Char('4')}, {u"abl", QLatin1Char('6')}};
        for (const auto& [name, digit] : names) {
            if (named.contains(QStringView(name))) {
                cases += digit;
            }
        }
    }
    return cases.isEmpty() ? QStringLiteral("36") : cases;
}

std::vector<std::vector<double>> sentenceProbabilities(const TagModel& model,
                                                       const std::vector<SentenceWord>& sentence) {
    std::vector<std::vector<TaggedCandidate>> candidates;
    std::vector<std::vector<Agreeing>> agreeing;
    std::vector<std::vector<Finite>> finite;
    candidates.reserve(sentence.size());
    agreeing.reserve(sentence.size());
    finite.reserve(sentence.size());
    bool first = true;
    for (const SentenceWord& word : sentence) {
        candidates.push_back(
            taggedCandidates(model, word.analyses, capitalsOf(word.form, first), word.form));
        first = first && word.analyses.empty();
        std::vector<Agreeing> g;
        std::vector<Finite> f;
        for (std::size_t k = 0; k < word.analyses.size(); ++k) {
            g.push_back(agreeingOf(word.analyses[k], candidates.back()[k].tag));
            f.push_back(finiteOf(word.analyses[k], candidates.back()[k].tag));
        }
        agreeing.push_back(std::move(g));
        finite.push_back(std::move(f));
    }
    std::vector<std::vector<double>> p = candidateProbabilities(model, candidates);
    weighGovernment(sentence, agreeing, p);
    weighSubjects(sentence, finite, agreeing, p);
    weighCopula(finite, agreeing, p);
    weighSubjectNeed(finite, agreeing, p);
    weighAgreement(agreeing, p);
    return p;
}

int LemmaFrequencies::of(const QString& form, const QString& lemma) {
    if (!database_ || !database_->isOpen()) {
        return 0;
    }
    const QString folded = foldedForm(form);
    auto it = byForm_.find(folded);
    if (it == byForm_.end()) {
        QHash<QString, int> counts;
        for (const ProposedAnalysis& a : database_->proposals(form)) {
            int& count = counts[a.lemma.toLower()];
            count = std::max(count, a.frequency);
        }
        it = byForm_.insert(folded, counts);
    }
    return it->value(lemma.toLower(), 0);
}

std::vector<double> rowProbabilities(const GridRows& rows, const TagModel& model,
                                     LemmaFrequencies& frequencies,
                                     const std::vector<qint64>& sentenceStarts) {
    std::vector<double> probabilities(rows.size(), 0);
    const std::vector<RowSpan> spans = occurrences(rows);
    auto nextStart = sentenceStarts.begin();
    std::vector<SentenceWord> sentence;
    std::vector<RowSpan> sentenceSpans;
    auto decode = [&] {
        const auto p = sentenceProbabilities(model, sentence);
        for (std::size_t w = 0; w < sentence.size(); ++w) {
            for (std::size_t k = 0; k < p[w].size(); ++k) {
                probabilities[static_cast<std::size_t>(sentenceSpans[w].first - 1) + k] = p[w][k];
            }
        }
        sentence.clear();
        sentenceSpans.clear();
    };
    for (const RowSpan& span : spans) {
        const GridRow& first = rows[static_cast<std::size_t>(span.first - 1)];
        // A new sentence begins at its first word.
        bool begins = false;
        while (nextStart != sentenceStarts.end() && first.occurrence >= 0 &&
               *nextStart <= first.occurrence) {
            begins = true;
            ++nextStart;
        }
        if (begins && !sentence.empty()) {
            decode();
        }
        const QString form = records::trimmedRight(first[Column::Form].text);
        if (form.isEmpty()) {
            continue;
        }
        sentence.push_back({form, analysesOfRows(rows, span, frequencies)});
        sentenceSpans.push_back(span);
    }
    if (!sentence.empty()) {
        decode();
    }
    return probabilities;
}

namespace {

// The occurrences of the sentence around occurrence k: those between the sentence starts that
// enclose its word, or, when the rows do not know their words, ten on either side.
std::pair<std::size_t, std::size_t> sentenceAround(const GridRows& rows,
                                                   const std::vector<RowSpan>& spans, std::size_t k,
                                                   const std::vector<qint64>& sentenceStarts) {
    const qint64 word = rows[static_cast<std::size_t>(spans[k].first - 1)].occurrence;
    if (word < 0 || sentenceStarts.empty()) {
        constexpr std::size_t kReach = 10;
        return {k > kReach ? k - kReach : 0, std::min(spans.size(), k + kReach + 1)};
    }
    const auto next = std::upper_bound(sentenceStarts.begin(), sentenceStarts.end(), word);
    const qint64 begin = next == sentenceStarts.begin() ? 0 : *(next - 1);
    const qint64 end = next == sentenceStarts.end() ? std::numeric_limits<qint64>::max() : *next;
    std::size_t first = k;
    while (first > 0 &&
           rows[static_cast<std::size_t>(spans[first - 1].first - 1)].occurrence >= begin) {
        --first;
    }
    std::size_t last = k + 1;
    while (last < spans.size() &&
           rows[static_cast<std::size_t>(spans[last].first - 1)].occurrence < end &&
           rows[static_cast<std::size_t>(spans[last].first - 1)].occurrence >= 0) {
        ++last;
    }
    return {first, last};
}

QString percentage(double probability) {
    return QStringLiteral("%1 % ").arg(qRound(probability * 100));
}

}  // namespace

void rankProposals(ProposalList& list, const GridRows& rows, qint64 row, const TagModel& model,
                   LemmaFrequencies& frequencies, const std::vector<qint64>& sentenceStarts) {
    if (list.items.empty() || row < 1 || row > static_cast<qint64>(rows.size())) {
        return;
    }
    const std::vector<RowSpan> spans = occurrences(rows);
    std::size_t k = 0;
    while (spans[k].last < row) {
        ++k;
    }
    const auto [first, last] = sentenceAround(rows, spans, k, sentenceStarts);
    std::vector<SentenceWord> sentence;
    for (std::size_t o = first; o < last; ++o) {
        const QString form = records::trimmedRight(
            rows[static_cast<std::size_t>(spans[o].first - 1)][Column::Form].text);
        if (o != k) {
            sentence.push_back({form, form.isEmpty()
                                          ? std::vector<WeighedAnalysis>{}
                                          : analysesOfRows(rows, spans[o], frequencies)});
            continue;
        }
        std::vector<WeighedAnalysis> proposals;
        for (const ProposalItem& item : list.items) {
            const DetailFields& f = item.fields;
            proposals.push_back({f.lemma, f.category, f.caseGenderNumber, f.moodTenseVoice,
                                 frequencies.of(form, f.lemma), item.inGrid, f.translation});
        }
        sentence.push_back({form, std::move(proposals)});
    }
    const std::vector<double> p = sentenceProbabilities(model, sentence)[k - first];
    for (std::size_t i = 0; i < list.items.size(); ++i) {
        list.items[i].probability = p[i];
        list.items[i].text = percentage(p[i]) + list.items[i].text;
    }
    std::stable_sort(
        list.items.begin(), list.items.end(),
        [](const ProposalItem& a, const ProposalItem& b) { return a.probability > b.probability; });
}

Choice choosingMostProbable(const GridRows& rows, const std::vector<double>& probabilities,
                            RowSpan span) {
    Choice choice;
    choice.newRowOf.resize(rows.size());
    qint64 kept = 0;  // rows of the grid after the choice, so far
    const qint64 first = span.first > 0 ? span.first : 1;
    const qint64 last = span.first > 0 ? span.last : static_cast<qint64>(rows.size());
    for (const RowSpan& occurrence : occurrences(rows)) {
        const auto begin = static_cast<std::size_t>(occurrence.first - 1);
        const auto end = static_cast<std::size_t>(occurrence.last);
        const bool inSpan = occurrence.last >= first && occurrence.first <= last;
        const bool untouched =
            occurrence.size() > 1 &&
            std::all_of(rows.begin() + static_cast<qsizetype>(begin),
                        rows.begin() + static_cast<qsizetype>(end), stillAmbiguous);
        if (!inSpan || !untouched) {
            for (std::size_t i = begin; i < end; ++i) {
                choice.newRowOf[i] = ++kept;
            }
            continue;
        }
        // The first of equally probable rows, as the grid lists them.
        std::size_t best = begin;
        for (std::size_t i = begin + 1; i < end; ++i) {
            if (probabilities[i] > probabilities[best]) {
                best = i;
            }
        }
        GridRow chosen = rows[best];
        for (int c = index(Column::Lemma); c <= index(Column::MoodTenseVoice); ++c) {
            chosen.cells[static_cast<std::size_t>(c)].colour = kChosenColour;
        }
        const qint64 at = ++kept;
        for (std::size_t i = begin; i < end; ++i) {
            choice.newRowOf[i] = at;
        }
        choice.edit.hunks.push_back({occurrence.first,
                                     GridRows(rows.begin() + static_cast<qsizetype>(begin),
                                              rows.begin() + static_cast<qsizetype>(end)),
                                     {std::move(chosen)}});
        ++choice.occurrences;
        choice.removed += occurrence.size() - 1;
    }
    return choice;
}

GridRows rowsAfter(GridRows rows, const Choice& choice) {
    applyEdit(rows, choice.edit);
    return rows;
}

}  // namespace analysis
