// The workspace's commands beyond its design: undo and redo of every change of the grid,
// keeping one analysis of an occurrence, print preview, CSV export and the paradigm of a lemma.

#include "core/grid/keeping.h"
#include "core/grid/listing.h"
#include "core/records/records.h"
#include "core/tagger/choosing.h"
#include "ui/exportcsv.h"
#include "ui/grid.h"
#include "ui/gridrowsmodel.h"
#include "ui/platform.h"
#include "ui/printjob.h"
#include "ui/widgets.h"
#include "windows/paradigm/Paradigme.h"
#include "windows/workspaces/gridhistory.h"
#include "windows/workspaces/workspace.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTableView>
#include <QUndoStack>

#include <algorithm>

namespace analysis {
namespace {

// Enough changes to go back a long way: each holds the rows it changed, and a keep-all or a
// completion on a large text changes many.
constexpr int kUndoLimit = 100;

QString rowsRemoved(qint64 count) {
    return count == 1 ? QStringLiteral("1 ligne supprimée")
                      : QStringLiteral("%1 lignes supprimées").arg(count);
}

}  // namespace

void Workspace::buildAddedMenus() {
    history_ = new QUndoStack(this);
    history_->setUndoLimit(kUndoLimit);
    auto item = [this](QMenu* m, const QString& name, const QString& caption, auto handler,
                       const QKeySequence& keys = {}) {
        QAction* a = ui::menuAction(this, name, caption);
        a->setShortcut(keys);
        m->addAction(a);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    // Quitter stays the last entry of the file menu.
    fileMenu_->removeAction(quitAction_);
    fileMenu_->addSeparator();
    item(fileMenu_, QStringLiteral("apercu"), QStringLiteral("&Aperçu avant impression..."),
         &Workspace::previewPrinting);
    item(fileMenu_, QStringLiteral("exporter"), QStringLiteral("E&xporter en CSV..."),
         &Workspace::exportCsv);
    fileMenu_->addSeparator();
    fileMenu_->addAction(quitAction_);

    editMenu_->addSeparator();
    QAction* undo = history_->createUndoAction(this, QStringLiteral("Annuler"));
    undo->setObjectName(QStringLiteral("annuler"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* redo = history_->createRedoAction(this, QStringLiteral("Rétablir"));
    redo->setObjectName(QStringLiteral("retablir"));
    redo->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    editMenu_->addActions({undo, redo});
    editMenu_->addSeparator();
    item(editMenu_, QStringLiteral("garder"), QStringLiteral("&Garder cette analyse"),
         &Workspace::keepAnalysis, QKeySequence(Qt::CTRL | Qt::Key_G));
    item(editMenu_, QStringLiteral("garderPartout"),
         QStringLiteral("Garder cette analyse pour &toutes les occurrences"),
         &Workspace::keepAnalysisEverywhere, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G));
    item(editMenu_, QStringLiteral("choisir"),
         QStringLiteral("C&hoisir l'analyse la plus probable"),
         &Workspace::chooseMostProbableEverywhere);
    item(editMenu_, QStringLiteral("choisirIci"),
         QStringLiteral("Choisir l'analyse la plus probable pour cette &occurrence"),
         &Workspace::chooseMostProbableHere);
    editMenu_->addSeparator();
    item(editMenu_, QStringLiteral("basculer"),
         QStringLiteral("&Basculer entre la grille et le détail"), &Workspace::switchGridAndDetail,
         QKeySequence(Qt::Key_F6));

    dictionaryMenu_->addSeparator();
    item(dictionaryMenu_, QStringLiteral("paradigme"), QStringLiteral("&Paradigme du lemme..."),
         &Workspace::showParadigm);
}

// F6 goes from the grid to the first field of the detail panel, and from anywhere else back
// to the grid.
void Workspace::switchGridAndDetail() {
    if (grid_->isAncestorOf(QApplication::focusWidget()) && detailPanel_->isVisible()) {
        lemmaField_->setFocus(Qt::ShortcutFocusReason);
        lemmaField_->selectAll();  // typing replaces the lemma, as in a field reached by Tab
    } else {
        grid_->view()->setFocus(Qt::ShortcutFocusReason);
    }
}

void Workspace::showParadigm() {
    if (!needsRow()) {
        return;
    }
    const QString lemma = lemmaField_->toPlainText().trimmed();
    if (lemma.isEmpty() || lemma == records::kEmptyMarker) {
        ui::msgBox(this,
                   QStringLiteral("Le lemme de cette ligne est vide : complétez-le ou choisissez "
                                  "une autre ligne."),
                   ui::Buttons::Ok, ui::Icon::Information, QStringLiteral("Paradigme"));
        return;
    }
    paradigm::openParadigm(lemma, formField_->text(), this,
                           categoryField_->toPlainText().trimmed());
}

void Workspace::pushChange(const QString& text, RowsChange change) {
    if (change.edit.empty()) {
        change.edit = stretchEdit(change.first, std::move(change.before), std::move(change.after));
    }
    if (change.edit.empty()) {
        // Nothing to undo: only the selection the command makes.
        applyEdit({}, change.selectedAfter, change.refill);
        return;
    }
    history_->push(new RowsCommand(this, text, std::move(change)));
}

void Workspace::replaceRows(qint64 first, qint64 count, const GridRows& replacement, qint64 select,
                            bool refill) {
    gridModel_->replace(first, count, replacement);
    selectAfterChange(select, refill);
}

void Workspace::applyEdit(const RowsEdit& edit, qint64 select, bool refill) {
    gridModel_->apply(edit);
    selectAfterChange(select, refill);
}

void Workspace::selectAfterChange(qint64 select, bool refill) {
    if (select < 1 || select >= grid_->rows()) {
        // No row was selected when the change was made: the row selected since may now hold
        // another occurrence, and the detail panel must not offer it for validation.
        selectRow(0);
    } else if (refill) {
        selectRow(select);
    } else {
        selectedRow_ = select;
        showRowSelected(select);
    }
}

void Workspace::tellUndone(const QString& note) {
    if (!note.isEmpty()) {
        statusBar()->showMessage(note, kStatusNoteMilliseconds);
    }
}

void Workspace::keepAnalysis() {
    keep(false);
}

void Workspace::keepAnalysisEverywhere() {
    keep(true);
}

void Workspace::keep(bool everywhere) {
    if (!needsRow() || selectedRow_ >= grid_->rows()) {
        return;
    }
    ui::Hourglass hourglass(this);
    RowsChange change(1, {}, selectedRow_, selectedRow_);
    Kept kept = everywhere ? keepingAnalysisEverywhere(
                                 rows(), selectedRow_,
                                 gridModel_->rowsOfForm(
                                     comparable(gridModel_->at(selectedRow_)[Column::Form].text)))
                           : keepingAnalysis(rows(), selectedRow_);
    if (kept.removed == 0) {
        statusBar()->showMessage(
            QStringLiteral("Aucune autre analyse à retirer : la forme n'a ici qu'une analyse."),
            kStatusNoteMilliseconds);
        return;
    }
    change.edit = std::move(kept.edit);
    change.selectedAfter = kept.keptRow;
    pushChange(everywhere ? QStringLiteral("l'analyse gardée partout")
                          : QStringLiteral("l'analyse gardée"),
               std::move(change));
    const QString occurrences = everywhere && kept.occurrences > 1
                                    ? QStringLiteral(" à %1 occurrences").arg(kept.occurrences)
                                    : QString();
    statusBar()->showMessage(
        QStringLiteral("Analyse gardée%1 : %2.").arg(occurrences, rowsRemoved(kept.removed)),
        kStatusNoteMilliseconds);
}

void Workspace::chooseMostProbableEverywhere() {
    chooseMostProbable(0);
}

void Workspace::chooseMostProbableHere() {
    if (!needsRow() || selectedRow_ >= grid_->rows()) {
        return;
    }
    chooseMostProbable(selectedRow_);
}

void Workspace::chooseMostProbable(qint64 onlyRow) {
    const TagModel* model = installedTagModel();
    if (!model) {
        statusBar()->showMessage(
            QStringLiteral("Aucune analyse choisie : les statistiques du contexte (tags.la) ne "
                           "sont pas installées."),
            kStatusNoteMilliseconds);
        return;
    }
    ui::Hourglass hourglass(this);
    RowsChange change(1, {}, selectedRow_, selectedRow_);
    LemmaFrequencies frequencies(&installedMorphology());
    const std::vector<double> probabilities =
        rowProbabilities(rows(), *model, frequencies, sentenceStarts());
    const RowSpan span = onlyRow > 0 ? occurrenceOf(rows(), onlyRow) : RowSpan{};
    Choice done = choosingMostProbable(rows(), probabilities, span);
    if (done.occurrences == 0) {
        statusBar()->showMessage(
            QStringLiteral("Aucune occurrence ambiguë à trancher : chacune n'a qu'une analyse, "
                           "ou a déjà été traitée."),
            kStatusNoteMilliseconds);
        return;
    }
    if (selectedRow_ >= 1 && selectedRow_ <= static_cast<qint64>(done.newRowOf.size())) {
        change.selectedAfter = done.newRowOf[static_cast<std::size_t>(selectedRow_ - 1)];
    }
    change.edit = std::move(done.edit);  // the occurrences reduced, not the whole grid
    pushChange(QStringLiteral("le choix des analyses les plus probables"), std::move(change));
    statusBar()->showMessage(
        QStringLiteral("Analyse la plus probable choisie pour %1 : %2 (en vert jusqu'à la "
                       "validation).")
            .arg(done.occurrences == 1 ? QStringLiteral("1 occurrence")
                                       : QStringLiteral("%1 occurrences").arg(done.occurrences),
                 rowsRemoved(done.removed)),
        kStatusNoteMilliseconds);
}

void Workspace::previewPrinting() {
    ui::previewListing(this, analysisListing(gridRows()));
}

// One line per grid row, the empty rows at the bottom left out; written straight from the rows.
void Workspace::exportCsv() {
    const GridRows& all = rows();
    auto count = static_cast<qint64>(all.size());
    const auto empty = [](const GridRow& row) {
        return std::all_of(row.cells.begin(), row.cells.end(),
                           [](const Cell& cell) { return cell.text.str().trimmed().isEmpty(); });
    };
    while (count > 0 && empty(all[static_cast<std::size_t>(count - 1)])) {
        --count;
    }
    ui::exportCsv(this, gridHeaders(), count, [&all](qint64 i) {
        const GridRowTexts texts = all[static_cast<std::size_t>(i)].texts();
        return QStringList(texts.begin(), texts.end());
    });
}

}  // namespace analysis
