#include "ui/exportcsv.h"

#include "core/grid/csv.h"
#include "core/records/recordfile.h"
#include "ui/platform.h"

namespace ui {

bool exportCsv(QWidget* window, const QStringList& header, const QList<QStringList>& rows) {
    if (rows.isEmpty()) {
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
        written = records::replaceFile(path, analysis::csvBytes(header, rows));
    }
    if (!written.ok()) {
        msgBox(window, QStringLiteral("L'exportation n'a pas pu se faire.\n") + written.error(),
               Buttons::Ok, Icon::Information, QStringLiteral("Exporter en CSV"));
        return false;
    }
    msgBox(window, QStringLiteral("L'exportation est terminée : %1 lignes.").arg(rows.size()),
           Buttons::Ok, Icon::Information, QStringLiteral("Exporter en CSV"));
    return true;
}

}  // namespace ui
