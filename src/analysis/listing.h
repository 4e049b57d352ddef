#pragma once

#include "analysis/analysisfile.h"

#include <QList>
#include <QStringList>

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

// The printed listing of an analysis grid: one block per row.
Pages analysisListing(const std::vector<GridRowTexts>& rows);

}  // namespace analysis
