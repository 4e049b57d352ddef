#include "windows/shell/ThesaurusChoix.h"

#include "core/records/paths.h"
#include "core/records/recordfile.h"
#include "core/records/records.h"
#include "ui/platform.h"
#include "ui/widgets.h"
#include "windows/workspaces/frmanalyse.h"

#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {
namespace {

const QString kOpenFilter = QStringLiteral("Fichiers données (*.DAT)|*.DAT");
const QString kSaveFilter = QStringLiteral("Fichiers de données (*.DAT)|*.DAT");

bool sameFile(const QString& a, const QString& b) {
    const QFileInfo fa(a);
    const QFileInfo fb(b);
    if (fa.exists() && fb.exists()) {
        return fa.canonicalFilePath() == fb.canonicalFilePath();
    }
    return fa.absoluteFilePath() == fb.absoluteFilePath();
}

}  // namespace

ThesaurusChoix::ThesaurusChoix() {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Vorante Lumivexa - Choix du Thesaurus"));
    setAccessibleName(windowTitle());

    const ui::ShadowTitle title = ui::programTitle(this);
    auto* frame = ui::named(new QGroupBox(this), QStringLiteral("Frame1"),
                            QStringLiteral("Choix du Thesaurus"));
    QPushButton* base =
        button(frame, QStringLiteral("Command1"), QStringLiteral("Thesaurus Vorante Lumivexa"));
    QPushButton* existing =
        button(frame, QStringLiteral("Command2"), QStringLiteral("Ouvrir un Thesaurus existant"));
    QPushButton* created =
        button(frame, QStringLiteral("Command3"), QStringLiteral("Créer un nouveau Thesaurus"));
    auto* buttons = new QVBoxLayout(frame);
    buttons->setSpacing(10);
    for (QPushButton* b : {base, existing, created}) {
        b->setMinimumHeight(36);
        b->setAutoDefault(true);  // Enter presses the button that has the focus
        buttons->addWidget(b);
    }
    base->setFocus();
    connect(base, &QPushButton::clicked, this, &ThesaurusChoix::chooseBase);
    connect(existing, &QPushButton::clicked, this, &ThesaurusChoix::chooseExisting);
    connect(created, &QPushButton::clicked, this, &ThesaurusChoix::createAndChoose);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 24);
    layout->addWidget(title.container);
    layout->addWidget(frame);
    setMinimumWidth(420);
}

QPushButton* ThesaurusChoix::button(QWidget* frame, const QString& name, const QString& caption) {
    return ui::named(new QPushButton(caption, frame), name, caption);
}

void ThesaurusChoix::chooseBase() {
    if (baseThesaurusReady()) {
        choose({records::paths::baseThesaurus(), analysis::ThesaurusKind::Base});
    }
}

void ThesaurusChoix::chooseExisting() {
    const QString path = ui::platform().openFileName(this, kOpenFilter);
    if (!path.isEmpty()) {
        warnUnlessThesaurus(path);
        choose({path, analysis::ThesaurusKind::Other});
    }
}

// An absent or empty base thesaurus (removed while the program ran) is put back from the
// shipped copy; an analysis never runs silently against an empty base.
bool ThesaurusChoix::baseThesaurusReady() {
    const auto restored = records::paths::restoreDataFile(records::paths::kBaseThesaurusName);
    if (restored.ok()) {
        return true;
    }
    ui::msgBox(this, restored.error(), ui::Buttons::Ok, ui::Icon::Information,
               QStringLiteral("Thesaurus Vorante Lumivexa"));
    return false;
}

// Any file may be opened as a thesaurus and is read by whole records; one that the program did
// not write as a thesaurus is said to be so, and analyses are never appended to it.
void ThesaurusChoix::warnUnlessThesaurus(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return;  // the workspace reports what it cannot read
    }
    const QString reason =
        records::notAThesaurusReason(path, records::thesaurusShape(file.readAll()));
    if (!reason.isEmpty()) {
        ui::msgBox(this,
                   reason + QStringLiteral("\nSes enregistrements entiers seront lus, mais aucune "
                                           "analyse n'y sera enregistrée."),
                   ui::Buttons::Ok, ui::Icon::Information,
                   QStringLiteral("Ouvrir un Thesaurus existant"));
    }
}

void ThesaurusChoix::createAndChoose() {
    QString path;
    bool import = false;
    {
        ui::Hourglass hourglass(this);
        path = ui::platform().saveFileName(this, kSaveFilter);
        if (path.isEmpty()) {
            return;
        }
        if (sameFile(path, records::paths::baseThesaurus())) {
            ui::msgBox(this,
                       QStringLiteral("Le Thesaurus Vorante Lumivexa ne peut pas être remplacé "
                                      "par un nouveau Thesaurus.\nVeuillez choisir un autre "
                                      "nom de fichier."),
                       ui::Buttons::Ok, ui::Icon::Information,
                       QStringLiteral("Création d'un nouveau Thesaurus"));
            return;
        }
        if (!ui::mayOverwrite(this, path)) {
            return;
        }
        import = ui::msgBox(this,
                            QStringLiteral("Avec importation des analyses du Thesaurus "
                                           "VORANTE?\n\r"),
                            ui::Buttons::YesNo, ui::Icon::None,
                            QStringLiteral("Création d'un nouveau Thesaurus")) != ui::Answer::No;
        if ((import && !baseThesaurusReady()) || !createThesaurus(path, import)) {
            return;
        }
    }
    choose({path, analysis::ThesaurusKind::Other});
}

// The new file replaces an existing one only once it is complete: a failure half-way leaves
// the old file as it was and no partial thesaurus behind.
bool ThesaurusChoix::createThesaurus(const QString& path, bool import) {
    const records::Outcome<void> created =
        import ? records::copyRecords(records::paths::baseThesaurus(), path,
                                      records::ThesaurusRecord::Length)
               : records::replaceFile(path, QByteArray());
    if (!created.ok()) {
        ui::msgBox(this, created.error(), ui::Buttons::Ok, ui::Icon::Information,
                   QStringLiteral("Création d'un nouveau Thesaurus"));
    }
    return created.ok();
}

// A workspace already open keeps its rows and stores into the new choice from now on.
void ThesaurusChoix::choose(const analysis::ThesaurusChoice& choice) {
    const analysis::ThesaurusChoice previous = chosen_;
    chosen_ = choice;
    analysis::frmanalyse* workspace = nullptr;
    {
        ui::Hourglass hourglass(this);
        workspace = openWorkspace();
    }
    if (workspace->loadFailed()) {
        workspace->unload();
        chosen_ = previous;
        return;
    }
    workspace->setThesaurusChoice(chosen_);
    ui::Forms::showModeless(workspace);
    hide();
}

analysis::frmanalyse* ThesaurusChoix::openWorkspace() {
    auto& forms = ui::Forms::instance();
    return forms.load<analysis::frmanalyse>(ui::Forms::nameOf<analysis::frmanalyse>(), [this] {
        auto* workspace = new analysis::frmanalyse(text_, chosen_);
        connect(workspace, &analysis::frmanalyse::closedAfterOpening, this,
                [] { ui::Forms::instance().unload(QStringLiteral("ThesaurusChoix")); });
        return workspace;
    });
}

}  // namespace shell
