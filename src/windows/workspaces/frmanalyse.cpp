#include "windows/workspaces/frmanalyse.h"

#include "core/morphology/batchanalysis.h"
#include "core/records/paths.h"
#include "core/text/wordforms.h"
#include "ui/grid.h"
#include "ui/gridmodel.h"
#include "ui/platform.h"
#include "ui/widgets.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace analysis {

frmanalyse::frmanalyse(const TextToAnalyse& text, const ThesaurusChoice& thesaurus)
    : Workspace({QStringLiteral("Command6"), QStringLiteral("&Enregistrer"),
                 QStringLiteral("Enregistrer"), QStringLiteral("&Dictionnaire (lemmes)"),
                 QString()}),
      text_(text),
      loaded_(thesaurus),
      target_(thesaurus) {
    detailPanel_->hide();
}

void frmanalyse::Form_Load() {
    setColumnWidths();
    words_ = cutWordForms(text_.text);
    sentenceStarts_ = sentenceStartsOf(text_.text, words_.size());
    showDocumentName(text_.path);

    const LookupKind kind =
        loaded_.kind == ThesaurusKind::Base ? LookupKind::Sorted : LookupKind::Full;
    ui::Hourglass hourglass(this);
    const records::FileStamp stamp = records::fileStamp(loaded_.path);
    records::Outcome<ThesaurusLists> loaded = loadThesaurusLists(loaded_.path);
    if (!loaded.ok()) {
        loadFailed_ = true;
        ui::msgBox(this, loaded.error(), ui::Buttons::Ok, ui::Icon::Information,
                   QStringLiteral("Thesaurus illisible"));
        return;
    }
    takeLists(std::move(loaded).value(), loaded_.path, stamp);
    if (!analyseText(kind)) {
        loadFailed_ = true;  // cancelled: the workspace does not open
        return;
    }
    detailPanel_->show();
    setUpStoring(kind);
    connect(storeBox_, &QCheckBox::toggled, this, &frmanalyse::updateStoringStatus);
    updateStoringStatus();
}

// Looks the text's words up and shows their rows; false when the user cancelled it.
bool frmanalyse::analyseText(LookupKind kind) {
    const auto report = ui::platform().startProgress(this, QStringLiteral("Analyse du texte..."));
    const LookupResult found = lookup(words_, lists, kind, ui::progressPart(*report, 0, 0.5));
    if (report->cancelled()) {
        return false;
    }
    GridRows rows = gridRowsOf(found, words_, lists, ui::progressPart(*report, 0.5, 1));
    if (report->cancelled()) {
        return false;
    }
    setAllRows(std::move(rows));
    return true;
}

void frmanalyse::setThesaurusChoice(const ThesaurusChoice& thesaurus) {
    target_ = thesaurus;
    updateStoringStatus();
}

QString frmanalyse::storingStatus() const {
    const bool base = target_.kind != ThesaurusKind::Other;
    if (base && !storeBox_->isEnabled()) {
        return QStringLiteral(
            "Thesaurus Vorante Lumivexa : les analyses validées ne sont "
            "enregistrées dans aucun Thesaurus.");
    }
    if (!storeBox_->isChecked()) {
        return QStringLiteral("Les analyses validées ne sont pas enregistrées dans le Thesaurus.");
    }
    if (base) {
        return QStringLiteral("Thesaurus Vorante Lumivexa : il ne reçoit jamais d'analyses.");
    }
    return QStringLiteral("Analyses validées enregistrées dans : %1")
        .arg(QDir::toNativeSeparators(target_.path));
}

// Nothing is ever stored into the base thesaurus: its storing box is cleared and disabled.
void frmanalyse::setUpStoring(LookupKind kind) {
    const bool other = kind == LookupKind::Full;
    storeBox_->setChecked(other);
    storeBox_->setEnabled(other);
}

QString frmanalyse::storingThesaurusPath() {
    // A later choice of the base thesaurus must not make it a target for stored analyses.
    return target_.kind == ThesaurusKind::Other ? target_.path : QString();
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
        emit closedAfterOpening();
    }
}

}  // namespace analysis
