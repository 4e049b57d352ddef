#include "analysis/listing.h"

#include "records/records.h"
#include "ui/platform.h"

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

QList<QStringList> analysisListing(const std::vector<GridRowTexts>& rows) {
    QList<QStringList> pages;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        if (k % kBlocksPerPage == 0) {
            pages.append(QStringList());
        }
        pages.last() << block(rows[k]);
    }
    return pages;
}

bool printPages(ui::PrintJob& job, const QList<QStringList>& pages) {
    job.setFont(kListingFont, kListingPointSize);
    for (qsizetype p = 0; p < pages.size(); ++p) {
        if (p > 0) {
            job.newPage();
        }
        for (const QString& line : pages[p]) {
            job.printLine(line);
        }
    }
    return job.endDoc();
}

}  // namespace analysis
