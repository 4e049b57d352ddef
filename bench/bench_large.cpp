// The analysis workspace on texts as large as a book or a corpus file: the sample texts repeated
// up to 64 KB, 1 MB and 5 MB, analysed with the shipped base thesaurus.
//
//   ./build-rel/bench/bench_large
//   ./build-rel/bench/bench_large --benchmark_filter='BM_LargeSequence/bytes:5242880/'
//
// BM_LargeSequence runs the whole sequence once (grid, completion, keep-all, undo) and reports
// the resident memory after the grid and its peak over the sequence; run it alone per size for
// a peak that owes nothing to the cases before it.

#include <benchmark/benchmark.h>

#include "qtbenchmain.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QHash>
#include <QPushButton>
#include <QUndoStack>

#include "core/grid/keeping.h"
#include "core/lookup/thesauruslists.h"
#include "core/records/paths.h"
#include "support/largetext.h"
#include "ui/forms.h"
#include "ui/grid.h"
#include "windows/workspaces/frmanalyse.h"

namespace {

using analysis::frmanalyse;

constexpr qint64 k64KB = 64 * 1024;
constexpr qint64 k1MB = 1024 * 1024;
constexpr qint64 k5MB = 5 * 1024 * 1024;
constexpr qint64 k20MB = 20 * 1024 * 1024;

// A field of /proc/self/status, in bytes.
double statusBytes(const QByteArray& field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field + ':')) {
            return line.mid(field.size() + 1).trimmed().split(' ').front().toDouble() * 1024;
        }
    }
    return 0;
}

double residentBytes() {
    return statusBytes("VmRSS");
}

double peakBytes() {
    return statusBytes("VmHWM");
}

// Starts the peak resident size again from the present one.
void resetPeak() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly)) {
        clear.write("5");
    }
}

constexpr double kMB = 1024.0 * 1024.0;

// The text analysed with the base thesaurus, as the thesaurus choice opens it, and shown.
frmanalyse* openWorkspace(const QString& text) {
    const QString data = QStringLiteral(MORPHO_BUILD_DATA_DIR);
    records::paths::setShippedDataDirs({data});
    const analysis::ThesaurusChoice base{
        data + QLatin1Char('/') + records::paths::kBaseThesaurusName,
        analysis::ThesaurusKind::Base};
    auto* workspace = ui::Forms::instance().load<frmanalyse>(ui::Forms::nameOf<frmanalyse>(), [&] {
        return new frmanalyse({text, QStringLiteral("grand.txt")}, base);
    });
    if (workspace->loadFailed()) {
        qFatal("the base thesaurus cannot be read");
    }
    ui::Forms::showModeless(workspace);
    QApplication::processEvents();  // the layout and the first paint of the grid
    return workspace;
}

void closeWorkspace(frmanalyse* workspace) {
    ui::Forms::instance().forget(workspace);
    delete workspace;
    QApplication::processEvents();
}

ui::Grid* grid(frmanalyse* workspace) {
    return workspace->findChild<ui::Grid*>(QStringLiteral("grille01"));
}

qint64 gridRows(frmanalyse* workspace) {
    return grid(workspace)->rows() - 1;
}

void trigger(frmanalyse* workspace, const char* action) {
    workspace->findChild<QAction*>(QLatin1String(action))->trigger();
}

void clickRow(frmanalyse* workspace, qint64 row) {
    ui::Grid* g = grid(workspace);
    g->setRow(static_cast<int>(row));
    g->setCol(1);
    emit g->clicked();
}

// A row of the ambiguous form with the most occurrences: the keep-all that removes the most.
qint64 mostRepeatedAmbiguousRow(const frmanalyse* workspace) {
    const analysis::GridRows& rows = workspace->rows();
    QHash<QString, qint64> occurrences;
    QHash<QString, qint64> firstRow;
    for (qint64 row = 1; row <= static_cast<qint64>(rows.size());) {
        const analysis::RowSpan span = analysis::occurrenceOf(rows, row);
        if (span.size() > 1) {
            const QString form =
                analysis::comparable(rows[std::size_t(row - 1)][analysis::Column::Form].text);
            ++occurrences[form];
            firstRow.insert(form, row + 1);  // its second analysis: not the first row kept
        }
        row = span.last + 1;
    }
    QString best;
    for (auto it = occurrences.cbegin(); it != occurrences.cend(); ++it) {
        if (best.isEmpty() || it.value() > occurrences.value(best)) {
            best = it.key();
        }
    }
    if (best.isEmpty()) {
        qFatal("no ambiguous form in the text");
    }
    return firstRow.value(best);
}

void countRows(benchmark::State& state, qint64 rows) {
    state.counters["rows"] = double(rows);
}

