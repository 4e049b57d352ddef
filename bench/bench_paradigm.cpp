// The paradigm of a lemma from the build tree's morphology database
// (build/data/morphologie.sqlite): its tables alone, then the paradigm window shown on it, the
// window first opened or already open.
//
//   ./build-rel/bench/bench_paradigm --benchmark_counters_tabular=true

#include <benchmark/benchmark.h>

#include "qtbenchmain.h"

#include <QApplication>

#include "core/morphology/morphology.h"
#include "core/paradigm/paradigm.h"
#include "ui/forms.h"
#include "windows/paradigm/Paradigme.h"

namespace {

const QString kDatabase =
    QStringLiteral(MORPHO_BUILD_DATA_DIR "/") + analysis::MorphologyDatabase::kFileName;

// Two verbs of many forms, the irregular sum and a noun; each with a form to highlight.
const struct {
    const char* lemma;
    const char* form;
} kLemmas[] = {{"amo", "amabam"}, {"rego", "rexerunt"}, {"sum", "erat"}, {"dominus", "domine"}};

QString lemmaOf(const benchmark::State& state) {
    return QString::fromLatin1(kLemmas[state.range(0)].lemma);
}
QString formOf(const benchmark::State& state) {
    return QString::fromLatin1(kLemmas[state.range(0)].form);
}

// The number of cells of the paradigm, as a counter.
double cells(const analysis::Paradigm& p) {
    double n = 0;
    for (const analysis::ParadigmTable& t : p.tables) {
        n += double(t.rows.size() * t.columns.size());
    }
    return n;
}

bool useDatabase(benchmark::State& state) {
    analysis::useMorphologyDatabase(kDatabase);
    if (!analysis::installedMorphology().isOpen()) {
        state.SkipWithError(qPrintable(analysis::installedMorphology().availability().error()));
        return false;
    }
    return true;
}

void BM_ParadigmTables(benchmark::State& state) {
    if (!useDatabase(state)) {
        return;
    }
    analysis::MorphologyDatabase& db = analysis::installedMorphology();
    analysis::Paradigm p;
    for (auto _ : state) {
        const analysis::ParadigmLookup found =
            analysis::lookUpParadigm(db, lemmaOf(state), formOf(state), {});
        p = analysis::paradigmOf(db, found.lemmas.at(found.chosen), formOf(state));
    }
    state.SetLabel(lemmaOf(state).toStdString());
    state.counters["tables"] = double(p.tables.size());
    state.counters["cells"] = cells(p);
}
BENCHMARK(BM_ParadigmTables)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// The first paradigm of a run: the database opened, its lemma names read and folded.
void BM_FirstParadigmOfARun(benchmark::State& state) {
    analysis::Paradigm p;
    for (auto _ : state) {
        if (!useDatabase(state)) {
            return;
        }
        analysis::MorphologyDatabase& db = analysis::installedMorphology();
        const analysis::ParadigmLookup found =
            analysis::lookUpParadigm(db, lemmaOf(state), formOf(state), {});
        p = analysis::paradigmOf(db, found.lemmas.at(found.chosen), formOf(state));
    }
    state.SetLabel(lemmaOf(state).toStdString());
}
BENCHMARK(BM_FirstParadigmOfARun)->Arg(0)->Unit(benchmark::kMillisecond);

// The window already open shows another lemma: lookup, tables, grids, laid out and painted.
void BM_ParadigmWindow(benchmark::State& state) {
    if (!useDatabase(state)) {
        return;
    }
    paradigm::openParadigm(QStringLiteral("rosa"), QString(), nullptr);
    for (auto _ : state) {
        paradigm::openParadigm(lemmaOf(state), formOf(state), nullptr);
        QApplication::processEvents();
        state.PauseTiming();
        paradigm::openParadigm(QStringLiteral("rosa"), QString(), nullptr);
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.SetLabel(lemmaOf(state).toStdString());
    ui::Forms::instance().unloadAll();
}
BENCHMARK(BM_ParadigmWindow)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// The window opened for the first time, then closed.
void BM_ParadigmWindowFirstOpened(benchmark::State& state) {
    if (!useDatabase(state)) {
        return;
    }
    for (auto _ : state) {
        paradigm::openParadigm(lemmaOf(state), formOf(state), nullptr);
        QApplication::processEvents();
        state.PauseTiming();
        ui::Forms::instance().unloadAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    state.SetLabel(lemmaOf(state).toStdString());
}
BENCHMARK(BM_ParadigmWindowFirstOpened)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace

MORPHO_QT_BENCHMARK_MAIN()
