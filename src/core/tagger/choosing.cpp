#include "core/tagger/choosing.h"

#include "core/lookup/thesauruslists.h"
#include "core/morphology/normalise.h"
#include "core/records/records.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <limits>

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
        analyses.push_back(
            {lemma, cellText(row, Column::Category), cellText(row, Column::CaseGenderNumber),
             cellText(row, Column::MoodTenseVoice), frequencies.of(form, lemma), false});
    }
    return analyses;
}

// The lemma counts say more of which lemma a word is than the tag context does: squared, they
// gave the best first analyses on annotated texts (lemma and features right for 75.6 % of the
// words against 75.3 % unsquared and 73.9 % without context).
constexpr double kLemmaFrequencyExponent = 2.0;

}  // namespace

std::vector<TaggedCandidate> taggedCandidates(const TagModel& model,
                                              const std::vector<WeighedAnalysis>& analyses) {
    std::vector<TaggedCandidate> candidates;
    candidates.reserve(analyses.size());
    QHash<QString, double> tagMassOfLemma;
    for (const WeighedAnalysis& a : analyses) {
        const QString tag = tagOfAnalysis(a.category, a.caseGenderNumber, a.moodTenseVoice);
        candidates.push_back({tag, model.unigram(model.indexOf(tag))});
        tagMassOfLemma[a.lemma.toLower()] += candidates.back().weight;
    }
    // P(analysis | word): the lemma's share of the word, times the tag's share of the lemma's
    // analyses as the corpus counts tags.
    for (std::size_t i = 0; i < analyses.size(); ++i) {
        const WeighedAnalysis& a = analyses[i];
        candidates[i].weight *= std::pow(a.frequency + 1.0, kLemmaFrequencyExponent) /
                                tagMassOfLemma.value(a.lemma.toLower());
        if (a.stored) {
            candidates[i].weight *= kStoredWeight;
        }
    }
    return candidates;
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
    std::vector<std::vector<TaggedCandidate>> sentence;
    std::vector<RowSpan> sentenceSpans;
    auto decode = [&] {
        const auto p = candidateProbabilities(model, sentence);
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
        sentence.push_back(taggedCandidates(model, analysesOfRows(rows, span, frequencies)));
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
    std::vector<std::vector<TaggedCandidate>> sentence;
    for (std::size_t o = first; o < last; ++o) {
        const QString form = records::trimmedRight(
            rows[static_cast<std::size_t>(spans[o].first - 1)][Column::Form].text);
        if (o != k) {
            sentence.push_back(
                form.isEmpty()
                    ? std::vector<TaggedCandidate>{}
                    : taggedCandidates(model, analysesOfRows(rows, spans[o], frequencies)));
            continue;
        }
        std::vector<WeighedAnalysis> proposals;
        for (const ProposalItem& item : list.items) {
            const DetailFields& f = item.fields;
            proposals.push_back({f.lemma, f.category, f.caseGenderNumber, f.moodTenseVoice,
                                 frequencies.of(form, f.lemma), item.inGrid});
        }
        sentence.push_back(taggedCandidates(model, proposals));
    }
    const std::vector<double> p = candidateProbabilities(model, sentence)[k - first];
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
    choice.rows.reserve(rows.size());
    choice.newRowOf.resize(rows.size());
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
                choice.newRowOf[i] = static_cast<qint64>(choice.rows.size()) + 1;
                choice.rows.push_back(rows[i]);
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
        const auto at = static_cast<qint64>(choice.rows.size()) + 1;
        for (std::size_t i = begin; i < end; ++i) {
            choice.newRowOf[i] = at;
        }
        choice.rows.push_back(std::move(chosen));
        ++choice.occurrences;
        choice.removed += occurrence.size() - 1;
    }
    return choice;
}

}  // namespace analysis
