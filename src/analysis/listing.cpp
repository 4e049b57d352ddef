#include "analysis/listing.h"

#include "records/records.h"

namespace analysis {
namespace {

QStringList block(const GridRowTexts& row) {
    using records::trimmedRight;
    return {QStringLiteral("Formes: ") + trimmedRight(row[0]),
            QStringLiteral("Lemme : ") + trimmedRight(row[1]),
            QStringLiteral("Traduction : ") + trimmedRight(row[2]),
            QStringLiteral("Cat. gramm. : ") + trimmedRight(row[3]),
            QStringLiteral("Cas, genre, nombre : ") + trimmedRight(row[4]),
            QStringLiteral("Mode, temps, voix : ") + trimmedRight(row[5]),
            kListingRule};
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

Pages analysisListing(const std::vector<GridRowTexts>& rows) {
    QList<QStringList> blocks;
    blocks.reserve(static_cast<qsizetype>(rows.size()));
    for (const GridRowTexts& row : rows) {
        blocks << block(row);
    }
    return pagesOfBlocks(blocks);
}

}  // namespace analysis
