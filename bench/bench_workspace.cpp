// The workspaces at their largest: a saved analysis of 13 000 rows opened in the saved
// analysis workspace; validating, deleting and duplicating a row of a 40 000-row grid; keeping
// one analysis at every occurrence of a form in a grid of 21 900 rows.
//
//   ./build-rel/bench/bench_workspace

#include <benchmark/benchmark.h>

#include "qtbenchmain.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QUndoStack>

#include "core/grid/analysisfile.h"
#include "core/records/paths.h"
#include "support/controls.h"
#include "ui/forms.h"
#include "ui/grid.h"
#include "windows/workspaces/frmanalyse02.h"

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
        if (!analysis::saveAnalysisFile(path, analysisRows(rows)).ok()) {
            qFatal("cannot write the analysis file");
        }
    }
};

analysis::frmanalyse02* openSaved(const QString& path) {
    // The data shipped with the build, the morphology database among it, as the program finds it.
    records::paths::setShippedDataDirs({QStringLiteral(MORPHO_BUILD_DATA_DIR)});
    return ui::Forms::instance().load<analysis::frmanalyse02>(
        ui::Forms::nameOf<analysis::frmanalyse02>(),
        [&path] { return new analysis::frmanalyse02(path); });
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

void clickRow(analysis::frmanalyse02* workspace, int row) {
    drive::analysisGrid(workspace)->setRow(row);
    drive::analysisGrid(workspace)->setCol(1);
    emit drive::analysisGrid(workspace)->clicked();
}

// One row command on a grid of 40 000 rows, near its top, where most rows move.
template <class Command>
void timeRowCommand(benchmark::State& state, Command command) {
    const SavedAnalysis saved(40000);
    analysis::frmanalyse02* workspace = openSaved(saved.path);
    drive::checkBox(workspace, "Check1")->setChecked(false);
    clickRow(workspace, 10);
    for (auto _ : state) {
        command(workspace);
    }
    closeSaved(workspace);
    ui::Forms::instance().unloadAll();
}

void BM_ValidateRow(benchmark::State& state) {
    timeRowCommand(state, [](analysis::frmanalyse02* w) {
        drive::textField(w, "Text2")->setPlainText(QStringLiteral("lemma"));
        drive::button(w, "Command2")->click();
    });
}
BENCHMARK(BM_ValidateRow)->Unit(benchmark::kMillisecond);

void BM_DeleteRow(benchmark::State& state) {
    timeRowCommand(state, [](analysis::frmanalyse02* w) { drive::button(w, "Command3")->click(); });
}
BENCHMARK(BM_DeleteRow)->Unit(benchmark::kMillisecond);

void BM_DuplicateRow(benchmark::State& state) {
    timeRowCommand(state,
                   [](analysis::frmanalyse02* w) { drive::action(w, "dupliquer")->trigger(); });
}
BENCHMARK(BM_DuplicateRow)->Unit(benchmark::kMillisecond);

// "Garder cette analyse pour toutes les occurrences" on a grid as large as a 64 000-byte text
// gives: 7 300 occurrences of three analyses each, of 50 forms; each iteration undoes it after.
void BM_KeepEverywhere(benchmark::State& state) {
    std::vector<analysis::GridRowTexts> rows;
    for (int occurrence = 0; occurrence < 7300; ++occurrence) {
        const QString form = QStringLiteral("forma%1").arg(occurrence % 50);
        for (const char* grammaticalCase : {"nom. f. sg.", "voc. f. sg.", "abl. f. sg."}) {
            rows.push_back({form, form, QStringLiteral("traduction"), QStringLiteral("N1"),
                            QString::fromLatin1(grammaticalCase), QStringLiteral("_"), QString()});
        }
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("grand.dat"));
    if (!analysis::saveAnalysisFile(path, rows).ok()) {
        qFatal("cannot write the analysis file");
    }
    analysis::frmanalyse02* workspace = openSaved(path);
    QAction* keepEverywhere = drive::action(workspace, "garderPartout");
    qint64 removed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        clickRow(workspace, 3);
        state.ResumeTiming();
        keepEverywhere->trigger();
        state.PauseTiming();
        removed = static_cast<qint64>(rows.size()) - (drive::analysisGrid(workspace)->rows() - 1);
        workspace->history()->undo();
        state.ResumeTiming();
    }
    state.counters["rows"] = double(rows.size());
    state.counters["removed"] = double(removed);
    closeSaved(workspace);
    ui::Forms::instance().unloadAll();
}
BENCHMARK(BM_KeepEverywhere)->Unit(benchmark::kMillisecond);

}  // namespace

MORPHO_QT_BENCHMARK_MAIN()
