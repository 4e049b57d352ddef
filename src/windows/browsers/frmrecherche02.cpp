#include "windows/browsers/frmrecherche02.h"

#include "core/lookup/storing.h"
#include "ui/fields.h"
#include "ui/grid.h"
#include "ui/platform.h"
#include "ui/widgets.h"
#include "windows/browsers/Thesaurusmodification.h"
#include "windows/browsers/browsers.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace thesaurus {
namespace {

const QString kEmpty = QStringLiteral("Le Thesaurus est vide!");
const QString kNothingSelected = QStringLiteral("Aucun élément de la grille n'est sélectionné");

}  // namespace

frmrecherche02::frmrecherche02()
    : ThesaurusBrowser({QStringLiteral("Vorante Lumivexa - Autre Thesaurus"), Trimming::Other,
                        Scan::Whole, ui::kDefaultWidth, true}) {
    auto button = [this](const QString& name, const QString& tip, QStyle::StandardPixmap icon) {
        auto* b =
            ui::named(new QPushButton(style()->standardIcon(icon), QString(), this), name, tip);
        b->setToolTip(tip);
        b->setIconSize(QSize(22, 22));
        searchRow()->addWidget(b, 0, Qt::AlignBottom);
        return b;
    };
    QPushButton* deleteButton =
        button(QStringLiteral("Command2"), QStringLiteral("Supprimer l'analyse du Thesaurus"),
               QStyle::SP_DialogDiscardButton);
    QPushButton* modifyButton =
        button(QStringLiteral("Command3"), QStringLiteral("Modifier l'analyse du Thesaurus"),
               QStyle::SP_FileDialogDetailedView);
    pathField_ =
        ui::named(new QLineEdit(this), QStringLiteral("nomfiche"), QStringLiteral("Thesaurus"));
    pathField_->hide();
    connect(resultGrid(), &ui::Grid::clicked, this, &frmrecherche02::selectClickedRow);
    connect(deleteButton, &QPushButton::clicked, this, &frmrecherche02::deleteSelectedEntry);
    connect(modifyButton, &QPushButton::clicked, this, &frmrecherche02::modifySelectedEntry);
    // A new listing leaves no row taken.
    connect(&listedRows(), &QAbstractItemModel::modelReset, this, [this] { selectedRow_ = 0; });
}

void frmrecherche02::Form_Load() {
    const QString path =
        ui::platform().openFileName(this, QStringLiteral("Fichiers données (*.DAT)|*.DAT"));
    if (path.isEmpty()) {
        return;
    }
    headerSetUp();
    pathField_->setText(path);
    readLists(path, kEmpty);
}

QString frmrecherche02::thesaurusPath() const {
    return pathField_->text();
}

void frmrecherche02::reloadLists(bool quiet) {
    readLists(thesaurusPath(), kEmpty, quiet);
}

void frmrecherche02::readAgain() {
    const bool selected = rowHoldsEntry(selectedRow_);
    const QByteArray wasSelected =
        selected ? listedRows().at(selectedRow_ - 1).listed : QByteArray();
    reloadLists(true);
    listAgain();
    // The selection stays on its entry only when the entry is shown as it was.
    const int row = selected ? listedRows().rowListedFrom(wasSelected) + 1 : 0;
    if (row >= 1) {
        selectedRow_ = row;
        showSelected();
    }
}

bool frmrecherche02::rowHoldsEntry(int row) const {
    return row >= 1 && row <= listedRows().rowCount() &&
           !listedRows().at(row - 1).values.form.isEmpty();
}

// Makes the selected row current, shown selected whole when it holds an entry.
void frmrecherche02::showSelected() {
    ui::Grid* grid = resultGrid();
    if (selectedRow_ >= 1 && selectedRow_ < grid->rows()) {
        grid->setRow(selectedRow_);
        grid->setCol(0);
        if (rowHoldsEntry(selectedRow_)) {
            grid->setColSel(ThesaurusResults::MoodTenseVoice);
        }
    }
}

void frmrecherche02::selectClickedRow() {
    selectedRow_ = resultGrid()->rowSel();
    showSelected();
}

