#include "windows/paradigm/Paradigme.h"

#include "core/coding/coding.h"
#include "core/morphology/morphology.h"
#include "ui/exportcsv.h"
#include "ui/platform.h"
#include "ui/printjob.h"
#include "ui/widgets.h"
#include "windows/about/frmAbout.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QScrollArea>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace paradigm {
namespace {

const QString kCaption = QStringLiteral("Vorante Lumivexa - Paradigme");
const QColor kHighlight(0xff, 0xd9, 0x66);
const QColor kHighlightText(0x1c, 0x2f, 0x6b);
constexpr int kMinColumnWidth = 90;
constexpr int kMaxColumnWidth = 280;

// The category's name as the category keypad gives it, after its code: "V1, verbe 1re
// conjugaison".
QString categoryText(const QString& code) {
    for (const keypads::Row& row : keypads::categoryGroup().codeRows()) {
        if (row.code == code) {
            return code + QStringLiteral(", ") + row.description.trimmed();
        }
    }
    return code;
}

QTableWidgetItem* cellItem(const analysis::ParadigmCell& cell) {
    auto* item = new QTableWidgetItem(cell.forms.isEmpty() ? analysis::kNoParadigmForm
                                                           : cell.forms.join(QStringLiteral(", ")));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (cell.forms.isEmpty()) {
        item->setTextAlignment(Qt::AlignCenter);
        item->setForeground(QColor(0x80, 0x80, 0x80));
    }
    if (cell.highlighted) {
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
        item->setBackground(kHighlight);
        item->setForeground(kHighlightText);
        item->setToolTip(QStringLiteral("Forme cherchée"));
    }
    return item;
}

// A table shown whole: no scroll bar of its own, columns as wide as their forms (long lists
// of variants wrap), the scroll area around all the tables scrolls.
QTableWidget* tableGrid(const analysis::ParadigmTable& table, int number, QWidget* parent) {
    auto* grid =
        ui::named(new QTableWidget(int(table.rows.size()), int(table.columns.size()), parent),
                  QStringLiteral("grille%1").arg(number), table.title);
    grid->setHorizontalHeaderLabels(table.columns);
    grid->setVerticalHeaderLabels(table.rows);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setWordWrap(true);
    for (int r = 0; r < table.rows.size(); ++r) {
        for (int c = 0; c < table.columns.size(); ++c) {
            grid->setItem(r, c, cellItem(table.cell(r, c)));
        }
    }
    grid->resizeColumnsToContents();
    int width = 0;
    for (int c = 0; c < grid->columnCount(); ++c) {
        grid->setColumnWidth(c, std::clamp(grid->columnWidth(c), kMinColumnWidth, kMaxColumnWidth));
        width += grid->columnWidth(c);
    }
    grid->resizeRowsToContents();
    int height = 0;
    for (int r = 0; r < grid->rowCount(); ++r) {
        height += grid->rowHeight(r);
    }
    QHeaderView* rowHeader = grid->verticalHeader();
    rowHeader->setFixedWidth(rowHeader->sizeHint().width());
    const int frame = 2 * grid->frameWidth();
    grid->setFixedSize(rowHeader->width() + width + frame,
                       grid->horizontalHeader()->sizeHint().height() + height + frame);
    return grid;
}

}  // namespace

Paradigme::Paradigme() {
    setWindowTitle(kCaption);
    setAccessibleName(kCaption);
    buildMenus();
    buildBody();
    resize(960, 760);
}

