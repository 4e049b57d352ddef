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
    storingLabel_ = ui::named(new QLabel(this), QStringLiteral("storingLabel"),
                              QStringLiteral("Thesaurus de travail"));
    statusBar()->addWidget(storingLabel_, 1);
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
    fileMenu_ = menu(QStringLiteral("fichier"), QStringLiteral("&Fichier"));
    item(fileMenu_, design.saveName, design.saveCaption, &Workspace::saveAnalysis);
    item(fileMenu_, QStringLiteral("imprimer"), QStringLiteral("&Imprimer"), &Workspace::printGrid);
    quitAction_ =
        item(fileMenu_, QStringLiteral("quitter"), QStringLiteral("&Quitter"), &Workspace::quit);
    editMenu_ = menu(QStringLiteral("edition"), QStringLiteral("&Edition"));
    item(editMenu_, QStringLiteral("dupliquer"), QStringLiteral("&Dupliquer une ligne"),
         &Workspace::duplicateRow);
    item(editMenu_, QStringLiteral("completer"), QStringLiteral("&Compléter les formes absentes"),
         &Workspace::completeMissingForms);
    QMenu* thesaurusMenu = menu(QStringLiteral("thesaurus"), QStringLiteral("&Thesaurus"));
    item(thesaurusMenu, QStringLiteral("Thesaurusvorante"), QStringLiteral("&Vorante Lumivexa"),
         &Workspace::browseBaseThesaurus);
    item(thesaurusMenu, QStringLiteral("thesaurusautre"), QStringLiteral("&Autre Thesaurus"),
         &Workspace::browseOtherThesaurus);
    dictionaryMenu_ = menu(QStringLiteral("lex"), QStringLiteral("&Dictionnaire"));
    item(dictionaryMenu_, QStringLiteral("lexique"), design.lexiconCaption,
         &Workspace::openLexicon);
    QMenu* helpMenu = menu(QStringLiteral("aide"), QStringLiteral("&Aide"));
    item(helpMenu, QStringLiteral("about"), QStringLiteral("&A propos de"), &Workspace::showAbout);
    buildAddedMenus();
}

void Workspace::buildBody(const WorkspaceDesign& design) {
    auto* central = new QWidget(this);
    const ui::ShadowTitle title = ui::programTitle(central);

    QGroupBox* gridFrame = ui::named(new QGroupBox(central), QStringLiteral("Frame1"),
                                     QStringLiteral("Grille d'analyse"));
    grid_ = ui::named(new ui::Grid(gridFrame), QStringLiteral("grille01"),
                      QStringLiteral("Grille d'analyse"));
    gridModel_ = new ui::GridRowsModel(this);
    grid_->showCells(gridModel_);
    grid_->view()->horizontalHeader()->setStretchLastSection(true);
    connect(grid_, &ui::Grid::clicked, this, &Workspace::showClickedRow);
    auto* gridLayout = new QVBoxLayout(gridFrame);
    gridLayout->addWidget(grid_);

    auto* body = new QHBoxLayout;
    body->addWidget(gridFrame, 1);
    auto* side = new QVBoxLayout;
    side->addWidget(buildDetailPanel(design), 0);
    paradigmButton_ =
        ui::named(new QPushButton(QStringLiteral("&Paradigme du lemme..."), central),
                  QStringLiteral("cmdParadigme"), QStringLiteral("Paradigme du lemme"));
    paradigmButton_->setToolTip(
        QStringLiteral("Toute la flexion du lemme de la ligne choisie, la forme en évidence"));
    connect(paradigmButton_, &QPushButton::clicked, this, &Workspace::showParadigm);
    side->addWidget(paradigmButton_, 0, Qt::AlignRight);
    proposals_ = new ProposalsPanel(central);
    proposals_->setFixedWidth(detailPanel_->width());
    connect(proposals_, &ProposalsPanel::chosen, this, &Workspace::takeProposal);
    side->addWidget(proposals_, 1);
    body->addLayout(side, 0);

    auto* layout = new QVBoxLayout(central);
    layout->addWidget(title.container);
    layout->addLayout(body, 1);
    setCentralWidget(central);
}

