#include "lexicon/frmlexique.h"

#include "lexicon/dictionary.h"
#include "records/paths.h"
#include "ui/platform.h"

namespace lexicon {

frmlexique::frmlexique()
    : ResultBrowser(
          {QStringLiteral("Vorante Lumivexa - Dictionnaire (Lemmes)"),
           QStringLiteral("Recherche d'un lemme : "),
           QStringLiteral("Lemme"),
           QStringLiteral("Aucune information n'est disponible pour le lemme demandée"),
           {QStringLiteral("Lemme"), QStringLiteral("Traduction"), QStringLiteral("Catégorie"),
            QStringLiteral("Fam. française"), QStringLiteral("Fam. latine")},
           {2000, 2500, 1000, 2000, 2000}}) {}

void frmlexique::Form_Load() {
    headerSetUp();
    const QString missing = QStringLiteral("Le fichier lexique.dat est manquant!");
    // An absent or empty copy is first restored from the shipped one; none is ever created.
    if (!records::paths::restoreDataFile(records::paths::kLexiconName).isEmpty()) {
        ui::msgBox(this, missing);
        return;
    }
    LoadedLexicon loaded = loadLexiconLists(records::paths::lexicon());
    lists = std::move(loaded.lists);
    if (!loaded.ok) {
        ui::msgBox(this, loaded.error, ui::Buttons::Ok, ui::Icon::Information,
                   QStringLiteral("Lexique illisible"));
    } else if (lists.size() == 0) {
        ui::msgBox(this, missing);
    }
}

std::vector<QStringList> frmlexique::rowsWithInitial(QChar letter) {
    return lexicon::resultRows(lists, entriesWithInitial(lists, letter));
}

std::vector<QStringList> frmlexique::rowsFoundFor(const QString& text) {
    return lexicon::resultRows(lists, entriesWithPrefix(lists, text));
}

QList<QStringList> frmlexique::printedPages(const std::vector<QStringList>& rows) const {
    return printedListing(rows);
}

void openDictionary(QWidget* caller) {
    ui::openBrowser<frmlexique>(caller);
}

}  // namespace lexicon
