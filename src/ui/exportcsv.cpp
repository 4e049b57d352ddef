#include "ui/exportcsv.h"

#include "core/grid/csv.h"
#include "core/records/recordfile.h"
#include "ui/platform.h"

#include <algorithm>
#include <memory>

namespace ui {

bool exportCsv(QWidget* window, const QStringList& header, const QList<QStringList>& rows) {
    return exportCsv(window, header, rows.size(), [&rows](qint64 i) { return rows[i]; });
}

namespace {

// Rows turned into CSV lines a few thousand at a time, after the byte-order mark and the header.
constexpr qint64 kLinesAPiece = 2048;

records::Pieces csvPieces(const QStringList& header, qint64 count,
                          const std::function<QStringList(qint64)>& rowAt) {
    auto next = std::make_shared<qint64>(-1);  // -1: the header comes first
    return [header, count, rowAt, next]() {
        QByteArray bytes;
        if (*next < 0) {
            bytes = analysis::kCsvByteOrderMark + analysis::csvLine(header);
            *next = 0;
        }
        for (const qint64 end = std::min(count, *next + kLinesAPiece); *next < end; ++*next) {
            bytes += analysis::csvLine(rowAt(*next));
        }
        return bytes;
    };
}

}  // namespace

bool exportCsv(QWidget* window, const QStringList& header, qint64 count,
               const std::function<QStringList(qint64)>& rowAt) {
    if (count == 0) {
        msgBox(window, QStringLiteral("La liste est vide : il n'y a rien à exporter."), Buttons::Ok,
               Icon::Information);
        return false;
    }
    const QString path = platform().saveFileName(window, kCsvFilter);
    if (path.isEmpty() || !mayOverwrite(window, path)) {
        return false;
    }
    records::Outcome<void> written;
    {
        Hourglass hourglass(window);
        written = records::replaceFile(path, csvPieces(header, count, rowAt));
    }
    if (!written.ok()) {
        msgBox(window, QStringLiteral("L'exportation n'a pas pu se faire.\n") + written.error(),
               Buttons::Ok, Icon::Information, QStringLiteral("Exporter en CSV"));
        return false;
    }
    msgBox(window, QStringLiteral("L'exportation est terminée : %1 lignes.").arg(count),
           Buttons::Ok, Icon::Information, QStringLiteral("Exporter en CSV"));
    return true;
}

}  // namespace ui
