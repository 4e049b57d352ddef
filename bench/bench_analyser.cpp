// The command-line analyser's work on 25 000 words (the Caesar sample repeated), against the
// build tree's base thesaurus and morphology database: cutting into sentences and words, every
// analysis of every word, the TSV or CoNLL-U written. Loading the thesaurus and opening the
// database, done once per run, is measured apart.
//
//   ./build-rel/bench/bench_analyser --benchmark_counters_tabular=true

#include <benchmark/benchmark.h>

#include "qtbenchmain.h"

#include <QFile>
#include <QTextStream>

#include "core/lookup/thesauruslists.h"
#include "core/morphology/batchanalysis.h"
#include "core/morphology/morphology.h"
#include "core/records/cp1252.h"
#include "core/records/paths.h"
#include "core/text/wordforms.h"

namespace {

constexpr qsizetype kWords = 25000;

const QString kDatabase =
    QStringLiteral(MORPHO_BUILD_DATA_DIR "/") + analysis::MorphologyDatabase::kFileName;
const QString kBaseThesaurus =
    QStringLiteral(MORPHO_BUILD_DATA_DIR "/") + records::paths::kBaseThesaurusName;

QString caesar25000Words() {
    QFile file(QStringLiteral(MORPHO_SAMPLES_DIR "/caesar-bg-1-1.txt"));
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("cannot read the Caesar sample");
    }
    const QString sample = records::cp1252::decode(file.readAll());
    const qsizetype sampleWords = analysis::cutWordForms(sample).size();
    QString text;
    for (qsizetype words = 0; words < kWords; words += sampleWords) {
        text += sample + QLatin1Char('\n');
    }
    return text;
}

analysis::ThesaurusLists baseThesaurus() {
    const auto loaded = analysis::loadThesaurusLists(kBaseThesaurus);
    if (!loaded.ok()) {
        qFatal("cannot read %s", qPrintable(kBaseThesaurus));
    }
    return loaded.value();
}

// Arg 0: TSV, 1: CoNLL-U.
void BM_Analyse25000Words(benchmark::State& state) {
    const QString text = caesar25000Words();
    const analysis::ThesaurusLists thesaurus = baseThesaurus();
    const auto format =
        state.range(0) == 0 ? analysis::OutputFormat::Tsv : analysis::OutputFormat::Conllu;
    qsizetype written = 0;
    for (auto _ : state) {
        analysis::MorphologyDatabase database(kDatabase);
        analysis::WordAnalyser analyser(thesaurus, database);
        QString output;
        QTextStream out(&output);
        analysis::writeTextAnalyses(text, analyser, format, out);
        out.flush();
        written = output.size();
        benchmark::DoNotOptimize(output);
    }
    state.counters["words"] = static_cast<double>(analysis::cutWordForms(text).size());
    state.counters["chars_out"] = static_cast<double>(written);
}
BENCHMARK(BM_Analyse25000Words)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_LoadThesaurusAndDatabase(benchmark::State& state) {
    for (auto _ : state) {
        const analysis::ThesaurusLists thesaurus = baseThesaurus();
        analysis::MorphologyDatabase database(kDatabase);
        analysis::WordAnalyser analyser(thesaurus, database);
        benchmark::DoNotOptimize(analyser);
    }
}
BENCHMARK(BM_LoadThesaurusAndDatabase)->Unit(benchmark::kMillisecond);

}  // namespace

MORPHO_QT_BENCHMARK_MAIN()
