#include "windows/workspaces/workspace.h"

#include "core/grid/listing.h"
#include "core/morphology/normalise.h"
#include "core/records/recordfile.h"
#include "core/tagger/choosing.h"
#include "ui/fields.h"
#include "ui/grid.h"
#include "ui/gridrowsmodel.h"
#include "ui/platform.h"
#include "ui/printjob.h"
#include "ui/widgets.h"
#include "windows/about/frmAbout.h"
#include "windows/browsers/browsers.h"
#include "windows/keypads/keypads.h"
#include "windows/lexicon/dictionary.h"
#include "windows/workspaces/gridhistory.h"
#include "windows/workspaces/proposalspanel.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QUndoStack>

namespace analysis {
namespace {

// Starting widths in pixels; the user may widen any column.
constexpr int kColumnPixels[kGridColumns] = {110, 110, 200, 82, 125, 140, 45};
constexpr int kTwipsPerPixel = 15;

const QString kSelectForm = QStringLiteral("Veuillez sélectionner une forme.");
const QString kSaveFilter = QStringLiteral("Fichiers de données (*.DAT)|*.DAT");

QPlainTextEdit* detailField(QWidget* parent, const QString& name, const QString& label, int lines) {
    return ui::named(new ui::LineField(parent, lines), name, label);
}

const QString kWorkspaceTitle = QStringLiteral("Vorante Lumivexa - Analyse morphologique");

}  // namespace

Workspace::Workspace(const WorkspaceDesign& design) : keypadSuffix_(design.keypadSuffix) {
    setWindowTitle(kWorkspaceTitle);
    setAccessibleName(windowTitle());
    buildMenus(design);
    buildBody(design);
    followVisualOrder();
    storingLabel = ui::named(new QLabel(this), QStringLiteral("storingLabel"),
                             QStringLiteral("Thesaurus de travail"));
    statusBar()->addWidget(storingLabel, 1);
    resize(1270, 740);
}

void Workspace::buildMenus(const WorkspaceDesign& design) {
    auto menu = [this](const QString& name, const QString& caption) {
        QMenu* m = menuBar()->addMenu(caption);
        m->setObjectName(name);
        return m;
    };
    auto item = [this](QMenu* m, const QString& name, const QString& caption, auto handler) {
        QAction* a = ui::menuAction(this, name, caption);
        m->addAction(a);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    fichier = menu(QStringLiteral("fichier"), QStringLiteral("&Fichier"));
    Enregistrer = item(fichier, design.saveName, design.saveCaption, &Workspace::Enregistrer_Click);
    imprimer = item(fichier, QStringLiteral("imprimer"), QStringLiteral("&Imprimer"),
                    &Workspace::imprimer_Click);
    quitter = item(fichier, QStringLiteral("quitter"), QStringLiteral("&Quitter"),
                   &Workspace::quitter_Click);
    edition = menu(QStringLiteral("edition"), QStringLiteral("&Edition"));
    dupliquer = item(edition, QStringLiteral("dupliquer"), QStringLiteral("&Dupliquer une ligne"),
                     &Workspace::dupliquer_Click);
    completer = item(edition, QStringLiteral("completer"),
                     QStringLiteral("&Compléter les formes absentes"), &Workspace::completer_Click);
    thesaurus = menu(QStringLiteral("thesaurus"), QStringLiteral("&Thesaurus"));
    Thesaurusvorante =
        item(thesaurus, QStringLiteral("Thesaurusvorante"), QStringLiteral("&Vorante Lumivexa"),
             &Workspace::Thesaurusvorante_Click);
    thesaurusautre = item(thesaurus, QStringLiteral("thesaurusautre"),
                          QStringLiteral("&Autre Thesaurus"), &Workspace::thesaurusautre_Click);
    lex = menu(QStringLiteral("lex"), QStringLiteral("&Dictionnaire"));
    lexique =
        item(lex, QStringLiteral("lexique"), design.lexiconCaption, &Workspace::lexique_Click);
    aide = menu(QStringLiteral("aide"), QStringLiteral("&Aide"));
    about = item(aide, QStringLiteral("about"), QStringLiteral("&A propos de"),
                 &Workspace::about_Click);
    buildAddedMenus();
}

void Workspace::buildBody(const WorkspaceDesign& design) {
    auto* central = new QWidget(this);
    const ui::ShadowTitle title = ui::programTitle(central);
    Label1 = title.face;
    Label2 = title.shadow;

    Frame1 = ui::named(new QGroupBox(central), QStringLiteral("Frame1"),
                       QStringLiteral("Grille d'analyse"));
    grille01 = ui::named(new ui::Grid(Frame1), QStringLiteral("grille01"),
                         QStringLiteral("Grille d'analyse"));
    gridModel_ = new ui::GridRowsModel(this);
    grille01->showCells(gridModel_);
    grille01->view()->horizontalHeader()->setStretchLastSection(true);
    connect(grille01, &ui::Grid::clicked, this, &Workspace::grille01_Click);
    auto* gridLayout = new QVBoxLayout(Frame1);
    gridLayout->addWidget(grille01);

    auto* body = new QHBoxLayout;
    body->addWidget(Frame1, 1);
    auto* side = new QVBoxLayout;
    side->addWidget(buildDetailPanel(design), 0);
    cmdParadigme = ui::named(new QPushButton(QStringLiteral("&Paradigme du lemme..."), central),
                             QStringLiteral("cmdParadigme"), QStringLiteral("Paradigme du lemme"));
    cmdParadigme->setToolTip(
        QStringLiteral("Toute la flexion du lemme de la ligne choisie, la forme en évidence"));
    connect(cmdParadigme, &QPushButton::clicked, this, &Workspace::paradigme_Click);
    side->addWidget(cmdParadigme, 0, Qt::AlignRight);
    propositions = new ProposalsPanel(central);
    propositions->setFixedWidth(Frame2->width());
    connect(propositions, &ProposalsPanel::chosen, this, &Workspace::propositions_Chosen);
    side->addWidget(propositions, 1);
    body->addLayout(side, 0);

    auto* layout = new QVBoxLayout(central);
    layout->addWidget(title.container);
    layout->addLayout(body, 1);
    setCentralWidget(central);
}

QPushButton* Workspace::pictureButton(const QString& name, const QString& accessible,
                                      const QIcon& icon) {
    auto* button = ui::named(new QPushButton(icon, QString(), Frame2), name, accessible);
    button->setToolTip(accessible);
    button->setIconSize(QSize(22, 22));
    return button;
}

QWidget* Workspace::buildDetailPanel(const WorkspaceDesign& design) {
    Frame2 = ui::named(new QGroupBox(this), QStringLiteral("Frame2"),
                       QStringLiteral("Analyse de la forme"));

    auto label = [this](const QString& name, const QString& text) {
        return ui::named(new QLabel(text, Frame2), name, text);
    };
    Label3 = label(QStringLiteral("Label3"), QStringLiteral("Forme :"));
    Label8 = label(QStringLiteral("Label8"), QStringLiteral("Lemme :"));
    Label7 = label(QStringLiteral("Label7"), QStringLiteral("Traduction :"));
    Label4 = label(QStringLiteral("Label4"), QStringLiteral("Cat. gramm. :"));
    Label6 = label(QStringLiteral("Label6"), QStringLiteral("Cas, genre, nombre :"));
    Label5 = label(QStringLiteral("Label5"), QStringLiteral("Mode, temps, voix :"));
    Text1 = ui::named(new QLineEdit(Frame2), QStringLiteral("Text1"), QStringLiteral("Forme"));
    Text2 = detailField(Frame2, QStringLiteral("Text2"), QStringLiteral("Lemme"), 1);
    Text3 = detailField(Frame2, QStringLiteral("Text3"), QStringLiteral("Traduction"), 3);
    Text4 = detailField(Frame2, QStringLiteral("Text4"), QStringLiteral("Cat. gramm."), 1);
    Text5 = detailField(Frame2, QStringLiteral("Text5"), QStringLiteral("Cas, genre, nombre"), 1);
    Text6 = detailField(Frame2, QStringLiteral("Text6"), QStringLiteral("Mode, temps, voix"), 1);

    const QIcon keypad = ui::keypadIcon();
    Command1_b = pictureButton(QStringLiteral("Command1_b"),
                               QStringLiteral("Pavé des catégories grammaticales"), keypad);
    Command1_a = pictureButton(QStringLiteral("Command1_a"),
                               QStringLiteral("Pavé cas, genre, nombre"), keypad);
    moodButton =
        pictureButton(design.moodButtonName, QStringLiteral("Pavé mode, temps, voix"), keypad);
    Command2 = pictureButton(QStringLiteral("Command2"), QStringLiteral("Valider la ligne"),
                             style()->standardIcon(QStyle::SP_DialogApplyButton));
    Command3 = pictureButton(QStringLiteral("Command3"), QStringLiteral("Supprimer la ligne"),
                             style()->standardIcon(QStyle::SP_DialogDiscardButton));
    Command4 = ui::named(new QPushButton(QStringLiteral("P2"), Frame2), QStringLiteral("Command4"),
                         QStringLiteral("Tableau des catégories (P2)"));
    Command5 = ui::named(new QPushButton(QStringLiteral("P3"), Frame2), QStringLiteral("Command5"),
                         QStringLiteral("Tableau des cas, modes, temps et voix (P3)"));
    Check1 = ui::named(
        new QCheckBox(QStringLiteral("Enregistrer la forme et les analyses dans le Thesaurus."),
                      Frame2),
        QStringLiteral("Check1"),
        QStringLiteral("Enregistrer la forme et les analyses dans le Thesaurus."));
    Check1->setChecked(true);
    Check1->setEnabled(false);

    for (int i = 1; i <= 6; ++i) {
        auto* line = ui::named(new QFrame(Frame2), QStringLiteral("Line%1").arg(i), QString());
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        lines << line;
    }

    auto* grid = new QGridLayout(Frame2);
    grid->setVerticalSpacing(6);
    int row = 0;
    grid->addWidget(lines[0], row++, 0, 1, 3);
    auto add = [&](QLabel* l, QWidget* field, QWidget* button = nullptr) {
        grid->addWidget(l, row, 0, Qt::AlignTop);
        grid->addWidget(field, row, 1);
        if (button) {
            grid->addWidget(button, row, 2, Qt::AlignTop);
        }
        ++row;
    };
    add(Label3, Text1);
    grid->addWidget(lines[1], row++, 0, 1, 3);
    add(Label8, Text2);
    add(Label7, Text3);
    grid->addWidget(lines[2], row++, 0, 1, 3);
    add(Label4, Text4, Command1_b);
    add(Label6, Text5, Command1_a);
    add(Label5, Text6, moodButton);
    grid->addWidget(lines[3], row++, 0, 1, 3);
    Check1->setStyleSheet(QStringLiteral("QCheckBox { spacing: 8px; }"));
    grid->addWidget(Check1, row++, 0, 1, 3);
    grid->addWidget(lines[4], row++, 0, 1, 3);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {Command2, Command3}) {
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    buttons->addWidget(Command4);
    buttons->addWidget(Command5);
    grid->addLayout(buttons, row++, 0, 1, 3);
    grid->addWidget(lines[5], row++, 0, 1, 3);
    grid->setRowStretch(row, 1);
    // As narrow as its contents allow: the grid takes the room that the window gains.
    Frame2->setFixedWidth(Frame2->minimumSizeHint().width());

    connect(Command1_b, &QPushButton::clicked, this, &Workspace::Command1_b_Click);
    connect(Command1_a, &QPushButton::clicked, this, &Workspace::Command1_a_Click);
    connect(moodButton, &QPushButton::clicked, this, &Workspace::moodButton_Click);
    connect(Command2, &QPushButton::clicked, this, &Workspace::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Workspace::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Workspace::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Workspace::Command5_Click);
    return Frame2;
}

void Workspace::showDocumentName(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    setWindowTitle(name.isEmpty() ? kWorkspaceTitle
                                  : QStringLiteral("%1 - %2").arg(kWorkspaceTitle, name));
    setAccessibleName(windowTitle());
}

// Tab goes through the detail panel as it reads: each field, then the keypad beside it.
void Workspace::followVisualOrder() {
    const QList<QWidget*> order = {grille01,
                                   Text1,
                                   Text2,
                                   Text3,
                                   Text4,
                                   Command1_b,
                                   Text5,
                                   Command1_a,
                                   Text6,
                                   moodButton,
                                   Check1,
                                   Command2,
                                   Command3,
                                   Command4,
                                   Command5,
                                   cmdParadigme,
                                   propositions->lstPropositions};
    for (qsizetype i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    // The detail panel keeps its height; the proposals list takes what is left.
    Frame2->setMinimumHeight(Frame2->sizeHint().height());
}

void Workspace::setColumnWidths() {
    for (int c = 0; c < kGridColumns; ++c) {
        grille01->setColWidth(c, kColumnPixels[c] * kTwipsPerPixel);
    }
}

DetailFields Workspace::detailFields() const {
    using ui::flattened;
    return {flattened(Text1->text()),        flattened(Text2->toPlainText()),
            flattened(Text3->toPlainText()), flattened(Text4->toPlainText()),
            flattened(Text5->toPlainText()), flattened(Text6->toPlainText())};
}

const GridRows& Workspace::rows() const {
    return gridModel_->all();
}

GridRows Workspace::rows(qint64 first, qint64 last) const {
    return gridModel_->slice(first, last);
}

void Workspace::setAllRows(GridRows rows) {
    gridModel_->setAll(std::move(rows));
}

void Workspace::updateStoringStatus() {
    ui::setLabelText(storingLabel, storingStatus());
}

std::vector<GridRowTexts> Workspace::gridRows() const {
    std::vector<GridRowTexts> texts;
    texts.reserve(rows().size());
    for (const GridRow& row : rows()) {
        texts.push_back(row.texts());
    }
    return texts;
}

void Workspace::showRowSelected(qint64 row) {
    const int r = static_cast<int>(row);
    grille01->setRow(r);
    grille01->setCol(0);
    grille01->setColSel(kGridColumns - 1);
    if (r >= 1) {
        grille01->view()->scrollTo(grille01->model()->index(r - 1, 0));
    }
}

void Workspace::selectRow(qint64 row) {
    selectedRow_ = row;
    const auto text = [this, row](Column column) {
        return row >= 1 && row <= gridModel_->count()
                   ? records::trimmedRight(gridModel_->at(row)[column].text)
                   : QString();
    };
    Text1->setText(text(Column::Form));
    Text2->setPlainText(text(Column::Lemma));
    Text3->setPlainText(text(Column::Translation));
    Text4->setPlainText(text(Column::Category));
    Text5->setPlainText(text(Column::CaseGenderNumber));
    Text6->setPlainText(text(Column::MoodTenseVoice));
    showRowSelected(row);
    showProposals(row);
}

// The row first, then the other rows that show its form: all that its proposals look at.
GridRows Workspace::rowsOfTheSameForm(qint64 row) const {
    if (row < 1 || row > gridModel_->count()) {
        return {};
    }
    const GridRow& chosen = gridModel_->at(row);
    GridRows same{chosen};
    const QString folded = foldedForm(records::trimmedRight(chosen[Column::Form].text));
    if (folded.isEmpty()) {
        return same;
    }
    for (qint64 r = 1; r <= gridModel_->count(); ++r) {
        const GridRow& other = gridModel_->at(r);
        if (r != row && foldsTo(records::trimmedRight(other[Column::Form].text), folded)) {
            same.push_back(other);
        }
    }
    return same;
}

void Workspace::showProposals(qint64 row) {
    ProposalList list = proposalList(installedMorphology(), rowsOfTheSameForm(row), 1);
    if (const TagModel* model = installedTagModel(); model && !list.items.empty()) {
        // The rows around the clicked one are enough for its sentence.
        constexpr qint64 kReach = 150;
        const qint64 first = std::max<qint64>(1, row - kReach);
        const qint64 last = std::min<qint64>(grille01->rows() - 1, row + kReach);
        LemmaFrequencies frequencies(&installedMorphology());
        rankProposals(list, rows(first, last), row - first + 1, *model, frequencies,
                      sentenceStarts());
    }
    propositions->setProposals(std::move(list));
    noticeMorphology();
}

void Workspace::noticeMorphology() {
    if (takeMorphologyNotice()) {
        ui::msgBox(this,
                   QStringLiteral("Les analyses proposées ne sont pas disponibles : %1.\n"
                                  "L'analyse du texte fonctionne comme d'habitude.")
                       .arg(installedMorphology().availability().error()),
                   ui::Buttons::Ok, ui::Icon::Information, QStringLiteral("Analyses proposées"));
    }
}

void Workspace::propositions_Chosen(const DetailFields& fields) {
    QPlainTextEdit* targets[] = {Text2, Text3, Text4, Text5, Text6};
    const QString values[] = {fields.lemma, fields.translation, fields.category,
                              fields.caseGenderNumber, fields.moodTenseVoice};
    for (int i = 0; i < 5; ++i) {
        targets[i]->setPlainText(values[i]);
    }
}

void Workspace::grille01_Click() {
    selectRow(grille01->rowSel());
}

bool Workspace::needsForm() {
    if (Text1->text().isEmpty()) {
        ui::msgBox(this, kSelectForm);
        return false;
    }
    return true;
}

bool Workspace::needsRow() {
    if (selectedRow_ < 1) {
        ui::msgBox(this, kSelectForm);
        return false;
    }
    return true;
}

void Workspace::openKeypad(const QString& keypad, QWidget* field) {
    if (needsForm()) {
        keypads::openKeypad(keypad + keypadSuffix_, field);
    }
}

void Workspace::Command1_b_Click() {
    openKeypad(QStringLiteral("pave02_a"), Text4);
}
void Workspace::Command1_a_Click() {
    openKeypad(QStringLiteral("pave03_a"), Text5);
}
void Workspace::moodButton_Click() {
    openKeypad(QStringLiteral("pave03_b"), Text6);
}
void Workspace::Command4_Click() {
    keypads::openChart(QStringLiteral("pave02"), false);
}
void Workspace::Command5_Click() {
    keypads::openChart(QStringLiteral("pave03"), false);
}

void Workspace::Command2_Click() {
    if (!needsRow()) {
        return;
    }
    const QString formCell = grille01->textAt(static_cast<int>(selectedRow_), 0);
    const DetailFields fields = detailFields();
    const qint64 entriesBefore = lists.size();
    if (Check1->isChecked() && !storeAnalysis(fields, formCell)) {
        return;
    }
    // Each row command changes only the rows from the selected one down: it is given those.
    RowsChange change(selectedRow_, rows(selectedRow_, selectedRow_), selectedRow_, selectedRow_);
    change.after = validated(change.before, 1, fields);
    change.refill = false;  // the detail fields already show what the row now holds
    if (lists.size() > entriesBefore) {
        change.undoneNote =
            QStringLiteral("Ligne rétablie ; l'analyse enregistrée dans le Thesaurus y reste.");
    }
    pushChange(QStringLiteral("la validation de la ligne"), std::move(change));
    showProposals(selectedRow_);
}

void Workspace::takeLists(ThesaurusLists read, const QString& path,
                          const records::FileStamp& stamp) {
    lists = std::move(read);
    listsPath_ = path;
    listsStamp_ = stamp;
}

void Workspace::rereadListsIfChanged() {
    if (listsPath_.isEmpty()) {
        return;
    }
    const records::FileStamp stamp = records::fileStamp(listsPath_);
    if (stamp == listsStamp_) {
        return;
    }
    const auto read = records::readAllRecords<records::ThesaurusRecord>(listsPath_);
    if (read.ok()) {
        takeLists(listsOf(read.value()), listsPath_, stamp);
    }
}

bool Workspace::storeAnalysis(const DetailFields& fields, const QString& formCell) {
    rereadListsIfChanged();
    records::ThesaurusRecord record = recordToStore(formCell, fields);
    if (holdsAnalysis(lists, record)) {
        ui::msgBox(this, QStringLiteral("FORME (+ analyses) déjà présente dans le Thesaurus."),
                   ui::Buttons::Ok, ui::Icon::Information, QStringLiteral("Analyse existante"));
        return true;
    }
    const QString path = storingThesaurusPath();
    if (path.isEmpty()) {
        cannotStore();
        return true;
    }
    if (!ui::acceptsStoringLosses(this, storingLosses(fields))) {
        return false;
    }
    const records::Outcome<qint64> appended = records::appendThesaurusRecord(path, record);
    if (!appended.ok()) {
        ui::msgBox(this, appended.error(), ui::Buttons::Ok, ui::Icon::Information,
                   QStringLiteral("Enregistrement impossible"));
        return true;
    }
    record.setNumber(static_cast<qint16>(appended.value()));
    lists.append(record);
    if (path == listsPath_) {
        listsStamp_ = records::fileStamp(path);
    }
    return true;
}

void Workspace::Command3_Click() {
    if (!needsRow()) {
        return;
    }
    ui::Hourglass hourglass(this);
    history_->push(new DeletionCommand(this, selectedRow_));
}

void Workspace::dupliquer_Click() {
    if (!needsRow()) {
        return;
    }
    ui::Hourglass hourglass(this);
    history_->push(new DuplicationCommand(this, selectedRow_));
}

void Workspace::completer_Click() {
    MorphologyDatabase& database = installedMorphology();
    if (!database.isOpen()) {
        noticeMorphology();
        statusBar()->showMessage(
            QStringLiteral("Aucune analyse proposée : %1.").arg(database.availability().error()),
            kStatusNoteMilliseconds);
        return;
    }
    {
        ui::Hourglass hourglass(this);
        RowsChange change(1, {}, selectedRow_, selectedRow_);
        Completion done = completedRows(rows(), database);
        if (selectedRow_ >= 1 && selectedRow_ <= static_cast<qint64>(done.newRowOf.size())) {
            change.selectedAfter = done.newRowOf[static_cast<std::size_t>(selectedRow_ - 1)];
        }
        const QString summary = completionSummary(done);
        if (done.formsCompleted > 0) {
            change.edit = std::move(done.edit);
            pushChange(QStringLiteral("la complétion des formes absentes"), std::move(change));
        }
        statusBar()->showMessage(summary, kStatusNoteMilliseconds);
    }
}

void Workspace::Enregistrer_Click() {
    saveGrid();
}

bool Workspace::saveGrid() {
    const QString path = ui::platform().saveFileName(this, kSaveFilter);
    if (path.isEmpty() || !ui::mayOverwrite(this, path)) {
        return false;
    }
    records::Outcome<void> saved;
    {
        ui::Hourglass hourglass(this);
        saved = saveAnalysisFile(path, gridRows());
    }
    if (!saved.ok()) {
        ui::msgBox(this, saved.error(), ui::Buttons::Ok, ui::Icon::Information,
                   QStringLiteral("Enregistrement impossible"));
        return false;
    }
    history_->setClean();
    ui::msgBox(this, QStringLiteral("L'enregistrement est terminé."));
    return true;
}

bool Workspace::hasUnsavedChanges() const {
    return !history_->isClean();
}

bool Workspace::mayClose() {
    if (!hasUnsavedChanges()) {
        return true;
    }
    switch (ui::msgBox(this, QStringLiteral("Enregistrer les modifications de l'analyse ?"),
                       ui::Buttons::SaveDiscardCancel, ui::Icon::None, windowTitle())) {
        case ui::Answer::Save:
            return saveGrid();
        case ui::Answer::Discard:
            return true;
        default:
            return false;
    }
}

void Workspace::imprimer_Click() {
    ui::printListing(this, analysisListing(gridRows()));
}

void Workspace::quitter_Click() {
    close();
}

void Workspace::Thesaurusvorante_Click() {
    thesaurus::openBaseThesaurusBrowser();
}
void Workspace::thesaurusautre_Click() {
    thesaurus::openOtherThesaurusBrowser();
}
void Workspace::lexique_Click() {
    lexicon::openDictionary(this);
}
void Workspace::about_Click() {
    about::showAboutBox();
}

void Workspace::Form_Unload() {
    keypads::unloadKeypadsOf(objectName());
}

}  // namespace analysis