QPushButton* Workspace::pictureButton(const QString& name, const QString& accessible,
                                      const QIcon& icon) {
    auto* button = ui::named(new QPushButton(icon, QString(), detailPanel_), name, accessible);
    button->setToolTip(accessible);
    button->setIconSize(QSize(22, 22));
    return button;
}

QWidget* Workspace::buildDetailPanel(const WorkspaceDesign& design) {
    detailPanel_ = ui::named(new QGroupBox(this), QStringLiteral("Frame2"),
                             QStringLiteral("Analyse de la forme"));

    auto label = [this](const QString& name, const QString& text) {
        return ui::named(new QLabel(text, detailPanel_), name, text);
    };
    QLabel* formLabel = label(QStringLiteral("Label3"), QStringLiteral("Forme :"));
    QLabel* lemmaLabel = label(QStringLiteral("Label8"), QStringLiteral("Lemme :"));
    QLabel* translationLabel = label(QStringLiteral("Label7"), QStringLiteral("Traduction :"));
    QLabel* categoryLabel = label(QStringLiteral("Label4"), QStringLiteral("Cat. gramm. :"));
    QLabel* caseGenderNumberLabel =
        label(QStringLiteral("Label6"), QStringLiteral("Cas, genre, nombre :"));
    QLabel* moodTenseVoiceLabel =
        label(QStringLiteral("Label5"), QStringLiteral("Mode, temps, voix :"));
    formField_ =
        ui::named(new QLineEdit(detailPanel_), QStringLiteral("Text1"), QStringLiteral("Forme"));
    lemmaField_ = detailField(detailPanel_, QStringLiteral("Text2"), QStringLiteral("Lemme"), 1);
    translationField_ =
        detailField(detailPanel_, QStringLiteral("Text3"), QStringLiteral("Traduction"), 3);
    categoryField_ =
        detailField(detailPanel_, QStringLiteral("Text4"), QStringLiteral("Cat. gramm."), 1);
    caseGenderNumberField_ =
        detailField(detailPanel_, QStringLiteral("Text5"), QStringLiteral("Cas, genre, nombre"), 1);
    moodTenseVoiceField_ =
        detailField(detailPanel_, QStringLiteral("Text6"), QStringLiteral("Mode, temps, voix"), 1);

    const QIcon keypad = ui::keypadIcon();
    categoryKeypadButton_ = pictureButton(
        QStringLiteral("Command1_b"), QStringLiteral("Pavé des catégories grammaticales"), keypad);
    caseGenderNumberKeypadButton_ = pictureButton(
        QStringLiteral("Command1_a"), QStringLiteral("Pavé cas, genre, nombre"), keypad);
    moodTenseVoiceKeypadButton_ =
        pictureButton(design.moodButtonName, QStringLiteral("Pavé mode, temps, voix"), keypad);
    validateButton_ = pictureButton(QStringLiteral("Command2"), QStringLiteral("Valider la ligne"),
                                    style()->standardIcon(QStyle::SP_DialogApplyButton));
    deleteButton_ = pictureButton(QStringLiteral("Command3"), QStringLiteral("Supprimer la ligne"),
                                  style()->standardIcon(QStyle::SP_DialogDiscardButton));
    categoriesTableButton_ =
        ui::named(new QPushButton(QStringLiteral("P2"), detailPanel_), QStringLiteral("Command4"),
                  QStringLiteral("Tableau des catégories (P2)"));
    casesTableButton_ =
        ui::named(new QPushButton(QStringLiteral("P3"), detailPanel_), QStringLiteral("Command5"),
                  QStringLiteral("Tableau des cas, modes, temps et voix (P3)"));
    storeBox_ = ui::named(
        new QCheckBox(QStringLiteral("Enregistrer la forme et les analyses dans le Thesaurus."),
                      detailPanel_),
        QStringLiteral("Check1"),
        QStringLiteral("Enregistrer la forme et les analyses dans le Thesaurus."));
    storeBox_->setChecked(true);
    storeBox_->setEnabled(false);

    QList<QFrame*> lines;  // Line1 to Line6
    for (int i = 1; i <= 6; ++i) {
        auto* line =
            ui::named(new QFrame(detailPanel_), QStringLiteral("Line%1").arg(i), QString());
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        lines << line;
    }

    auto* grid = new QGridLayout(detailPanel_);
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
    add(formLabel, formField_);
    grid->addWidget(lines[1], row++, 0, 1, 3);
    add(lemmaLabel, lemmaField_);
    add(translationLabel, translationField_);
    grid->addWidget(lines[2], row++, 0, 1, 3);
    add(categoryLabel, categoryField_, categoryKeypadButton_);
    add(caseGenderNumberLabel, caseGenderNumberField_, caseGenderNumberKeypadButton_);
    add(moodTenseVoiceLabel, moodTenseVoiceField_, moodTenseVoiceKeypadButton_);
    grid->addWidget(lines[3], row++, 0, 1, 3);
    storeBox_->setStyleSheet(QStringLiteral("QCheckBox { spacing: 8px; }"));
    grid->addWidget(storeBox_, row++, 0, 1, 3);
    grid->addWidget(lines[4], row++, 0, 1, 3);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {validateButton_, deleteButton_}) {
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    buttons->addWidget(categoriesTableButton_);
    buttons->addWidget(casesTableButton_);
    grid->addLayout(buttons, row++, 0, 1, 3);
    grid->addWidget(lines[5], row++, 0, 1, 3);
    grid->setRowStretch(row, 1);
    // As narrow as its contents allow: the grid takes the room that the window gains.
    detailPanel_->setFixedWidth(detailPanel_->minimumSizeHint().width());

    connect(categoryKeypadButton_, &QPushButton::clicked, this, &Workspace::openCategoryKeypad);
    connect(caseGenderNumberKeypadButton_, &QPushButton::clicked, this,
            &Workspace::openCaseGenderNumberKeypad);
    connect(moodTenseVoiceKeypadButton_, &QPushButton::clicked, this,
            &Workspace::openMoodTenseVoiceKeypad);
    connect(validateButton_, &QPushButton::clicked, this, &Workspace::validateRow);
    connect(deleteButton_, &QPushButton::clicked, this, &Workspace::deleteRow);
    connect(categoriesTableButton_, &QPushButton::clicked, this, &Workspace::showCategoriesTable);
    connect(casesTableButton_, &QPushButton::clicked, this, &Workspace::showCasesTable);
    return detailPanel_;
}

