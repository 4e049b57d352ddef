// The workspaces at their largest: a saved analysis of 13 000 rows opened in the saved
// analysis workspace, and validating, deleting and duplicating a row of a 40 000-row grid.
//
//   ./build-rel/bench/bench_workspace

#include <benchmark/benchmark.h>

#include "qtbenchmain.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "analysis/analysisfile.h"
#include "analysis/frmanalyse02.h"
#include "shell/Morphologique.h"
#include "ui/forms.h"
#include "ui/grid.h"

namespace {

std::vector<analysis::GridRowTexts> analysisRows(int count) {
    std::vector<analysis::GridRowTexts> rows;
    for (int i = 0; i < count; ++i) {
        const QString form = QStringLiteral("forma%1").arg(i % 997);
        rows.push_back({form, form + QStringLiteral("um"), QStringLiteral("traduction"),
                        QStringLiteral("N2"), QStringLiteral("nom. m. sg."), QStringLiteral("_"),
                        i % 5 == 0 ? QStringLiteral("*") : QString()});
    }
    return rows;
}

struct SavedAnalysis {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("analyse.dat"));

    explicit SavedAnalysis(int rows) {
        if (!analysis::saveAnalysisFile(path, analysisRows(rows)).ok) {
            qFatal("cannot write the analysis file");
        }
    }
};

analysis::frmanalyse02* openSaved(const QString& path) {
    auto* main = ui::Forms::instance().load<shell::Morphologique>();
    main->CommonDialog2_FileName = path;
    return ui::Forms::instance().load<analysis::frmanalyse02>();
}

void closeSaved(analysis::frmanalyse02* workspace) {
    ui::Forms::instance().forget(workspace);
    delete workspace;
}

// Reading the file and filling the grid, as "&Ouvrir une analyse..." does.
void BM_OpenSavedAnalysis(benchmark::State& state) {
    const SavedAnalysis saved(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        analysis::frmanalyse02* workspace = openSaved(saved.path);
        state.PauseTiming();
        closeSaved(workspace);
        state.ResumeTiming();
    }
    ui::Forms::instance().unloadAll();
}
BENCHMARK(BM_OpenSavedAnalysis)->ArgName("rows")->Arg(13000)->Unit(benchmark::kMillisecond);

// One row command on a grid of 40 000 rows, near its top, where most rows move.
template <class Command>
void timeRowCommand(benchmark::State& state, Command command) {
    const SavedAnalysis saved(40000);
    analysis::frmanalyse02* workspace = openSaved(saved.path);
    workspace->Check1->setChecked(false);
    workspace->selectedRow = 10;
    for (auto _ : state) {
        command(workspace);
    }
    closeSaved(workspace);
    ui::Forms::instance().unloadAll();
}

void BM_ValidateRow(benchmark::State& state) {
    timeRowCommand(state, [](analysis::frmanalyse02* w) {
        w->Text2->setPlainText(QStringLiteral("lemma"));
        w->Command2_Click();
    });
}
BENCHMARK(BM_ValidateRow)->Unit(benchmark::kMillisecond);

void BM_DeleteRow(benchmark::State& state) {
    timeRowCommand(state, [](analysis::frmanalyse02* w) { w->Command3_Click(); });
}
BENCHMARK(BM_DeleteRow)->Unit(benchmark::kMillisecond);

void BM_DuplicateRow(benchmark::State& state) {
    timeRowCommand(state, [](analysis::frmanalyse02* w) { w->dupliquer_Click(); });
}
BENCHMARK(BM_DuplicateRow)->Unit(benchmark::kMillisecond);

}  // namespace

MORPHO_QT_BENCHMARK_MAIN()
