#include "analysis/frmanalyse.h"

#include "analysis/wordforms.h"
#include "records/paths.h"
#include "shell/Morphologique.h"
#include "shell/ThesaurusChoix.h"
#include "ui/grid.h"
#include "ui/gridmodel.h"
#include "ui/platform.h"
#include "ui/widgets.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace analysis {
namespace {

shell::ThesaurusChoix* thesaurusChoice() {
    return ui::Forms::instance().find<shell::ThesaurusChoix>();
}

}  // namespace

frmanalyse::frmanalyse()
    : Workspace({QStringLiteral("Command6"), QStringLiteral("&Enregistrer"),
                 QStringLiteral("Enregistrer"), QStringLiteral("&Dictionnaire (lemmes)"),
                 QString()}) {
    Frame2->hide();
}

void frmanalyse::Form_Load() {
    writeHeaderRow();
    if (const auto* main = ui::Forms::instance().find<shell::Morphologique>()) {
        words = cutWordForms(main->txtfichier->toPlainText());
    }
    grille01->setCol(0);
    grille01->setRows(static_cast<int>(words.size()) + 1);

    const shell::ThesaurusChoix* choice = thesaurusChoice();
    loadedThesaurusPath_ = choice ? choice->Text1->text() : QString();
    const LookupKind kind =
        choice && choice->Text2->text() == shell::kKindBase ? LookupKind::Sorted : LookupKind::Full;
    ui::Hourglass hourglass(this);
    LoadedLists loaded = loadThesaurusLists(loadedThesaurusPath_);
    if (!loaded.ok) {
        loadFailed_ = true;
        ui::msgBox(this, loaded.error, ui::Buttons::Ok, ui::Icon::Information,
                   QStringLiteral("Thesaurus illisible"));
        return;
    }
    lists = std::move(loaded.lists);
    fillGrid(lookup(words, lists, kind));
    Frame2->show();
    setUpStoring(kind);
}

void frmanalyse::fillGrid(const LookupResult& result) {
    ui::GridModel* model = grille01->model();
    grille01->setRedraw(false);
    grille01->setRows(static_cast<int>(result.rowCount));
    for (std::size_t i = 0; i < result.rows.size(); ++i) {
        const int r = static_cast<int>(i) + 1;
        const LookupRow& row = result.rows[i];
        const RowTexts texts = rowTexts(row, words, lists);
        writeFormCell(r, texts[0]);
        for (int c = 1; c < kGridColumns; ++c) {
            grille01->setTextAt(r, c, texts[static_cast<std::size_t>(c)]);
        }
        if (row.ambiguous) {
            for (int c = 1; c <= 5; ++c) {
                model->setForeColorAt(r, c, ui::kAmbiguityColour);
            }
        }
    }
    grille01->setRedraw(true);
}

// Nothing is ever stored into the base thesaurus: its storing box is cleared and disabled.
void frmanalyse::setUpStoring(LookupKind kind) {
    const bool other = kind == LookupKind::Full;
    Check1->setChecked(other);
    Check1->setEnabled(other);
}

QString frmanalyse::storingThesaurusPath() {
    const shell::ThesaurusChoix* choice = thesaurusChoice();
    if (!choice) {
        return loadedThesaurusPath_;
    }
    // A later choice of the base thesaurus must not make it a target for stored analyses.
    if (choice->Text2->text() == shell::kKindBase) {
        return {};
    }
    return choice->Text1->text();
}

void frmanalyse::cannotStore() {
    ui::msgBox(this,
               QStringLiteral("Le Thesaurus Vorante Lumivexa ne reçoit jamais d'analyses : "
                              "l'analyse n'a pas été enregistrée dans le Thesaurus."),
               ui::Buttons::Ok, ui::Icon::Information, QStringLiteral("Analyse morphologique"));
}

void frmanalyse::Form_Unload() {
    Workspace::Form_Unload();
    // A workspace that could not open leaves the choice open for another try.
    if (!loadFailed_) {
        ui::Forms::instance().unload(QStringLiteral("ThesaurusChoix"));
    }
}

}  // namespace analysis