void Paradigme::buildMenus() {
    auto item = [this](QMenu* menu, const QString& name, const QString& caption, auto handler) {
        QAction* action = ui::menuAction(this, name, caption);
        menu->addAction(action);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Fichier"));
    file->setObjectName(QStringLiteral("fichier"));
    item(file, QStringLiteral("imprimer"), QStringLiteral("&Imprimer"), &Paradigme::print);
    item(file, QStringLiteral("apercu"), QStringLiteral("&Aperçu avant impression..."),
         &Paradigme::preview);
    item(file, QStringLiteral("exporter"), QStringLiteral("E&xporter en CSV..."),
         &Paradigme::exportTables);
    file->addSeparator();
    QAction* quit =
        item(file, QStringLiteral("quitter"), QStringLiteral("&Quitter"), &Paradigme::close);
    // A window only looked at closes with Escape, as a dialog does.
    quit->setShortcut(QKeySequence(Qt::Key_Escape));
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Aide"));
    help->setObjectName(QStringLiteral("aide"));
    item(help, QStringLiteral("about"), QStringLiteral("&A propos de"), &about::showAboutBox);
}

void Paradigme::buildBody() {
    auto* central = new QWidget(this);
    const ui::ShadowTitle title = ui::programTitle(central);

    lemmaLabel_ =
        ui::named(new QLabel(central), QStringLiteral("lblLemme"), QStringLiteral("Lemme"));
    lemmaLabel_->setWordWrap(true);
    lemmaLabel_->setTextFormat(Qt::RichText);
    lemmaLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    formLabel_ =
        ui::named(new QLabel(central), QStringLiteral("lblForme"), QStringLiteral("Forme"));
    formLabel_->setTextFormat(Qt::PlainText);
    const QString homographs = QStringLiteral("Lemmes de ce nom :");
    homographsLabel_ =
        ui::named(new QLabel(homographs, central), QStringLiteral("Label3"), homographs);
    homographs_ = ui::named(new QComboBox(central), QStringLiteral("Combo1"), homographs);
    homographs_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    homographsLabel_->setBuddy(homographs_);
    connect(homographs_, &QComboBox::activated, this, &Paradigme::chooseHomograph);
    auto* choice = new QHBoxLayout;
    choice->addWidget(homographsLabel_);
    choice->addWidget(homographs_);
    choice->addStretch(1);

    messageLabel_ = ui::named(new QLabel(central), QStringLiteral("Labelparadigme"),
                              QStringLiteral("Paradigme"));
    messageLabel_->setTextFormat(Qt::PlainText);
    messageLabel_->setAlignment(Qt::AlignCenter);
    messageLabel_->setWordWrap(true);
    messageLabel_->setStyleSheet(QStringLiteral("QLabel { color: #800000; font-weight: bold; }"));
    tablesArea_ = ui::named(new QScrollArea(central), QStringLiteral("Tableaux"),
                            QStringLiteral("Tableaux du paradigme"));
    tablesArea_->setWidgetResizable(true);

    auto* layout = new QVBoxLayout(central);
    layout->addWidget(title.container);
    layout->addWidget(lemmaLabel_);
    layout->addWidget(formLabel_);
    layout->addLayout(choice);
    layout->addWidget(messageLabel_, 1);
    layout->addWidget(tablesArea_, 1);
    setCentralWidget(central);
    showMessage(QString());
}

void Paradigme::showLemma(const QString& lemma, const QString& form, const QString& category) {
    form_ = form.trimmed();
    lookup_ = analysis::lookUpParadigm(analysis::installedMorphology(), lemma, form_, category);
    homographs_->clear();
    for (const analysis::DatabaseLemma& l : lookup_.lemmas) {
        homographs_->addItem(analysis::lemmaChoiceText(l));
    }
    const bool several = lookup_.lemmas.size() > 1;
    homographsLabel_->setVisible(several);
    homographs_->setVisible(several);
    if (lookup_.lemmas.empty()) {
        paradigm_ = analysis::Paradigm{};
        lemmaLabel_->setText(QStringLiteral("Lemme : %1").arg(lemma.trimmed().toHtmlEscaped()));
        formLabel_->clear();
        formLabel_->hide();
        showMessage(lookup_.message);
        return;
    }
    homographs_->setCurrentIndex(int(lookup_.chosen));
    showParadigm(lookup_.lemmas[lookup_.chosen]);
}

void Paradigme::chooseHomograph(int index) {
    if (index >= 0 && std::size_t(index) < lookup_.lemmas.size()) {
        ui::Hourglass hourglass(this);
        showParadigm(lookup_.lemmas[std::size_t(index)]);
    }
}

void Paradigme::showParadigm(const analysis::DatabaseLemma& lemma) {
    analysis::MorphologyDatabase& db = analysis::installedMorphology();
    paradigm_ = analysis::paradigmOf(db, lemma, form_);
    lemmaLabel_->setText(QStringLiteral("<b style=\"font-size: large\">%1</b> &nbsp; (%2) &nbsp; "
                                        "%3")
                             .arg(lemma.lemma.toHtmlEscaped(),
                                  categoryText(lemma.category).toHtmlEscaped(),
                                  lemma.translation.toHtmlEscaped()));
    formLabel_->setVisible(!form_.isEmpty());
    if (form_.isEmpty()) {
        formLabel_->clear();
    } else if (paradigm_.marked.isEmpty()) {
        formLabel_->setText(
            QStringLiteral("La forme « %1 » n'est pas dans ce paradigme.").arg(form_));
    } else {
        formLabel_->setText(
            QStringLiteral("Forme cherchée : %1 (surlignée dans les tableaux)").arg(form_));
    }
    if (!db.isOpen()) {
        showMessage(analysis::unavailableMessage(db));
    } else if (paradigm_.tables.empty()) {
        showMessage(QStringLiteral("La base morphologique n'a aucune forme de ce lemme."));
    } else {
        showTables();
    }
}

void Paradigme::showMessage(const QString& message) {
    messageLabel_->setText(message);
    messageLabel_->setVisible(!message.isEmpty());
    tablesArea_->setVisible(message.isEmpty());
    if (!message.isEmpty()) {
        paradigm_.tables.clear();
        tableTitles_.clear();
        tableGrids_.clear();
        delete tablesArea_->takeWidget();
    }
}

QWidget* Paradigme::tableBlock(const analysis::ParadigmTable& table, QWidget* parent) {
    const int number = int(tableGrids_.size()) + 1;
    auto* block = new QWidget(parent);
    auto* layout = new QVBoxLayout(block);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* title = ui::named(new QLabel(table.title, block), QStringLiteral("Titre%1").arg(number),
                            table.title);
    title->setStyleSheet(QStringLiteral("QLabel { font-weight: bold; color: #1c2f6b; }"));
    layout->addWidget(title);
    QTableWidget* grid = tableGrid(table, number, block);
    layout->addWidget(grid);
    if (!table.note.isEmpty()) {
        auto* note = new QLabel(table.note, block);
        note->setWordWrap(true);
        note->setStyleSheet(QStringLiteral("QLabel { font-style: italic; }"));
        layout->addWidget(note);
    }
    tableTitles_ << title;
    tableGrids_ << grid;
    return block;
}

void Paradigme::showTables() {
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setSpacing(14);
    tableTitles_.clear();
    tableGrids_.clear();
    // A plural beside its singular, as the grammars set them, where the window is wide enough.
    const int room = width() - 80;
    const std::vector<analysis::ParadigmTable>& tables = paradigm_.tables;
    for (std::size_t i = 0; i < tables.size(); ++i) {
        auto* row = new QHBoxLayout;
        QWidget* block = tableBlock(tables[i], content);
        row->addWidget(block, 0, Qt::AlignTop);
        if (i + 1 < tables.size() && analysis::isPluralOf(tables[i], tables[i + 1])) {
            QWidget* plural = tableBlock(tables[++i], content);
            if (block->sizeHint().width() + plural->sizeHint().width() + 20 <= room) {
                row->addSpacing(20);
                row->addWidget(plural, 0, Qt::AlignTop);
            } else {
                row->addStretch(1);
                layout->addLayout(row);
                row = new QHBoxLayout;
                row->addWidget(plural, 0, Qt::AlignTop);
            }
        }
        row->addStretch(1);
        layout->addLayout(row);
    }
    layout->addStretch(1);
    tablesArea_->setWidget(content);  // the tables of the previous lemma go with their widget
    showMessage(QString());
    // The first table that holds the form, brought into view once the tables are laid out.
    QPointer<QWidget> firstGrid;
    QPointer<QWidget> firstTitle;
    for (qsizetype t = 0; t < tableGrids_.size() && firstGrid.isNull(); ++t) {
        if (tables[std::size_t(t)].hasHighlight()) {
            firstGrid = tableGrids_[t];
            firstTitle = tableTitles_[t];
        }
    }
    QTimer::singleShot(0, this, [this, firstGrid, firstTitle] {
        if (firstGrid && firstTitle) {
            tablesArea_->ensureWidgetVisible(firstGrid, 0, 0);
            tablesArea_->ensureWidgetVisible(firstTitle, 0, 0);
        }
    });
}

void Paradigme::print() {
    ui::printListing(this, analysis::paradigmListing(paradigm_));
}

void Paradigme::preview() {
    ui::previewListing(this, analysis::paradigmListing(paradigm_));
}

void Paradigme::exportTables() {
    ui::exportCsv(this, analysis::kParadigmCsvHeader, analysis::paradigmCsvRows(paradigm_));
}

Paradigme* openParadigm(const QString& lemma, const QString& form, QWidget* caller,
                        const QString& category) {
    Paradigme* window = nullptr;
    {
        ui::Hourglass hourglass(caller);
        window = ui::Forms::instance().load<Paradigme>();
        window->showLemma(lemma, form, category);
    }
    ui::Forms::showModeless(window);
    return window;
}

}  // namespace paradigm