void Workspace::showDocumentName(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    setWindowTitle(name.isEmpty() ? kWorkspaceTitle
                                  : QStringLiteral("%1 - %2").arg(kWorkspaceTitle, name));
    setAccessibleName(windowTitle());
}

// Tab goes through the detail panel as it reads: each field, then the keypad beside it.
void Workspace::followVisualOrder() {
    const QList<QWidget*> order = {grid_,
                                   formField_,
                                   lemmaField_,
                                   translationField_,
                                   categoryField_,
                                   categoryKeypadButton_,
                                   caseGenderNumberField_,
                                   caseGenderNumberKeypadButton_,
                                   moodTenseVoiceField_,
                                   moodTenseVoiceKeypadButton_,
                                   storeBox_,
                                   validateButton_,
                                   deleteButton_,
                                   categoriesTableButton_,
                                   casesTableButton_,
                                   paradigmButton_,
                                   proposals_->list()};
    for (qsizetype i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    // The detail panel keeps its height; the proposals list takes what is left.
    detailPanel_->setMinimumHeight(detailPanel_->sizeHint().height());
}

void Workspace::setColumnWidths() {
    for (int c = 0; c < kGridColumns; ++c) {
        grid_->setColWidth(c, kColumnPixels[c] * kTwipsPerPixel);
    }
}

DetailFields Workspace::detailFields() const {
    using ui::flattened;
    return {flattened(formField_->text()),
            flattened(lemmaField_->toPlainText()),
            flattened(translationField_->toPlainText()),
            flattened(categoryField_->toPlainText()),
            flattened(caseGenderNumberField_->toPlainText()),
            flattened(moodTenseVoiceField_->toPlainText())};
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
    ui::setLabelText(storingLabel_, storingStatus());
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
    grid_->setRow(r);
    grid_->setCol(0);
    grid_->setColSel(kGridColumns - 1);
    if (r >= 1) {
        grid_->view()->scrollTo(grid_->model()->index(r - 1, 0));
    }
}

void Workspace::selectRow(qint64 row) {
    selectedRow_ = row;
    const auto text = [this, row](Column column) {
        return row >= 1 && row <= gridModel_->count()
                   ? records::trimmedRight(gridModel_->at(row)[column].text)
                   : QString();
    };
    formField_->setText(text(Column::Form));
    lemmaField_->setPlainText(text(Column::Lemma));
    translationField_->setPlainText(text(Column::Translation));
    categoryField_->setPlainText(text(Column::Category));
    caseGenderNumberField_->setPlainText(text(Column::CaseGenderNumber));
    moodTenseVoiceField_->setPlainText(text(Column::MoodTenseVoice));
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
        const qint64 last = std::min<qint64>(grid_->rows() - 1, row + kReach);
        LemmaFrequencies frequencies(&installedMorphology());
        rankProposals(list, rows(first, last), row - first + 1, *model, frequencies,
                      sentenceStarts());
    }
    proposals_->setProposals(std::move(list));
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

void Workspace::takeProposal(const DetailFields& fields) {
    QPlainTextEdit* targets[] = {lemmaField_, translationField_, categoryField_,
                                 caseGenderNumberField_, moodTenseVoiceField_};
    const QString values[] = {fields.lemma, fields.translation, fields.category,
                              fields.caseGenderNumber, fields.moodTenseVoice};
    for (int i = 0; i < 5; ++i) {
        targets[i]->setPlainText(values[i]);
    }
}

void Workspace::showClickedRow() {
    selectRow(grid_->rowSel());
}

bool Workspace::needsForm() {
    if (formField_->text().isEmpty()) {
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

void Workspace::openCategoryKeypad() {
    openKeypad(QStringLiteral("pave02_a"), categoryField_);
}
void Workspace::openCaseGenderNumberKeypad() {
    openKeypad(QStringLiteral("pave03_a"), caseGenderNumberField_);
}
void Workspace::openMoodTenseVoiceKeypad() {
    openKeypad(QStringLiteral("pave03_b"), moodTenseVoiceField_);
}
void Workspace::showCategoriesTable() {
    keypads::openChart(QStringLiteral("pave02"), false);
}
void Workspace::showCasesTable() {
    keypads::openChart(QStringLiteral("pave03"), false);
}

void Workspace::validateRow() {
    if (!needsRow()) {
        return;
    }
    const QString formCell = grid_->textAt(static_cast<int>(selectedRow_), 0);
    const DetailFields fields = detailFields();
    const qint64 entriesBefore = lists.size();
    if (storeBox_->isChecked() && !storeAnalysis(fields, formCell)) {
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

void Workspace::deleteRow() {
    if (!needsRow()) {
        return;
    }
    ui::Hourglass hourglass(this);
    history_->push(new DeletionCommand(this, selectedRow_));
}

void Workspace::duplicateRow() {
    if (!needsRow()) {
        return;
    }
    ui::Hourglass hourglass(this);
    history_->push(new DuplicationCommand(this, selectedRow_));
}

void Workspace::completeMissingForms() {
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
        const auto report =
            ui::platform().startProgress(this, QStringLiteral("Complétion des formes absentes..."));
        RowsChange change(1, {}, selectedRow_, selectedRow_);
        Completion done = completedRows(rows(), database, ui::progressPart(*report));
        if (report->cancelled()) {
            statusBar()->showMessage(
                QStringLiteral("Complétion annulée : la grille est inchangée."),
                kStatusNoteMilliseconds);
            return;
        }
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

void Workspace::saveAnalysis() {
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
        saved = saveAnalysisFile(path, rows());
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

void Workspace::printGrid() {
    const GridRows& all = rows();
    ui::printListing(this, analysisPages(static_cast<qsizetype>(all.size()), [&all](qsizetype row) {
                         return all[static_cast<std::size_t>(row)].texts();
                     }));
}

void Workspace::quit() {
    close();
}

void Workspace::browseBaseThesaurus() {
    thesaurus::openBaseThesaurusBrowser();
}
void Workspace::browseOtherThesaurus() {
    thesaurus::openOtherThesaurusBrowser();
}
void Workspace::openLexicon() {
    lexicon::openDictionary(this);
}
void Workspace::showAbout() {
    about::showAboutBox();
}

void Workspace::Form_Unload() {
    keypads::unloadKeypadsOf(objectName());
}

}  // namespace analysis
