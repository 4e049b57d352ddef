// The morphology database of the build tree (build/data/morphologie.sqlite): opening it, the
// proposals for one clicked form, and "Compléter les formes absentes" in the analysis workspace
// on a 64000-byte text against the build's base thesaurus, grid included.
//
//   ./build-rel/bench/bench_morphology --benchmark_counters_tabular=true

#include <benchmark/benchmark.h>

#include "qtbenchmain.h"

#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "core/lookup/thesauruslists.h"
#include "core/morphology/morphology.h"
#include "core/morphology/proposals.h"
#include "core/records/cp1252.h"
#include "core/records/paths.h"
#include "support/controls.h"
#include "ui/forms.h"
#include "ui/grid.h"
#include "windows/workspaces/frmanalyse.h"

namespace {

constexpr qsizetype kTextBytes = 64000;

const QString kDatabase =
    QStringLiteral(MORPHO_BUILD_DATA_DIR "/") + analysis::MorphologyDatabase::kFileName;
const QString kBaseThesaurus =
    QStringLiteral(MORPHO_BUILD_DATA_DIR "/") + records::paths::kBaseThesaurusName;

// A sample repeated up to 64000 bytes: Caesar, whom the base thesaurus was made for, or Cicero,
// whose forms it lacks more often.
QString longText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("cannot read %s", qPrintable(path));
    }
    const QString sample = records::cp1252::decode(file.readAll());
    QString text;
    while (text.size() < kTextBytes) {
        text += sample + QLatin1Char('\n');
    }
    return text.left(kTextBytes);
}

QString sample(std::int64_t which) {
    return which == 0
               ? longText(QStringLiteral(MORPHO_SAMPLES_DIR "/caesar-bg-1-1.txt"))
               : longText(QStringLiteral(MORPHO_TOOLS_FIXTURES_DIR "/cicero-in-catilinam-1-1.txt"));
}

void BM_OpenDatabase(benchmark::State& state) {
    for (auto _ : state) {
        analysis::MorphologyDatabase db(kDatabase);
        if (!db.isOpen()) {
            state.SkipWithError(qPrintable(db.availability().error()));
            return;
        }
        benchmark::DoNotOptimize(db.proposals(QStringLiteral("est")));
    }
}
BENCHMARK(BM_OpenDatabase)->Unit(benchmark::kMillisecond);

// A known form, a form known only without its enclitic, and a form without any analysis.
void BM_ProposalsForAForm(benchmark::State& state) {
    const QString forms[] = {QStringLiteral("Belgae"), QStringLiteral("praeterea"),
                             QStringLiteral("proeliisque"), QStringLiteral("xyzzyque")};
    analysis::MorphologyDatabase db(kDatabase);
    const QString& form = forms[state.range(0)];
    std::size_t found = 0;
    for (auto _ : state) {
        found = db.proposals(form).size();
    }
    state.counters["analyses"] = double(found);
}
BENCHMARK(BM_ProposalsForAForm)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

analysis::frmanalyse* loadWorkspace(const QString& text, const QString& thesaurus,
                                    analysis::ThesaurusKind kind) {
    return ui::Forms::instance().load<analysis::frmanalyse>(
        ui::Forms::nameOf<analysis::frmanalyse>(), [&] {
            return new analysis::frmanalyse({text, QString()}, {thesaurus, kind});
        });
}

void discard(analysis::frmanalyse* workspace) {
    ui::Forms::instance().forget(workspace);
    delete workspace;
}

// A click on a row of the grid of a 64000-byte text: the proposals list with its marks.
void BM_ProposalListOfAClickedRow(benchmark::State& state) {
    analysis::useMorphologyDatabase(kDatabase);
    analysis::frmanalyse* ws =
        loadWorkspace(sample(1), kBaseThesaurus, analysis::ThesaurusKind::Base);
    const analysis::GridRows rows = ws->rows();
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            analysis::proposalList(analysis::installedMorphology(), rows, state.range(0)));
    }
    discard(ws);
    ui::Forms::instance().unloadAll();
}
BENCHMARK(BM_ProposalListOfAClickedRow)->Arg(1)->Arg(5000)->Unit(benchmark::kMillisecond);

// The whole click as the workspace handles it: the detail fields, the grid's rows read back and
// the list shown.
void BM_ClickARow(benchmark::State& state) {
    analysis::useMorphologyDatabase(kDatabase);
    analysis::frmanalyse* ws =
        loadWorkspace(sample(1), kBaseThesaurus, analysis::ThesaurusKind::Base);
    const int row = static_cast<int>(state.range(0));
    ui::Grid* grid = drive::analysisGrid(ws);
    for (auto _ : state) {
        grid->setRow(row);
        grid->setRowSel(row);
        emit grid->clicked();
    }
    discard(ws);
    ui::Forms::instance().unloadAll();
}
BENCHMARK(BM_ClickARow)->Arg(1)->Arg(5000)->Unit(benchmark::kMillisecond);

// The command as the user runs it, from the grid's rows to the grid shown again. Second
// argument: 0 the build's base thesaurus, 1 an empty thesaurus (every form absent).
void BM_CompleteAbsentForms(benchmark::State& state) {
    analysis::useMorphologyDatabase(kDatabase);
    QTemporaryDir dir;
    QString thesaurus = kBaseThesaurus;
    analysis::ThesaurusKind kind = analysis::ThesaurusKind::Base;
    if (state.range(1) == 1) {
        thesaurus = dir.filePath(QStringLiteral("vide.dat"));
        kind = analysis::ThesaurusKind::Other;
    }
    const QString text = sample(state.range(0));
    qint64 before = 0;
    qint64 after = 0;
    for (auto _ : state) {
        state.PauseTiming();
        analysis::frmanalyse* ws = loadWorkspace(text, thesaurus, kind);
        before = drive::analysisGrid(ws)->rows();
        state.ResumeTiming();
        drive::action(ws, "completer")->trigger();
        state.PauseTiming();
        after = drive::analysisGrid(ws)->rows();
        discard(ws);
        state.ResumeTiming();
    }
    state.counters["rows before"] = double(before);
    state.counters["rows after"] = double(after);
    ui::Forms::instance().unloadAll();
}
BENCHMARK(BM_CompleteAbsentForms)
    ->ArgNames({"cicero", "empty"})
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

}  // namespace

MORPHO_QT_BENCHMARK_MAIN()
