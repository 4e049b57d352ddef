#include "core/grid/listing.h"

#include "core/records/records.h"

#include <algorithm>

namespace analysis {
namespace {

QStringList block(const QStringList& labels, const QStringList& cells) {
    QStringList lines;
    lines.reserve(labels.size() + 1);
    for (qsizetype i = 0; i < labels.size(); ++i) {
        lines << labels[i] + records::trimmedRight(cells.value(i));
    }
    lines << kListingRule;
    return lines;
}

}  // namespace

Pages pagesOfBlocks(const QList<QStringList>& blocks) {
    Pages pages;
    for (qsizetype k = 0; k < blocks.size(); ++k) {
        if (k % kBlocksPerPage == 0) {
            pages.append(QStringList());
        }
        pages.last() << blocks[k];
    }
    return pages;
}

Pages labelledListing(const QStringList& labels, const std::vector<QStringList>& rows) {
    QList<QStringList> blocks;
    blocks.reserve(static_cast<qsizetype>(rows.size()));
    for (const QStringList& row : rows) {
        blocks << block(labels, row);
    }
    return pagesOfBlocks(blocks);
}

Pages analysisListing(const std::vector<GridRowTexts>& rows) {
    std::vector<QStringList> cells;
    cells.reserve(rows.size());
    for (const GridRowTexts& row : rows) {
        cells.emplace_back(row.begin(), row.end());
    }
    return labelledListing(kAnalysisLabels, cells);
}

PageSource pageSourceOf(Pages pages) {
    const qsizetype count = pages.size();
    return {count, [pages = std::move(pages)](qsizetype page) { return pages.at(page); }};
}

PageSource analysisPages(qsizetype rowCount, std::function<GridRowTexts(qsizetype row)> rowAt) {
    const qsizetype pages = (rowCount + kBlocksPerPage - 1) / kBlocksPerPage;
    return {pages, [rowCount, rowAt = std::move(rowAt)](qsizetype page) {
                QStringList lines;
                const qsizetype first = page * kBlocksPerPage;
                for (qsizetype row = first; row < std::min(first + kBlocksPerPage, rowCount);
                     ++row) {
                    const GridRowTexts texts = rowAt(row);
                    lines << block(kAnalysisLabels, QStringList(texts.begin(), texts.end()));
                }
                return lines;
            }};
}

}  // namespace analysis
