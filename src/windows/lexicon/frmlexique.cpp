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
    showRowsOf(&listedRows_);
    searchMenu()->addSeparator();
    QAction* paradigm =
        ui::menuAction(this, QStringLiteral("paradigme"), QStringLiteral("&Paradigme du lemme..."));
    searchMenu()->addAction(paradigm);
    connect(paradigm, &QAction::triggered, this, &frmlexique::openParadigmOfSelected);
}

void frmlexique::openParadigmOfSelected() {
    // A row the user chose among the listed ones: a new listing leaves none chosen.
    const ui::Grid* grid = resultGrid();
    const int row = grid->row();
    const bool chosen = !grid->isHidden() && grid->view()->selectionModel()->hasSelection() &&
                        row >= 1 && row <= listedRows_.rowCount();
    if (!chosen) {
        ui::msgBox(this,
                   QStringLiteral("Aucun lemme n'est sélectionné : cliquez d'abord sur un lemme "
                                  "de la liste."),
                   ui::Buttons::Ok, ui::Icon::Information, QStringLiteral("Paradigme"));
        return;
    }
    const LexiconRow& entry = listedRows_.at(row - 1);
    paradigm::openParadigm(entry.lemma, QString(), this, entry.category);
}

void frmlexique::Form_Load() {
    headerSetUp();
    const QString missing = QStringLiteral("Le fichier lexique.dat est manquant!");
    // An absent or empty copy is first restored from the shipped one; none is ever created.
    if (!records::paths::restoreDataFile(records::paths::kLexiconName).ok()) {
        ui::msgBox(this, missing);
        return;
    }
    auto loaded = loadLexiconLists(records::paths::lexicon());
    lists_ = loaded.ok() ? std::move(loaded).value() : LexiconLists();
    if (!loaded.ok()) {
        ui::msgBox(this, loaded.error(), ui::Buttons::Ok, ui::Icon::Information,
                   QStringLiteral("Lexique illisible"));
    } else if (lists_.size() == 0) {
        ui::msgBox(this, missing);
    }
}

void frmlexique::listWithInitial(QChar letter) {
    listedRows_.setRows(lexicon::resultRows(lists_, entriesWithInitial(lists_, letter)));
}

void frmlexique::listFoundFor(const QString& text) {
    listedRows_.setRows(lexicon::resultRows(lists_, entriesWithPrefix(lists_, text)));
}

QList<QStringList> frmlexique::printedPages(const std::vector<QStringList>& rows) const {
    return printedListing(rows);
}

void openDictionary(QWidget* caller) {
    ui::openBrowser<frmlexique>(caller);
}

}  // namespace lexicon
