// Ranking analyses in context on a 64 000-byte text (the Caesar sample repeated, about 11 000
// words), looked up in the build tree's base thesaurus and completed from its morphology
// database as the workspace does: every row's probability, as "Choisir l'analyse la plus
// probable" computes them; the ranked proposals of one clicked row; and the decoding alone
// (forward-backward over the tags of every sentence), whose words/s counter gives the cost per
// 1 000 words.
//
//   ./build-rel/bench/bench_tagger --benchmark_counters_tabular=true

#include <benchmark/benchmark.h>

#include "qtbenchmain.h"

#include <QFile>

#include "core/grid/rowsedit.h"
#include "core/lookup/lookup.h"
#include "core/lookup/thesauruslists.h"
#include "core/morphology/batchanalysis.h"
#include "core/morphology/morphology.h"
#include "core/morphology/proposals.h"
#include "core/records/cp1252.h"
#include "core/records/paths.h"
#include "core/tagger/choosing.h"
#include "core/tagger/tagger.h"
#include "core/text/wordforms.h"

#include <algorithm>

namespace {

constexpr qsizetype kTextBytes = 64000;

const QString kDataDir = QStringLiteral(MORPHO_BUILD_DATA_DIR "/");

QString caesar64000Bytes() {
    QFile file(QStringLiteral(MORPHO_SAMPLES_DIR "/caesar-bg-1-1.txt"));
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("cannot read the Caesar sample");
    }
    const QString sample = records::cp1252::decode(file.readAll()) + QLatin1Char('\n');
    QString text;
    while (text.size() + sample.size() <= kTextBytes) {
        text += sample;
    }
    return text;
}

// The text analysed as the workspace shows it, and what ranking reads besides the rows.
struct AnalysedText {
    QString text = caesar64000Bytes();
    QStringList words = analysis::cutWordForms(text);
    analysis::MorphologyDatabase database{kDataDir + analysis::MorphologyDatabase::kFileName};
    analysis::TagModel model = loadModel();
    analysis::GridRows rows;
    std::vector<qint64> sentenceStarts = analysis::sentenceStartsOf(text, words.size());

    AnalysedText() {
        const auto lists =
            analysis::loadThesaurusLists(kDataDir + records::paths::kBaseThesaurusName);
        if (!lists.ok() || !database.isOpen()) {
            qFatal("cannot read the base thesaurus or the morphology database");
        }
        rows = analysis::gridRowsOf(
            analysis::lookup(words, lists.value(), analysis::LookupKind::Sorted), words,
            lists.value());
        analysis::applyEdit(rows, analysis::completedRows(rows, database).edit);
    }

    static analysis::TagModel loadModel() {
        std::optional<analysis::TagModel> model =
            analysis::TagModel::load(kDataDir + QStringLiteral("tags.la"));
        if (!model) {
            qFatal("cannot read tags.la");
        }
        return std::move(*model);
    }
};

AnalysedText& analysedText() {
    static AnalysedText text;
    return text;
}

void countWords(benchmark::State& state, qsizetype words) {
    state.counters["words"] = static_cast<double>(words);
    state.counters["words/s"] = benchmark::Counter(static_cast<double>(words),
                                                   benchmark::Counter::kIsIterationInvariantRate);
}

// Every row of the text weighed in its sentence, the lemma frequencies read afresh as the
// command reads them.
void BM_RankWholeText(benchmark::State& state) {
    AnalysedText& t = analysedText();
    for (auto _ : state) {
        analysis::LemmaFrequencies frequencies(&t.database);
        benchmark::DoNotOptimize(
            analysis::rowProbabilities(t.rows, t.model, frequencies, t.sentenceStarts));
    }
    state.counters["rows"] = static_cast<double>(t.rows.size());
    countWords(state, t.words.size());
}
BENCHMARK(BM_RankWholeText)->Unit(benchmark::kMillisecond);

// A click on a row in the middle of the text: its proposals read from the database and ranked
// in its sentence among the 150 rows on either side, as the workspace passes them.
void BM_RankOneRowClick(benchmark::State& state) {
    AnalysedText& t = analysedText();
    constexpr qint64 kReach = 150;
    // An ambiguous word in the middle, so that there is something to rank.
    qint64 row = static_cast<qint64>(t.rows.size()) / 2;
    while (row < static_cast<qint64>(t.rows.size()) &&
           analysis::occurrenceOf(t.rows, row).size() < 2) {
        ++row;
    }
    const qint64 first = std::max<qint64>(1, row - kReach);
    const qint64 last = std::min<qint64>(static_cast<qint64>(t.rows.size()), row + kReach);
    const analysis::GridRows around(t.rows.begin() + first - 1, t.rows.begin() + last);
    std::size_t proposals = 0;
    for (auto _ : state) {
        analysis::ProposalList list = analysis::proposalList(t.database, around, row - first + 1);
        analysis::LemmaFrequencies frequencies(&t.database);
        analysis::rankProposals(list, around, row - first + 1, t.model, frequencies,
                                t.sentenceStarts);
        proposals = list.items.size();
        benchmark::DoNotOptimize(list);
    }
    state.counters["proposals"] = static_cast<double>(proposals);
}
BENCHMARK(BM_RankOneRowClick)->Unit(benchmark::kMicrosecond);

// The forward-backward alone, on the tagged candidates of every sentence of the text.
void BM_DecodeTags(benchmark::State& state) {
    AnalysedText& t = analysedText();
    const analysis::ThesaurusLists none;
    analysis::WordAnalyser analyser(none, t.database);
    std::vector<std::vector<std::vector<analysis::TaggedCandidate>>> sentences;
    for (const analysis::Sentence& sentence : analysis::cutSentences(t.text)) {
        std::vector<std::vector<analysis::TaggedCandidate>> words;
        for (const QString& word : sentence.words) {
            std::vector<analysis::WeighedAnalysis> weighed;
            for (const analysis::WordAnalysis& a : analyser.analyse(word)) {
                weighed.push_back({a.lemma, a.category, a.caseGenderNumber, a.moodTenseVoice,
                                   a.frequency, false});
            }
            words.push_back(analysis::taggedCandidates(t.model, weighed));
        }
        sentences.push_back(std::move(words));
    }
    for (auto _ : state) {
        for (const auto& sentence : sentences) {
            benchmark::DoNotOptimize(analysis::candidateProbabilities(t.model, sentence));
        }
    }
    countWords(state, t.words.size());
}
BENCHMARK(BM_DecodeTags)->Unit(benchmark::kMillisecond);

}  // namespace

MORPHO_QT_BENCHMARK_MAIN()
