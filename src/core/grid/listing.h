#pragma once

#include "core/grid/analysisfile.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <vector>

namespace analysis {

inline const QString kListingFont = QStringLiteral("verdana");
constexpr int kListingPointSize = 9;
constexpr int kBlocksPerPage = 10;
inline const QString kListingRule = QString(64, QLatin1Char('-'));

// A printed listing: blocks of labelled lines, each closed by a rule of 64 hyphens, printed in
// verdana 9 points, ten blocks a page. Pages are lists of lines.
using Pages = QList<QStringList>;

// The blocks laid out ten a page; no empty page at the end.
Pages pagesOfBlocks(const QList<QStringList>& blocks);

// One block per row: each label followed by the row's cell of the same rank without its
// trailing spaces, then the rule; laid out ten a page.
Pages labelledListing(const QStringList& labels, const std::vector<QStringList>& rows);

// The labels of an analysis block, one per column from the form to the mood-tense-voice.
inline const QStringList kAnalysisLabels = {QStringLiteral("Formes: "),
                                            QStringLiteral("Lemme : "),
                                            QStringLiteral("Traduction : "),
                                            QStringLiteral("Cat. gramm. : "),
                                            QStringLiteral("Cas, genre, nombre : "),
                                            QStringLiteral("Mode, temps, voix : ")};

// The printed listing of an analysis grid: one block per row.
Pages analysisListing(const std::vector<GridRowTexts>& rows);

// Pages made one at a time, as they are printed: the listing of a grid of a million rows is
// never whole in memory.
struct PageSource {
    qsizetype count = 0;
    std::function<QStringList(qsizetype page)> page;
};
PageSource pageSourceOf(Pages pages);

// The pages of analysisListing() for the rows rowAt(0) to rowAt(rowCount - 1), each made when
// it is asked for.
PageSource analysisPages(qsizetype rowCount, std::function<GridRowTexts(qsizetype row)> rowAt);

}  // namespace analysis