// From the text to the rows shown in the workspace, after the thesaurus choice.
void BM_LargeGridShown(benchmark::State& state) {
    const QString text = largetext::upTo(state.range(0));
    qint64 rows = 0;
    double before = 0;
    double after = 0;
    for (auto _ : state) {
        state.PauseTiming();
        before = residentBytes();
        state.ResumeTiming();
        frmanalyse* workspace = openWorkspace(text);
        state.PauseTiming();
        after = residentBytes();
        rows = gridRows(workspace);
        closeWorkspace(workspace);
        state.ResumeTiming();
    }
    countRows(state, rows);
    state.counters["bytes_per_row"] = (after - before) / double(rows);
}

// "Compléter les formes absentes"; each iteration undoes it after.
void BM_LargeCompletion(benchmark::State& state) {
    frmanalyse* workspace = openWorkspace(largetext::upTo(state.range(0)));
    const qint64 rows = gridRows(workspace);
    qint64 completed = 0;
    for (auto _ : state) {
        trigger(workspace, "completer");
        state.PauseTiming();
        completed = gridRows(workspace);
        trigger(workspace, "annuler");
        state.ResumeTiming();
    }
    countRows(state, rows);
    state.counters["added"] = double(completed - rows);
    closeWorkspace(workspace);
}

// "Garder cette analyse pour toutes les occurrences" of the most repeated ambiguous form; each
// iteration undoes it after.
void BM_LargeKeepEverywhere(benchmark::State& state) {
    frmanalyse* workspace = openWorkspace(largetext::upTo(state.range(0)));
    const qint64 rows = gridRows(workspace);
    const qint64 chosen = mostRepeatedAmbiguousRow(workspace);
    qint64 kept = 0;
    for (auto _ : state) {
        state.PauseTiming();
        clickRow(workspace, chosen);
        state.ResumeTiming();
        trigger(workspace, "garderPartout");
        state.PauseTiming();
        kept = gridRows(workspace);
        trigger(workspace, "annuler");
        state.ResumeTiming();
    }
    countRows(state, rows);
    state.counters["removed"] = double(rows - kept);
    closeWorkspace(workspace);
}

// One undo: of the keep-all above (0), or of a deletion near the top of the grid (1), where
// every row below moves.
void BM_LargeUndo(benchmark::State& state) {
    frmanalyse* workspace = openWorkspace(largetext::upTo(state.range(0)));
    const bool deletion = state.range(1) == 1;
    const qint64 chosen = deletion ? 3 : mostRepeatedAmbiguousRow(workspace);
    for (auto _ : state) {
        state.PauseTiming();
        clickRow(workspace, chosen);
        if (deletion) {
            workspace->findChild<QPushButton*>(QStringLiteral("Command3"))->click();
        } else {
            trigger(workspace, "garderPartout");
        }
        state.ResumeTiming();
        trigger(workspace, "annuler");
    }
    countRows(state, gridRows(workspace));
    closeWorkspace(workspace);
}

// The whole sequence once: the grid, completion, keep-all and one undo, with the memory it
// takes.
void BM_LargeSequence(benchmark::State& state) {
    const QString text = largetext::upTo(state.range(0));
    for (auto _ : state) {
        resetPeak();
        const double before = residentBytes();
        frmanalyse* workspace = openWorkspace(text);
        const double afterGrid = residentBytes();
        const qint64 rows = gridRows(workspace);
        trigger(workspace, "completer");
        clickRow(workspace, mostRepeatedAmbiguousRow(workspace));
        trigger(workspace, "garderPartout");
        trigger(workspace, "annuler");
        state.PauseTiming();
        state.counters["rows"] = double(rows);
        state.counters["bytes_per_row"] = (afterGrid - before) / double(rows);
        state.counters["MB_after_grid"] = afterGrid / kMB;
        state.counters["MB_at_end"] = residentBytes() / kMB;
        state.counters["MB_peak"] = peakBytes() / kMB;
        closeWorkspace(workspace);
        state.ResumeTiming();
    }
}

void sizes(benchmark::internal::Benchmark* b) {
    b->ArgName("bytes")->Arg(k64KB)->Arg(k1MB)->Arg(k5MB)->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_LargeGridShown)->Apply(sizes);
BENCHMARK(BM_LargeCompletion)->Apply(sizes);
BENCHMARK(BM_LargeKeepEverywhere)->Apply(sizes);
BENCHMARK(BM_LargeUndo)
    ->ArgNames({"bytes", "deletion"})
    ->ArgsProduct({{k64KB, k1MB, k5MB}, {0, 1}})
    ->Unit(benchmark::kMillisecond);
// A corpus file of 20 MB: its memory alone, the timed cases would take minutes.
BENCHMARK(BM_LargeSequence)->Apply(sizes)->Arg(k20MB)->Iterations(1);

}  // namespace

MORPHO_QT_BENCHMARK_MAIN()
