// Filling and scrolling a shown grid of the size a long text gives the analysis workspace.

#include <benchmark/benchmark.h>

#include "qtbenchmain.h"

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

#include <memory>

#include "ui/grid.h"

namespace {

constexpr int kRows = 40000;
constexpr int kCols = 7;
constexpr quint32 kFormColour = 0xC00000;
constexpr quint32 kAmbiguityColour = 0x0080FF;

std::unique_ptr<ui::Grid> shownGrid() {
    auto grid = std::make_unique<ui::Grid>();
    grid->setCols(kCols);
    grid->resize(900, 600);
    grid->show();
    QApplication::processEvents();
    return grid;
}

// One analysis row written through the current cell, as the workspace writes it.
void writeRow(ui::Grid& grid, int row) {
    grid.setRow(row);
    grid.setCol(0);
    grid.setText(QStringLiteral("forma"));
    grid.setCellFontBold(true);
    grid.setCellForeColor(kFormColour);
    for (int col = 1; col < kCols; ++col) {
        grid.setCol(col);
        grid.setText(QStringLiteral("lemma                    "));
        if (row % 4 == 0) {
            grid.setCellForeColor(kAmbiguityColour);
        }
    }
}

// Arguments: redraw on (1) or off (0); rows sized first (0) or added one by one (1).
void BM_FillCurrentCell(benchmark::State& state) {
    const bool redraw = state.range(0) != 0;
    const bool growing = state.range(1) != 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto grid = shownGrid();
        state.ResumeTiming();
        grid->setRedraw(redraw);
        if (!growing) {
            grid->setRows(kRows + 1);
        }
        for (int row = 1; row <= kRows; ++row) {
            if (growing) {
                grid->setRows(row + 1);
            }
            writeRow(*grid, row);
        }
        grid->setRedraw(true);
        QApplication::processEvents();  // the delayed layout and the first paint
        state.PauseTiming();
        grid.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kRows * kCols);
}
BENCHMARK(BM_FillCurrentCell)
    ->ArgNames({"redraw", "growing"})
    ->Args({1, 0})
    ->Args({0, 0})
    ->Args({1, 1})
    ->Args({0, 1})
    ->Unit(benchmark::kMillisecond);

void BM_GrowRowsOneByOne(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto grid = shownGrid();
        state.ResumeTiming();
        for (int rows = 2; rows <= kRows + 1; ++rows) {
            grid->setRows(rows);
        }
        QApplication::processEvents();
        state.PauseTiming();
        grid.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_GrowRowsOneByOne)->Unit(benchmark::kMillisecond);

// One page of scrolling in a full grid, painted.
void BM_ScrollPage(benchmark::State& state) {
    auto grid = shownGrid();
    grid->setRedraw(false);
    grid->setRows(kRows + 1);
    for (int row = 1; row <= kRows; ++row) {
        writeRow(*grid, row);
    }
    grid->setRedraw(true);
    QApplication::processEvents();
    QScrollBar* bar = grid->view()->verticalScrollBar();
    int position = 0;
    for (auto _ : state) {
        position = (position + bar->pageStep()) % bar->maximum();
        bar->setValue(position);
        grid->view()->viewport()->repaint();
        grid->view()->verticalHeader()->viewport()->repaint();
    }
}
BENCHMARK(BM_ScrollPage)->Unit(benchmark::kMicrosecond);

}  // namespace

MORPHO_QT_BENCHMARK_MAIN()
