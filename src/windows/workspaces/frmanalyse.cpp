#include "windows/workspaces/frmanalyse.h"

#include "core/morphology/batchanalysis.h"
#include "core/records/paths.h"
#include "core/text/wordforms.h"
#include "ui/grid.h"
#include "ui/gridmodel.h"
#include "ui/platform.h"
#include "ui/widgets.h"
#include "windows/shell/Morphologique.h"
#include "windows/shell/ThesaurusChoix.h"

#include <QCheckBox>
#include <QDir>
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
        const QString text = main->txtfichier->toPlainText();
        words = cutWordForms(text);
        sentenceStarts_ = sentenceStartsOf(text, words.size());
        showDocumentName(main->textPath());
    }
    grille01->setCol(0);
    grille01->setRows(static_cast<int>(words.size()) + 1);

    const shell::ThesaurusChoix* choice = thesaurusChoice();
    loadedThesaurusPath_ = choice ? choice->Text1->text() : QString();
    const LookupKind kind =
        choice && choice->Text2->text() == shell::kKindBase ? LookupKind::Sorted : LookupKind::Full;
    ui::Hourglass hourglass(this);
    const records::FileStamp stamp = records::fileStamp(loadedThesaurusPath_);
    records::Outcome<ThesaurusLists> loaded = loadThesaurusLists(loadedThesaurusPath_);
    if (!loaded.ok()) {
        loadFailed_ = true;
        ui::msgBox(this, loaded.error(), ui::Buttons::Ok, ui::Icon::Information,
                   QStringLiteral("Thesaurus illisible"));
        return;
    }
    takeLists(std::move(loaded).value(), loadedThesaurusPath_, stamp);
    setAllRows(gridRowsOf(lookup(words, lists, kind), words, lists));
    Frame2->show();
    setUpStoring(kind);
    if (choice) {
        connect(choice->Text1, &QLineEdit::textChanged, this, &frmanalyse::updateStoringStatus);
        connect(choice->Text2, &QLineEdit::textChanged, this, &frmanalyse::updateStoringStatus);
    }
    connect(Check1, &QCheckBox::toggled, this, &frmanalyse::updateStoringStatus);
    updateStoringStatus();
}

QString frmanalyse::storingStatus() const {
    const shell::ThesaurusChoix* choice = thesaurusChoice();
    const bool base = !choice || choice->Text2->text() == shell::kKindBase;
    if (base && !Check1->isEnabled()) {
        return QStringLiteral(
            "Thesaurus Vorante Lumivexa : les analyses validées ne sont "
            "enregistrées dans aucun Thesaurus.");
    }
    if (!Check1->isChecked()) {
        return QStringLiteral("Les analyses validées ne sont pas enregistrées dans le Thesaurus.");
    }
    if (base) {
        return QStringLiteral("Thesaurus Vorante Lumivexa : il ne reçoit jamais d'analyses.");
    }
    return QStringLiteral("Analyses validées enregistrées dans : %1")
        .arg(QDir::toNativeSeparators(choice->Text1->text()));
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
