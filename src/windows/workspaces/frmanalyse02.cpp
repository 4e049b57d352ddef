#include "windows/workspaces/frmanalyse02.h"

#include "core/records/recordfile.h"
#include "ui/platform.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>

namespace analysis {
namespace {

const QString kThesaurusFilter = QStringLiteral("Fichiers données (*.DAT)|*.DAT");

}  // namespace

frmanalyse02::frmanalyse02(const QString& analysisPath)
    : Workspace({QStringLiteral("Command1_c"), QStringLiteral("Enregistrer"),
                 QStringLiteral("enregistrer"), QStringLiteral("&Dictionnaire (Lemmes)"),
                 QStringLiteral("1")}),
      analysisPath_(analysisPath) {
    storeBox_->setChecked(false);
    storeBox_->setEnabled(true);
    connect(storeBox_, &QCheckBox::clicked, this, &frmanalyse02::storingBoxClicked);
    connect(storeBox_, &QCheckBox::toggled, this, &frmanalyse02::updateStoringStatus);
}

void frmanalyse02::Form_Load() {
    setColumnWidths();
    thesaurusOffered_ = false;
    const QString& path = analysisPath_;
    showDocumentName(path);
    const records::Outcome<LoadedAnalysis> loaded = [&] {
        ui::Hourglass hourglass(this);
        records::Outcome<LoadedAnalysis> read = loadAnalysisFile(path);
        if (read.ok()) {
            setAllRows(savedAnalysisRows(read.value().rows));
        }
        return read;
    }();
    if (!loaded.ok()) {
        ui::msgBox(this, loaded.error(), ui::Buttons::Ok, ui::Icon::Information,
                   QStringLiteral("Analyse illisible"));
    } else if (!loaded.value().notAnAnalysisFile.isEmpty()) {
        ui::msgBox(this,
                   loaded.value().notAnAnalysisFile +
                       QStringLiteral("\nSes enregistrements entiers sont affichés ; le fichier ne "
                                      "sera modifié que si vous l'enregistrez."),
                   ui::Buttons::Ok, ui::Icon::Information, QStringLiteral("Ouvrir une analyse"));
    }
    updateStoringStatus();
}

// Ticking or unticking: only the first click of the window's life offers the thesaurus dialog.
void frmanalyse02::storingBoxClicked() {
    if (thesaurusOffered_) {
        return;
    }
    thesaurusOffered_ = true;
    loadThesaurus();
}

void frmanalyse02::loadThesaurus() {
    // A new name is allowed: the thesaurus is created empty and receives the stored analyses.
    const QString path = ui::platform().openOrNewFileName(this, kThesaurusFilter);
    if (path.isEmpty()) {
        return;
    }
    chosenThesaurusPath_ = path;
    updateStoringStatus();
    const records::FileStamp stamp = records::fileStamp(path);
    const records::Outcome<records::RecordBytes> read =
        records::readRecordBytes(path, records::ThesaurusRecord::Length);
    if (!read.ok()) {
        ui::msgBox(this, read.error(), ui::Buttons::Ok, ui::Icon::Information,
                   QStringLiteral("Thesaurus illisible"));
        return;
    }
    const QByteArray& bytes = read.value().bytes;
    if (bytes.isEmpty()) {
        ui::msgBox(this, QStringLiteral("Le Thesaurus est vide!"));
        return;
    }
    // Read by whole records all the same; analyses are never appended to such a file.
    const QString notAThesaurus =
        records::notAThesaurusReason(path, records::thesaurusShape(bytes, read.value().fileLength));
    if (!notAThesaurus.isEmpty()) {
        ui::msgBox(this, notAThesaurus, ui::Buttons::Ok, ui::Icon::Information,
                   QStringLiteral("Thesaurus"));
    }
    takeLists(listsOf(records::recordsOf<records::ThesaurusRecord>(bytes)), path, stamp);
}

QString frmanalyse02::storingThesaurusPath() {
    return chosenThesaurusPath_;
}

void frmanalyse02::cannotStore() {
    ui::msgBox(this,
               QStringLiteral("Aucun Thesaurus n'a été choisi : l'analyse n'a pas été "
                              "enregistrée dans un Thesaurus.\nPour en choisir un, fermez "
                              "cette analyse, rouvrez-la et cochez la case d'enregistrement."),
               ui::Buttons::Ok, ui::Icon::Information, QStringLiteral("Analyse morphologique"));
}

QString frmanalyse02::storingStatus() const {
    if (!storeBox_->isChecked()) {
        return QStringLiteral("Les analyses validées ne sont pas enregistrées dans le Thesaurus.");
    }
    if (chosenThesaurusPath_.isEmpty()) {
        return QStringLiteral(
            "Aucun Thesaurus choisi : les analyses validées ne sont "
            "enregistrées nulle part.");
    }
    return QStringLiteral("Analyses validées enregistrées dans : %1")
        .arg(QDir::toNativeSeparators(chosenThesaurusPath_));
}

}  // namespace analysis