// The grid row a command acts on: the row selected now, when it holds an entry; 0 otherwise,
// after saying that nothing is selected.
int frmrecherche02::entryRowToActOn() {
    selectedRow_ = resultGrid()->rowSel();
    if (resultGrid()->isHidden()) {
        return 0;
    }
    if (!rowHoldsEntry(selectedRow_)) {
        ui::msgBox(this, kNothingSelected);
        return 0;
    }
    return selectedRow_;
}

void frmrecherche02::deleteSelectedEntry() {
    const int row = entryRowToActOn();
    if (row == 0) {
        return;
    }
    if (ui::msgBox(this, QStringLiteral("Désirez-vous vraiment supprimer cette forme?\r\n"),
                   ui::Buttons::YesNo, ui::Icon::None,
                   QStringLiteral("Suppression d'une forme")) != ui::Answer::Yes) {
        return;
    }
    const ResultRow& entry = listedRows().at(row - 1);
    const WriteResult written = markDeleted(thesaurusPath(), entry.recordNumber, entry.listed);
    if (!written.ok()) {
        ui::msgBox(this, written.error(), ui::Buttons::Ok, ui::Icon::Information,
                   QStringLiteral("Suppression impossible"));
        readAgain();
        return;
    }
    reloadLists();
    // The rows below move up; printing then shows only the remaining entries.
    listedRows().removeRowAt(row - 1);
    showSelected();
}

void frmrecherche02::modifySelectedEntry() {
    const int row = entryRowToActOn();
    if (row == 0) {
        return;
    }
    const ResultRow entry = listedRows().at(row - 1);
    auto open = [this, row, &entry] {
        auto* window = new Thesaurusmodification(entry);
        connect(window, &Thesaurusmodification::edited, this,
                [this, window, row](const ResultRow& edited, const analysis::DetailFields& values) {
                    saveModification(window, row, edited, values);
                });
        return window;
    };
    ui::Forms::showModal(ui::Forms::instance().load<Thesaurusmodification>(
        ui::Forms::nameOf<Thesaurusmodification>(), open));
    showSelected();
}

void frmrecherche02::saveModification(Thesaurusmodification* window, int row,
                                      const ResultRow& entry,
                                      const analysis::DetailFields& values) {
    // The duplicate rule of the workspaces, on the file as it is now, the entry itself aside.
    reloadLists(true);
    if (analysis::holdsAnalysis(lists(), entryRecord(values), entry.recordNumber - 1)) {
        ui::msgBox(window, QStringLiteral("FORME (+ analyses) déjà présente dans le Thesaurus."),
                   ui::Buttons::Ok, ui::Icon::Information, QStringLiteral("Analyse existante"));
        return;
    }
    if (!ui::acceptsStoringLosses(window, analysis::storingLosses(values))) {
        return;
    }
    const WriteResult written =
        rewriteEntry(thesaurusPath(), entry.recordNumber, entry.listed, values);
    if (!written.ok()) {
        ui::msgBox(window, written.error(), ui::Buttons::Ok, ui::Icon::Information,
                   QStringLiteral("Modification impossible"));
        if (written.kind() == WriteFailure::Stale) {
            // What was typed was typed over an entry that is no longer there: the browser
            // shows the file as it is, and the user starts again from it.
            readAgain();
            window->unload();
        }
        // Otherwise the window stays open with what the user typed.
        return;
    }
    showRewritten(row, written.value());
    reloadLists();
    window->unload();
}

// The row shows the record now stored for its entry, as the file holds it.
void frmrecherche02::showRewritten(int row, const QByteArray& record) {
    if (row < 1 || row > listedRows().rowCount()) {
        return;
    }
    ResultRow rewritten = listedRows().at(row - 1);
    rewritten.values = valuesOf(record);
    rewritten.listed = record;
    listedRows().replaceRowAt(row - 1, std::move(rewritten));
}

void openOtherThesaurusBrowser() {
    ui::openBrowser<frmrecherche02>(ui::Forms::instance().find(QStringLiteral("Morphologique")));
}

}  // namespace thesaurus
