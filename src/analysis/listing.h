#pragma once

#include "analysis/analysisfile.h"

#include <QList>
#include <QStringList>

#include <vector>

namespace ui {
class PrintJob;
}

namespace analysis {

inline const QString kListingFont = QStringLiteral("verdana");
constexpr int kListingPointSize = 9;
constexpr int kBlocksPerPage = 10;
inline const QString kListingRule = QString(64, QLatin1Char('-'));

// The printed listing of an analysis grid: one block of labelled lines per row, closed by a
// rule of 64 hyphens, ten blocks a page; no empty page at the end.
QList<QStringList> analysisListing(const std::vector<GridRowTexts>& rows);

// Prints pages of lines in the listing font; false when the document could not be produced.
bool printPages(ui::PrintJob& job, const QList<QStringList>& pages);

}  // namespace analysis
