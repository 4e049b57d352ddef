#include "windows/browsers/frmrecherche01.h"

#include "core/records/paths.h"
#include "windows/browsers/browsers.h"

namespace thesaurus {

frmrecherche01::frmrecherche01()
    : ThesaurusBrowser({QStringLiteral("Vorante Lumivexa - Thesaurus de base"), Trimming::Base,
                        Scan::StopAtLaterInitial, 1500, false}) {}

void frmrecherche01::Form_Load() {
    headerSetUp();
    const QString missing = QStringLiteral("Le fichier donnees.dat est manquant!");
    // An absent or empty copy is first restored from the shipped one; none is ever created.
    if (!records::paths::restoreDataFile(records::paths::kBaseThesaurusName).ok()) {
        ui::msgBox(this, missing);
        return;
    }
    readLists(records::paths::baseThesaurus(), missing);
}

void openBaseThesaurusBrowser() {
    ui::openBrowser<frmrecherche01>(ui::Forms::instance().find(QStringLiteral("Morphologique")));
}

}  // namespace thesaurus
