#include "windows/browsers/frmrecherche02.h"

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
constexpr int kLastColumn = 5;

}  // namespace

frmrecherche02::frmrecherche02()
    : ThesaurusBrowser({QStringLiteral("Vorante Lumivexa - Autre Thesaurus"), Trimming::Other,
                        Scan::Whole, ui::kDefaultWidth, true}) {
    auto button = [this](const QString& name, const QString& tip, QStyle::StandardPixmap icon) {
        auto* b =
            ui::named(new QPushButton(style()->standardIcon(icon), QString(), this), name, tip);
        b->setToolTip(tip);
        b->setIconSize(QSize(22, 22));
        searchRow->addWidget(b, 0, Qt::AlignBottom);
        return b;
    };
    Command2 =
        button(QStringLiteral("Command2"), QStringLiteral("Supprimer l'analyse du Thesaurus"),
               QStyle::SP_DialogDiscardButton);
    Command3 = button(QStringLiteral("Command3"), QStringLiteral("Modifier l'analyse du Thesaurus"),
                      QStyle::SP_FileDialogDetailedView);
    nomfiche =
        ui::named(new QLineEdit(this), QStringLiteral("nomfiche"), QStringLiteral("Thesaurus"));
    nomfiche->hide();
    connect(grille02, &ui::Grid::clicked, this, &frmrecherche02::grille02_Click);
    connect(Command2, &QPushButton::clicked, this, &frmrecherche02::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmrecherche02::Command3_Click);
}

void frmrecherche02::Form_Load() {
    const QString path =
        ui::platform().openFileName(this, QStringLiteral("Fichiers données (*.DAT)|*.DAT"));
    if (path.isEmpty()) {
        return;
    }
    headerSetUp();
    nomfiche->setText(path);
    readLists(path, kEmpty);
}

QString frmrecherche02::thesaurusPath() const {
    return nomfiche->text();
}

void frmrecherche02::reloadLists(bool quiet) {
    readLists(thesaurusPath(), kEmpty, quiet);
}

void frmrecherche02::listing(const QStringList& numbers, const std::vector<qint64>& entries) {
    List8 = numbers;
    listedRecords.clear();
    listedRecords.reserve(static_cast<qsizetype>(entries.size()));
    for (const qint64 entry : entries) {
        listedRecords << fileRecords.mid(entry * records::ThesaurusRecord::Length,
                                         records::ThesaurusRecord::Length);
    }
    selectedRow = 0;
}

void frmrecherche02::readAgain() {
    const bool selected = rowHoldsEntry(selectedRow);
    const QByteArray wasSelected = selected ? listedRecords[selectedRow - 1] : QByteArray();
    reloadLists(true);
    listAgain();
    // The selection stays on its entry only when the entry is shown as it was.
    const int row = selected ? static_cast<int>(listedRecords.indexOf(wasSelected)) + 1 : 0;
    if (row >= 1) {
        selectedRow = row;
        showSelected();
    }
}

bool frmrecherche02::rowHoldsEntry(int row) const {
    return row >= 1 && row <= List8.size() && !grille02->textAt(row, 0).isEmpty();
}

// Makes the selected row current, shown selected whole when it holds an entry.
void frmrecherche02::showSelected() {
    if (selectedRow >= 1 && selectedRow < grille02->rows()) {
        grille02->setRow(selectedRow);
        grille02->setCol(0);
        if (rowHoldsEntry(selectedRow)) {
            grille02->setColSel(kLastColumn);
        }
    }
}

void frmrecherche02::grille02_Click() {
    selectedRow = grille02->rowSel();
    showSelected();
}

void frmrecherche02::Command2_Click() {
    selectedRow = grille02->rowSel();
    if (grille02->isHidden()) {
        return;
    }
    if (!rowHoldsEntry(selectedRow)) {
        ui::msgBox(this, kNothingSelected);
        return;
    }
    if (ui::msgBox(this, QStringLiteral("Désirez-vous vraiment supprimer cette forme?\r\n"),
                   ui::Buttons::YesNo, ui::Icon::None,
                   QStringLiteral("Suppression d'une forme")) != ui::Answer::Yes) {
        return;
    }
    const int row = selectedRow;
    const WriteResult written =
        markDeleted(thesaurusPath(), List8[row - 1].toLongLong(), listedRecords[row - 1]);
    if (!written.ok) {
        ui::msgBox(this, written.error, ui::Buttons::Ok, ui::Icon::Information,
                   QStringLiteral("Suppression impossible"));
        readAgain();
        return;
    }
    reloadLists();
    removeResultRow(row);
    showSelected();
}

// The rows below move up; the empty row left at the bottom is dropped, so that the grid
// still ends with exactly one empty row and printing shows only the remaining entries.
void frmrecherche02::removeResultRow(int row) {
    grille02->setRedraw(false);
    for (int i = row + 1; i < grille02->rows(); ++i) {
        for (int c = 0; c < grille02->cols(); ++c) {
            grille02->setTextAt(i - 1, c, grille02->textAt(i, c));
        }
    }
    grille02->setRows(grille02->rows() - 1);
    grille02->setRedraw(true);
    List8.removeAt(row - 1);
    listedRecords.removeAt(row - 1);
}

void frmrecherche02::Command3_Click() {
    selectedRow = grille02->rowSel();
    if (grille02->isHidden()) {
        return;
    }
    if (!rowHoldsEntry(selectedRow)) {
        ui::msgBox(this, kNothingSelected);
        return;
    }
    ui::Forms::showModal(ui::Forms::instance().load<Thesaurusmodification>());
    showSelected();
}

void frmrecherche02::showRewritten(int row, const QByteArray& record) {
    records::ThesaurusRecord stored;
    stored.fromBytes(record);
    const QStringList cells = cellsOf(stored);
    for (int c = 0; c <= kLastColumn; ++c) {
        grille02->setTextAt(row, c, cells[c]);
    }
    if (row >= 1 && row <= listedRecords.size()) {
        listedRecords[row - 1] = record;
    }
}

void openOtherThesaurusBrowser() {
    ui::openBrowser<frmrecherche02>(ui::Forms::instance().find(QStringLiteral("Morphologique")));
}

}  // namespace thesaurus
