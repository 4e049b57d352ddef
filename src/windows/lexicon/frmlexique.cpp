#include "windows/lexicon/frmlexique.h"

#include "core/records/paths.h"
#include "ui/grid.h"
#include "ui/platform.h"
#include "ui/widgets.h"
#include "windows/lexicon/dictionary.h"
#include "windows/paradigm/Paradigme.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QMenu>
#include <QTableView>

namespace lexicon {

frmlexique::frmlexique()
    : ResultBrowser(
          {QStringLiteral("Vorante Lumivexa - Dictionnaire (Lemmes)"),
           QStringLiteral("Recherche d'un lemme : "),
           QStringLiteral("Lemme"),
           QStringLiteral("Aucune information n'est disponible pour le lemme demandée"),
           {QStringLiteral("Lemme"), QStringLiteral("Traduction"), QStringLiteral("Catégorie"),
            QStringLiteral("Fam. française"), QStringLiteral("Fam. latine")},
           {2000, 2500, 1000, 2000, 2000}}) {
    recherche->addSeparator();
    paradigme =
        ui::menuAction(this, QStringLiteral("paradigme"), QStringLiteral("&Paradigme du lemme..."));
    recherche->addAction(paradigme);
    connect(paradigme, &QAction::triggered, this, &frmlexique::paradigme_Click);
}

void frmlexique::paradigme_Click() {
    // A row the user chose among the listed ones: a new listing leaves none chosen.
    const int row = grille02->row();
    const bool chosen = !grille02->isHidden() &&
                        grille02->view()->selectionModel()->hasSelection() && row >= 1 &&
                        row < rowCounter;
    if (!chosen) {
        ui::msgBox(this,
                   QStringLiteral("Aucun lemme n'est sélectionné : cliquez d'abord sur un lemme "
                                  "de la liste."),
                   ui::Buttons::Ok, ui::Icon::Information, QStringLiteral("Paradigme"));
        return;
    }
    paradigm::openParadigm(grille02->textAt(row, 0), QString(), this, grille02->textAt(row, 2));
}

void frmlexique::Form_Load() {
    headerSetUp();
    const QString missing = QStringLiteral("Le fichier lexique.dat est manquant!");
    // An absent or empty copy is first restored from the shipped one; none is ever created.
    if (!records::paths::restoreDataFile(records::paths::kLexiconName).ok()) {
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
